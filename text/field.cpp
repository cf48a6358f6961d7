// Comparisons and field scanning, each a single forward walk with a 16-bit
// position that gives up, with 0, at TEXT_MAX_LEN.
#include "text/field.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == ','; }

// Length of the field at p, which lies inside the line or on its terminator.
uint8_t FieldLengthAt(const char *line, uint32_t p, uint16_t *length) {
  uint16_t m = 0;
  while (line[p] != '\0' && !IsSeparator(line[p])) {
    ++m;
    if (++p >= TEXT_MAX_LEN) return 0;
  }
  *length = m;
  return 1;
}

}  // namespace

// The comparisons look at positions 0 to TEXT_MAX_LEN, so that a text of
// TEXT_MAX_LEN bytes is compared up to its terminator.
uint8_t StrEqual(const char *a, const char *b) {
  for (uint32_t i = 0; i <= TEXT_MAX_LEN; ++i) {
    if (a[i] == '\0' && b[i] == '\0') return 1;
    if (a[i] != b[i]) return 0;
  }
  return 0;
}

uint8_t StrAgreeToShorter(const char *a, const char *b) {
  for (uint32_t i = 0; i <= TEXT_MAX_LEN; ++i) {
    if (a[i] == '\0' || b[i] == '\0') return 1;
    if (a[i] != b[i]) return 0;
  }
  return 0;
}

uint8_t StrStartsWith(const char *text, const char *prefix) {
  for (uint32_t i = 0; i <= TEXT_MAX_LEN; ++i) {
    if (prefix[i] == '\0') return 1;
    if (prefix[i] != text[i]) return 0;  // also where text ends first
  }
  return 0;
}

uint8_t FindField(const char *line, uint16_t n, uint16_t *start) {
  uint16_t p = 0;
  for (;; ++p) {
    if (p == TEXT_MAX_LEN || line[p] == '\0') return 0;
    if (!IsBlank(line[p])) break;
  }
  if (n == 1) {
    *start = p;
    return 1;
  }
  // Field 0 is never found: the counter starts at 1 and only grows, so the
  // walk runs on to the line's end.
  uint32_t k = 1;
  for (;;) {
    for (;; ++p) {
      if (p == TEXT_MAX_LEN || line[p] == '\0') return 0;
      if (IsSeparator(line[p])) break;
    }
    ++p;
    ++k;
    for (;; ++p) {
      if (p == TEXT_MAX_LEN || line[p] == '\0') return 0;
      if (!IsBlank(line[p])) break;
    }
    if (k == n) {
      *start = p;
      return 1;
    }
  }
}

uint8_t GetFieldLength(const char *line, uint16_t start, uint16_t *length) {
  const uint32_t len = TextLenUpTo(line, start);
  return FieldLengthAt(line, len < start ? len : start, length);
}

uint8_t GetField(const char *line, uint16_t n, uint16_t *start, uint16_t *length) {
  if (!FindField(line, n, start)) return 0;
  return FieldLengthAt(line, *start, length);
}

uint8_t MatchField(const char *line, const char *text, uint16_t n) {
  uint16_t start = 0, length = 0;
  if (!GetField(line, n, &start, &length)) return 0;
  // A field byte is never zero, so a shorter text differs at its terminator.
  for (uint16_t i = 0; i < length; ++i)
    if (line[start + i] != text[i]) return 0;
  return 1;
}
