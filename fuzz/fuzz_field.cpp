// Comparisons against plain byte comparison, and fields against the rule of
// the header worked out with the standard string functions: the fields of a
// line, and the length of a field at any start.
#include "fuzz/fuzz_input.h"
#include "text/field.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FuzzedDataProvider in(data, size);
  const uint16_t n = in.ConsumeIntegral<uint8_t>();
  const uint16_t anyStart = in.ConsumeIntegral<uint16_t>();
  const Text line = TakeText(&in), text = TakeText(&in);
  const char *l = line.data(), *t = text.data();
  const size_t len = Len(line), shorter = std::min(len, Len(text));

  const bool agree = std::memcmp(l, t, shorter) == 0, equal = agree && len == Len(text);
  FUZZ_CHECK(StrEqual(l, t) == equal && StrEqual(t, l) == equal);
  FUZZ_CHECK(StrAgreeToShorter(l, t) == agree && StrAgreeToShorter(t, l) == agree);
  FUZZ_CHECK(StrStartsWith(l, t) == (agree && Len(text) <= len));

  std::vector<std::pair<size_t, size_t>> fields;  // start and length
  for (size_t p = std::strspn(l, " \t"); p < len;) {
    fields.emplace_back(p, std::strcspn(l + p, " \t,"));
    p += fields.back().second;  // on a separator or the terminator
    if (p < len) p += 1 + std::strspn(l + p + 1, " \t");
  }
  uint16_t start = 0, fieldStart = 0, length = 0;
  const bool exists = n >= 1 && n <= fields.size();
  FUZZ_CHECK(FindField(l, n, &start) == exists && GetField(l, n, &fieldStart, &length) == exists);
  FUZZ_CHECK(!exists || (start == fields[n - 1].first && fieldStart == start && length == fields[n - 1].second));
  FUZZ_CHECK(MatchField(l, t, n) == (exists && std::strncmp(l + start, t, length) == 0));

  uint16_t anyLength = 0;
  const size_t from = std::min<size_t>(anyStart, len);
  FUZZ_CHECK(GetFieldLength(l, anyStart, &anyLength) == 1 && anyLength == std::strcspn(l + from, " \t,"));
  return 0;
}
