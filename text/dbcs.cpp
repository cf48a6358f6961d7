// Character boundaries and text units are found by walking from byte 0, the
// only place where a lead byte is known to begin a character. Copies move
// one byte at a time and stop at TEXT_MAX_LEN.
#include "text/dbcs.h"

#include "text/char_class.h"

namespace {

uint8_t UnitClassOf(uint8_t b) {
  if (IsDbcsLead(b)) return UNIT_DOUBLE_BYTE;
  return IsAsciiLetter(b) ? UNIT_LETTERS : UNIT_OTHER;
}

}  // namespace

uint16_t SafeCutLength(const char *text, uint16_t n) {
  if (n <= 1) return 0;
  uint16_t i = 0;
  while (i + 2 < n) i += IsDbcsLeadAt(text + i) ? 2 : 1;
  if (i == n - 1) return n - 1;
  // i is n - 2: a character starting there would need byte n - 1, the
  // terminator's place.
  return IsDbcsLeadAt(text + i) ? n - 2 : n - 1;
}

uint16_t LastUnitStartEx(const char *text, uint16_t n, uint8_t *unitClass) {
  if (n <= 1) return 0;
  uint8_t cls = UnitClassOf(static_cast<uint8_t>(text[0]));
  uint16_t start = 0;
  // 32-bit on purpose: a lead byte at 65534 steps the walk to 65536.
  for (uint32_t i = 0; i < n;) {
    const uint8_t b = static_cast<uint8_t>(text[i]);
    if (IsDbcsLead(b)) {
      start = static_cast<uint16_t>(i);
      cls = UNIT_DOUBLE_BYTE;
      i += 2;
    } else if (IsAsciiLetter(b)) {
      if (cls != UNIT_LETTERS) start = static_cast<uint16_t>(i);  // a new run of letters
      cls = UNIT_LETTERS;
      i += 1;
    } else {
      start = static_cast<uint16_t>(i);
      cls = UNIT_OTHER;
      i += 1;
    }
  }
  *unitClass = cls;
  return start;
}

uint16_t LastUnitStart(const char *text, uint16_t n) {
  uint8_t cls = 0;
  return LastUnitStartEx(text, n, &cls);
}

uint16_t WideStrLen(const void *wide) {
  const uint8_t *bytes = static_cast<const uint8_t *>(wide);
  uint16_t count = 0;
  // Only pairs at even offsets end the text, never a zero byte ending one
  // unit followed by a zero byte beginning the next.
  for (uint32_t pos = 0; count < WIDE_TEXT_MAX_LEN; pos += 2, ++count)
    if (bytes[pos] == 0 && bytes[pos + 1] == 0) break;
  return count;
}

uint16_t StrLen16(const char *text) {
  uint16_t n = 0;
  while (n < TEXT_MAX_LEN && text[n] != '\0') ++n;
  return n;
}

void StrAppend(char *dest, const char *source) {
  uint16_t at = StrLen16(dest);
  if (at == TEXT_MAX_LEN) return;  // full, or longer than StrLen16 can tell
  for (uint16_t i = 0; at < TEXT_MAX_LEN && source[i] != '\0'; ++i) dest[at++] = source[i];
  dest[at] = '\0';
}

void StrCopy(char *dest, const char *source) {
  uint16_t i = 0;
  for (; i < TEXT_MAX_LEN && source[i] != '\0'; ++i) dest[i] = source[i];
  dest[i] = '\0';
}

uint8_t StrCopyMax(const char *source, char *dest, uint16_t size) {
  if (source[0] == '\0') return 0;
  if (size == 0) return 0;
  for (uint16_t i = 0; i < size - 1; ++i) {
    dest[i] = source[i];
    if (source[i] == '\0') return 1;
  }
  dest[size - 1] = '\0';
  return 1;
}

uint8_t UIntToDecimal(uint32_t value, char *out) {
  if (!out) return 0;
  if (value == 0) {
    out[0] = '0';
    out[1] = '\0';
    return 1;
  }
  uint32_t divisor = 1000000000;
  uint16_t at = 0;
  bool started = false;  // leading zeros are skipped, inner ones written
  for (int step = 0; step < 10; ++step, divisor /= 10) {
    const uint32_t digit = value / divisor % 10;
    if (digit != 0) started = true;
    if (started) out[at++] = static_cast<char>('0' + digit);
  }
  out[at] = '\0';
  return 1;
}
