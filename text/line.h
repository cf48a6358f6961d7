// In-place clean-up of one line and two look-back tests on it. A blank is a
// space or a tab; carriage return, line feed and other control bytes are
// ordinary bytes. The in-place operations never lengthen the text and
// return nothing. Text pointers must not be null.
#pragma once

#include <cstdint>

#include "text/text_limits.h"

// Results of KindBeforePos and KindBeforeWord: what the nearest byte that is
// not a blank before the examined point is.
const uint8_t BEFORE_BREAK = 0;    // a carriage return, line feed or '.'
const uint8_t BEFORE_TEXT = 1;     // any other byte
const uint8_t BEFORE_NOTHING = 2;  // only blanks, or nothing, back to the start

// Removes leading and trailing blanks; blanks inside the text stay. A text
// longer than TEXT_MAX_LEN bytes is left as it is.
void TrimBlanks(char *text);

// Trims the line, cuts it at its first line feed, upper-cases it and reduces
// every run of blanks to one space. Blanks just before the line feed remain
// as one space and a carriage return before it stays. A text longer than
// TEXT_MAX_LEN bytes is left as it is.
void NormaliseLine(char *text);

// Removes a lead byte left at the end of the text without its trail byte,
// walking characters from the start. A text longer than SHORT_TEXT_MAX_LEN
// (255) bytes is left as it is.
void DropDanglingLead(char *text);

// What stands before position pos: the bytes before it are examined from
// pos - 1 backwards, passing over blanks. No byte after pos is read, so the
// text may be of any length; a pos past the terminator is taken as the
// text's end.
uint8_t KindBeforePos(const char *text, uint16_t pos);

// As KindBeforePos, examined from the start of the run of ASCII letters that
// ends at pos; BEFORE_NOTHING when that run reaches back to the start.
uint8_t KindBeforeWord(const char *text, uint16_t pos);
