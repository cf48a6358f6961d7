// Finding a single-byte character in an ANSI text without mistaking the
// trail byte of a double-byte character for it: a Big5 trail byte can be
// '[', ']' or '\', and the character it ends is none of them. As everywhere
// in the system, a byte 0x80-0xFF leads a double-byte character.
#pragma once

#include <cstring>

#include "text/char_class.h"

// Whether `text` holds, as a character of its own, any byte of `set`.
inline bool HasCharOf(const char *text, const char *set) {
  for (const char *p = text; *p != '\0'; ++p) {
    if (IsDbcsLeadAt(p)) {
      if (p[1] == '\0') break;
      ++p;
    } else if (std::strchr(set, *p)) {
      return true;
    }
  }
  return false;
}
