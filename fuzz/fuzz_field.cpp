// Field access: a found field starts where the separators say, holds no
// separator, ends before the 16-bit bound, follows the previous field, and
// matches its own bytes; GetFieldLength at any start stays inside the line.
#include "fuzz/fuzz_input.h"
#include "text/field.h"

namespace {

bool IsSeparatorByte(char c) { return c == ' ' || c == '\t' || c == ','; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FuzzInput in = {data, size};
  const uint32_t mode = TakeNumber(&in, 1);
  const uint16_t n = static_cast<uint16_t>(TakeNumber(&in, WantsLong(mode) ? 2 : 1));
  const uint16_t anyStart = static_cast<uint16_t>(TakeNumber(&in, 2));
  const FuzzText line = MaybeLong(TakeText(&in), mode, TEXT_MAX_LEN);
  const FuzzText text = TakeText(&in);

  uint16_t start = 0, length = 0;
  const uint8_t found = FindField(line.text, n, &start);
  FUZZ_CHECK(found <= 1);
  FUZZ_CHECK(!(found && n == 0));
  if (found) {
    FUZZ_CHECK(start < line.len && start < TEXT_MAX_LEN);
    if (n == 1) {
      FUZZ_CHECK(std::strspn(line.text, " \t") == start);
    } else {
      FUZZ_CHECK(start > 0 && IsSeparatorByte(line.text[start - 1]) && !IsBlankByte(line.text[start]));
      uint16_t previous = 0;
      FUZZ_CHECK(FindField(line.text, n - 1, &previous) == 1 && previous < start);
    }
  }

  uint16_t fieldStart = 0;
  const uint8_t whole = GetField(line.text, n, &fieldStart, &length);
  FUZZ_CHECK(!whole || (found && fieldStart == start));
  if (whole) {
    FUZZ_CHECK(static_cast<uint32_t>(start) + length < TEXT_MAX_LEN);
    for (uint16_t i = 0; i < length; ++i) FUZZ_CHECK(!IsSeparatorByte(line.text[start + i]));
    const char after = line.text[start + length];
    FUZZ_CHECK(after == '\0' || IsSeparatorByte(after));
    const FuzzText own = NewText(line.text + start, length);
    FUZZ_CHECK(MatchField(line.text, own.text, n) == 1);
    Free(own);
  }
  const bool matches = whole && text.len >= length && std::memcmp(line.text + start, text.text, length) == 0;
  FUZZ_CHECK(MatchField(line.text, text.text, n) == (matches ? 1 : 0));

  uint16_t anyLength = 0;
  if (GetFieldLength(line.text, anyStart, &anyLength)) {
    const size_t from = anyStart < line.len ? anyStart : line.len;
    FUZZ_CHECK(from + anyLength <= line.len);
    FUZZ_CHECK(anyLength == 0 || from + anyLength < TEXT_MAX_LEN);
    const char after = line.text[from + anyLength];
    FUZZ_CHECK(after == '\0' || IsSeparatorByte(after));
  }
  Free(line);
  Free(text);
  return 0;
}
