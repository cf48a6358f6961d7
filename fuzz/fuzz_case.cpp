// Letter tests and in-place case conversion: each byte converted by the
// one-byte rule, the length never changed (StrCapitalise may only empty the
// text), and texts past the 16-bit bound left untouched.
#include "fuzz/fuzz_input.h"
#include "text/char_class.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FuzzInput in = {data, size};
  const uint32_t mode = TakeNumber(&in, 1);
  const FuzzText original = MaybeLong(TakeText(&in), mode, TEXT_MAX_LEN);
  const bool fits = original.len <= TEXT_MAX_LEN;
  const uint8_t *before = reinterpret_cast<const uint8_t *>(original.text);

  bool allLetters = fits;
  for (size_t i = 0; i < original.len && allLetters; ++i) allLetters = IsAsciiLetter(before[i]) == 1;
  FUZZ_CHECK(IsAllLetters(original.text) == (allLetters ? 1 : 0));
  FUZZ_CHECK(IsEmptyStr(original.text) == (original.len == 0 ? 1 : 0));

  const struct {
    void (*op)(char *);
    uint8_t (*rule)(uint8_t);
  } conversions[] = {{StrUpperAscii, ToUpperAscii}, {StrLowerAscii, ToLowerAscii}};
  for (const auto &c : conversions) {
    const FuzzText t = CopyText(original);
    c.op(t.text);
    FUZZ_CHECK(std::strlen(t.text) == original.len);
    for (size_t i = 0; i < original.len; ++i)
      FUZZ_CHECK(static_cast<uint8_t>(t.text[i]) == (fits ? c.rule(before[i]) : before[i]));
    Free(t);
  }

  const FuzzText t = CopyText(original);
  StrCapitalise(t.text);
  if (!fits) {
    FUZZ_CHECK(std::memcmp(t.text, original.text, original.len + 1) == 0);
  } else if (original.len > 0) {
    const uint8_t first = before[0] & 0x5F;
    FUZZ_CHECK(static_cast<uint8_t>(t.text[0]) == first);
    if (first != 0) {
      FUZZ_CHECK(std::strlen(t.text) == original.len);
      for (size_t i = 1; i < original.len; ++i)
        FUZZ_CHECK(static_cast<uint8_t>(t.text[i]) == ToLowerAscii(before[i]));
    }
  }
  Free(t);
  Free(original);
  return 0;
}
