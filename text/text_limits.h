// Limits shared by the text utilities. A text is a zero-terminated byte
// string in the ANSI code page. The utilities count positions in 16 bits
// (DropDanglingLead in 8 bits), so each one handles texts up to one of the
// lengths below; its header says what it does with a longer text. None of
// them ever reads past a text's terminator to find that out.
#pragma once

#include <cstdint>

const uint16_t TEXT_MAX_LEN = 0xFFFF;       // bytes before the terminator
const uint16_t SHORT_TEXT_MAX_LEN = 0xFF;   // DropDanglingLead's 8-bit walk
const uint16_t WIDE_TEXT_MAX_LEN = 0x7FFF;  // 2-byte units before the zero unit

// Length of text when it is at most limit bytes, else limit + 1. Reads at
// most limit + 1 bytes and none past the terminator.
inline uint32_t TextLenUpTo(const char *text, uint32_t limit) {
  uint32_t n = 0;
  while (n <= limit && text[n] != '\0') ++n;
  return n;
}
