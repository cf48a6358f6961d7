// Character tests and case conversion by fixed byte ranges. The whole-text
// operations first make sure the text fits their 16-bit positions, so that
// a longer text is never half converted.
#include "text/char_class.h"

namespace {

uint8_t ByteAt(const char *text, uint32_t i) { return static_cast<uint8_t>(text[i]); }

// Length of a text the 16-bit walks can handle, or TEXT_MAX_LEN + 1.
uint32_t WalkableLen(const char *text) { return TextLenUpTo(text, TEXT_MAX_LEN); }

}  // namespace

uint8_t IsDbcsLeadAt(const char *p) { return IsDbcsLead(ByteAt(p, 0)); }

uint8_t IsDbcsLead(uint8_t b) { return b >= 0x80 ? 1 : 0; }

uint8_t IsSevenBit(uint8_t b) { return b < 0x80 ? 1 : 0; }

uint8_t IsAsciiLetter(uint8_t b) {
  // Clearing bit 5 folds 'a'-'z' onto 'A'-'Z'; bit 7 survives, so no byte
  // of 0x80 and above can land in the range.
  const uint8_t folded = b & 0xDF;
  return folded >= 0x41 && folded <= 0x5A ? 1 : 0;
}

uint8_t IsAsciiDigit(uint8_t b) { return b >= 0x30 && b <= 0x39 ? 1 : 0; }

uint8_t IsEmptyStr(const char *text) { return text[0] == '\0' ? 1 : 0; }

uint8_t IsAllLetters(const char *text) {
  const uint32_t len = WalkableLen(text);
  if (len > TEXT_MAX_LEN) return 0;
  for (uint16_t i = 0; i < len; ++i)
    if (!IsAsciiLetter(ByteAt(text, i))) return 0;
  return 1;
}

uint8_t ToUpperAscii(uint8_t b) { return b >= 0x61 && b <= 0x7A ? b & 0x5F : b; }

uint8_t ToLowerAscii(uint8_t b) { return b >= 0x41 && b <= 0x5A ? b | 0x20 : b; }

void StrUpperAscii(char *text) {
  const uint32_t len = WalkableLen(text);
  if (len > TEXT_MAX_LEN) return;
  for (uint16_t i = 0; i < len; ++i) text[i] = static_cast<char>(ToUpperAscii(ByteAt(text, i)));
}

void StrLowerAscii(char *text) {
  const uint32_t len = WalkableLen(text);
  if (len > TEXT_MAX_LEN) return;
  for (uint16_t i = 0; i < len; ++i) text[i] = static_cast<char>(ToLowerAscii(ByteAt(text, i)));
}

void StrCapitalise(char *text) {
  if (WalkableLen(text) > TEXT_MAX_LEN) return;
  // Deliberately unconditional: any first byte loses bits 5 and 7, so a
  // leading blank, 0x80 or 0xA0 empties the text and a digit turns into a
  // control byte.
  text[0] = static_cast<char>(ByteAt(text, 0) & 0x5F);
  if (text[0] != '\0') StrLowerAscii(text + 1);
}
