// Line clean-up and look-back tests. Trimming moves the text to the start
// of its buffer byte by byte; normalising rewrites it with a write position
// that never overtakes the read position, so both work in place.
#include "text/line.h"

#include "text/char_class.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// A position past the terminator is taken as the text's end. Reads no
// further than pos.
uint16_t ClampToText(const char *text, uint16_t pos) {
  const uint32_t len = TextLenUpTo(text, pos);
  return len < pos ? static_cast<uint16_t>(len) : pos;
}

uint8_t KindBefore(const char *text, uint16_t pos) {
  while (pos > 0) {
    const char c = text[--pos];
    if (c == '\r' || c == '\n' || c == '.') return BEFORE_BREAK;
    if (!IsBlank(c)) return BEFORE_TEXT;
  }
  return BEFORE_NOTHING;
}

}  // namespace

void TrimBlanks(char *text) {
  const uint32_t len = TextLenUpTo(text, TEXT_MAX_LEN);
  if (len == 0 || len > TEXT_MAX_LEN) return;
  uint16_t from = 0;
  while (IsBlank(text[from])) ++from;
  if (text[from] == '\0') {
    text[0] = '\0';
    return;
  }
  // The first byte moved is not a blank, so lastKept always gets set.
  uint16_t to = 0, lastKept = 0;
  for (; text[from] != '\0'; ++from, ++to) {
    text[to] = text[from];
    if (!IsBlank(text[to])) lastKept = to;
  }
  text[lastKept + 1] = '\0';
}

void NormaliseLine(char *text) {
  if (TextLenUpTo(text, TEXT_MAX_LEN) > TEXT_MAX_LEN) return;
  TrimBlanks(text);
  if (text[0] == '\0') return;
  if (text[0] == '\n') {
    text[0] = '\0';
    return;
  }
  StrUpperAscii(text);
  uint16_t read = 0, write = 0;
  bool blankWritten = false;  // the last byte written is a space standing for blanks
  for (; text[read] != '\0' && text[read] != '\n'; ++read) {
    if (IsBlank(text[read])) {
      if (blankWritten) continue;
      text[write++] = ' ';
      blankWritten = true;
    } else {
      text[write++] = text[read];
      blankWritten = false;
    }
  }
  text[write] = '\0';
}

void DropDanglingLead(char *text) {
  if (TextLenUpTo(text, SHORT_TEXT_MAX_LEN) > SHORT_TEXT_MAX_LEN) return;
  bool trailPending = false;
  uint8_t i = 0;
  for (; text[i] != '\0'; ++i) {
    if (trailPending)
      trailPending = false;  // a trail byte, whatever its value
    else
      trailPending = IsDbcsLeadAt(text + i) != 0;
  }
  if (trailPending) text[i - 1] = '\0';
}

uint8_t KindBeforePos(const char *text, uint16_t pos) {
  return KindBefore(text, ClampToText(text, pos));
}

uint8_t KindBeforeWord(const char *text, uint16_t pos) {
  uint16_t start = ClampToText(text, pos);
  while (start > 0 && IsAsciiLetter(static_cast<uint8_t>(text[start - 1]))) --start;
  if (start == 0) return BEFORE_NOTHING;
  return KindBefore(text, start);
}
