// Letter tests and in-place case conversion: every byte converted by the
// one-byte rule, StrCapitalise exactly as its header says.
#include "fuzz/fuzz_input.h"
#include "text/char_class.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FuzzedDataProvider in(data, size);
  const Text original = TakeText(&in);
  const size_t len = Len(original);
  const uint8_t *was = reinterpret_cast<const uint8_t *>(original.data());
  FUZZ_CHECK(IsAllLetters(original.data()) == std::all_of(was, was + len, IsAsciiLetter));
  FUZZ_CHECK(IsEmptyStr(original.data()) == (len == 0));

  const struct { void (*op)(char *); uint8_t (*rule)(uint8_t); } conversions[] = {
      {StrUpperAscii, ToUpperAscii}, {StrLowerAscii, ToLowerAscii}};
  for (const auto &c : conversions) {
    Text t = original;
    c.op(t.data());
    for (size_t i = 0; i <= len; ++i) FUZZ_CHECK(static_cast<uint8_t>(t[i]) == c.rule(was[i]));
  }

  Text expected = original, t = original;
  expected[0] = static_cast<char>(was[0] & 0x5F);
  for (size_t i = 1; expected[0] != '\0' && i < len; ++i) expected[i] = ToLowerAscii(was[i]);
  StrCapitalise(t.data());
  FUZZ_CHECK(t == expected);
  return 0;
}
