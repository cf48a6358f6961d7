// The three comparisons against plain byte comparison: exact for texts of
// up to 65535 bytes, 0 where the walk would have to go past that bound.
#include "fuzz/fuzz_input.h"
#include "text/field.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FuzzInput in = {data, size};
  const uint32_t mode = TakeNumber(&in, 1);
  FuzzText a = TakeText(&in);
  FuzzText b = TakeText(&in);
  if (WantsLong(mode)) {
    // Long texts, mostly with the same start, so that the walks reach the bound.
    const uint32_t more = TakeNumber(&in, 1);
    const FuzzText longA = RepeatText(a, LengthAround(TEXT_MAX_LEN, mode));
    const FuzzText longB = RepeatText((more & 0x80) ? b : a, LengthAround(TEXT_MAX_LEN, more));
    Free(a);
    Free(b);
    a = longA;
    b = longB;
  }
  const size_t shorter = a.len < b.len ? a.len : b.len;
  const bool agree = std::memcmp(a.text, b.text, shorter) == 0;

  const bool equal = a.len == b.len && agree && a.len <= TEXT_MAX_LEN;
  FUZZ_CHECK(StrEqual(a.text, b.text) == (equal ? 1 : 0));
  FUZZ_CHECK(StrEqual(b.text, a.text) == (equal ? 1 : 0));
  const bool prefix = agree && shorter <= TEXT_MAX_LEN;
  FUZZ_CHECK(StrAgreeToShorter(a.text, b.text) == (prefix ? 1 : 0));
  FUZZ_CHECK(StrAgreeToShorter(b.text, a.text) == (prefix ? 1 : 0));
  FUZZ_CHECK(StrStartsWith(a.text, b.text) == (prefix && b.len <= a.len ? 1 : 0));
  Free(a);
  Free(b);
  return 0;
}
