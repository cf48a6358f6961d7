// Boundaries, units, appending and decimal text, over buffers of exactly
// the bytes each operation may look at. Walking characters from byte 0:
// the cut is at the last character that starts before the terminator's
// place; the last unit is the last character, together with the letters
// just before it when it is a letter. StrAppend gives both texts; the
// decimal text is the standard library's.
#include "fuzz/fuzz_input.h"
#include "text/char_class.h"
#include "text/dbcs.h"

static uint8_t ClassOf(char c) {
  return IsDbcsLeadAt(&c) ? UNIT_DOUBLE_BYTE : IsAsciiLetter(c) ? UNIT_LETTERS : UNIT_OTHER;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FuzzedDataProvider in(data, size);
  const uint32_t value = in.ConsumeIntegral<uint32_t>();
  char decimal[UINT_DECIMAL_SIZE];
  FUZZ_CHECK(UIntToDecimal(value, decimal) == 1 && std::to_string(value) == decimal);

  const Text a = TakeText(&in), b = TakeText(&in);
  Text joined(Len(a) + Len(b) + 1, 'Z');
  std::copy(a.begin(), a.end(), joined.begin());
  StrAppend(joined.data(), b.data());
  FUZZ_CHECK(joined.data() == std::string(a.data()) + b.data());

  // n bytes, zero bytes included, for the unit search; their first n - 1 for the cut.
  const Text bytes = in.ConsumeBytes<char>(in.ConsumeIntegral<uint16_t>());
  const uint16_t n = static_cast<uint16_t>(bytes.size());
  std::vector<size_t> starts;  // of the characters
  for (size_t at = 0; at < n; at += IsDbcsLeadAt(&bytes[at]) ? 2 : 1) starts.push_back(at);
  const Text cut(bytes.begin(), bytes.begin() + (n > 0 ? n - 1 : 0));
  FUZZ_CHECK(SafeCutLength(cut.data(), n) == (n > 1 ? starts.back() : 0));

  uint8_t cls = 0xEE;
  const uint16_t start = LastUnitStartEx(bytes.data(), n, &cls);
  FUZZ_CHECK(start == LastUnitStart(bytes.data(), n) && (n > 1 || (start == 0 && cls == 0xEE)));
  if (n <= 1) return 0;
  size_t last = starts.size() - 1;
  while (last > 0 && IsAsciiLetter(bytes[starts[last]]) && IsAsciiLetter(bytes[starts[last - 1]])) --last;
  FUZZ_CHECK(start == starts[last] && cls == ClassOf(bytes[starts.back()]));
  return 0;
}
