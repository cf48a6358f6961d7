// Look-back tests at any position, past the text's end included: results
// 0 to 2, no byte read outside the text, and a position past the end
// answers as the end does.
#include "fuzz/fuzz_input.h"
#include "text/char_class.h"
#include "text/line.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FuzzInput in = {data, size};
  const uint32_t mode = TakeNumber(&in, 1);
  const uint16_t pos = static_cast<uint16_t>(TakeNumber(&in, 2));
  const FuzzText t = MaybeLong(TakeText(&in), mode, TEXT_MAX_LEN);
  const uint16_t clamped = t.len < pos ? static_cast<uint16_t>(t.len) : pos;

  const uint8_t kind = KindBeforePos(t.text, pos);
  FUZZ_CHECK(kind <= BEFORE_NOTHING);
  FUZZ_CHECK(kind == KindBeforePos(t.text, clamped));
  FUZZ_CHECK((kind == BEFORE_NOTHING) == (std::strspn(t.text, " \t") >= clamped));

  const uint8_t word = KindBeforeWord(t.text, pos);
  FUZZ_CHECK(word <= BEFORE_NOTHING);
  if (clamped > 0 && !IsAsciiLetter(static_cast<uint8_t>(t.text[clamped - 1])))
    FUZZ_CHECK(word == kind);
  Free(t);
  return 0;
}
