// Comparisons against plain byte comparison, and fields: a found field
// starts after a separator and after its predecessor, holds no separator,
// and matches exactly the texts that begin with it; a field at any start
// stays inside the line.
#include "fuzz/fuzz_input.h"
#include "text/field.h"

static bool IsSeparatorByte(char c) { return c == ' ' || c == '\t' || c == ','; }

static bool EndsField(char c) { return c == '\0' || IsSeparatorByte(c); }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FuzzInput in = {data, size};
  const uint16_t n = static_cast<uint16_t>(TakeNumber(&in, 1));
  const uint16_t anyStart = static_cast<uint16_t>(TakeNumber(&in, 2));
  const Text line = TakeText(&in), text = TakeText(&in);
  const char *l = line.data(), *t = text.data();
  const size_t len = Len(line), shorter = len < Len(text) ? len : Len(text);

  const bool agree = std::memcmp(l, t, shorter) == 0, equal = agree && len == Len(text);
  FUZZ_CHECK(StrEqual(l, t) == equal && StrEqual(t, l) == equal);
  FUZZ_CHECK(StrAgreeToShorter(l, t) == agree && StrAgreeToShorter(t, l) == agree);
  FUZZ_CHECK(StrStartsWith(l, t) == (agree && Len(text) <= len));

  uint16_t start = 0, fieldStart = 0, length = 0, previous = 0;
  const uint8_t found = FindField(l, n, &start);
  FUZZ_CHECK(found == GetField(l, n, &fieldStart, &length) && found <= 1 && !(found && n == 0));
  bool matches = false;
  if (found) {
    FUZZ_CHECK(start < len && !IsBlankByte(l[start]) && fieldStart == start && EndsField(l[start + length]));
    FUZZ_CHECK(n != 1 || std::strspn(l, " \t") == start);
    FUZZ_CHECK(n == 1 || (start > 0 && IsSeparatorByte(l[start - 1]) && FindField(l, n - 1, &previous) == 1));
    FUZZ_CHECK(n == 1 || previous < start);
    for (uint16_t i = 0; i < length; ++i) FUZZ_CHECK(!IsSeparatorByte(l[start + i]));
    matches = Len(text) >= length && std::memcmp(&l[start], t, length) == 0;
  }
  FUZZ_CHECK(MatchField(l, t, n) == matches);

  uint16_t anyLength = 0;
  const size_t from = anyStart < len ? anyStart : len;
  FUZZ_CHECK(GetFieldLength(l, anyStart, &anyLength) == 1 && from + anyLength <= len);
  FUZZ_CHECK(EndsField(l[from + anyLength]));
  return 0;
}
