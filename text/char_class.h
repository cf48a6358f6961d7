// One-byte character tests and ASCII case conversion. A byte 0x80-0xFF is
// the lead byte of a double-byte character and the byte after it its trail
// byte, whatever that byte is; letters and case are ASCII only, and no
// code-page table is consulted.
//
// Byte arguments are uint8_t: a wider integer is looked at in its low 8 bits
// only. Tests return 1 or 0. The in-place conversions change the caller's
// text and return nothing. Text pointers must not be null.
//
// Texts longer than TEXT_MAX_LEN bytes: IsAllLetters gives 0 and the in-place
// conversions leave the text as it is; they read no further than byte
// TEXT_MAX_LEN to find out.
#pragma once

#include <cstdint>

#include "text/text_limits.h"

uint8_t IsDbcsLeadAt(const char *p);  // the byte at p is 0x80-0xFF
uint8_t IsDbcsLead(uint8_t b);        // b is 0x80-0xFF
uint8_t IsSevenBit(uint8_t b);        // b is 0x00-0x7F
uint8_t IsAsciiLetter(uint8_t b);     // 'A'-'Z' or 'a'-'z': exactly 52 bytes
uint8_t IsAsciiDigit(uint8_t b);      // '0'-'9'

uint8_t IsEmptyStr(const char *text);    // the first byte is the terminator
uint8_t IsAllLetters(const char *text);  // every byte is a letter; 1 when empty

// 'a'-'z' to 'A'-'Z' and back; every other byte is returned unchanged.
uint8_t ToUpperAscii(uint8_t b);
uint8_t ToLowerAscii(uint8_t b);

// Convert every byte before the terminator with the one-byte rule. The walk
// does not step over double-byte characters: a trail byte in the letter
// range is converted too, while lead bytes are never in range.
void StrUpperAscii(char *text);
void StrLowerAscii(char *text);

// The first byte becomes itself AND 0x5F, whatever it is (a space, 0x80 or
// 0xA0 thereby becomes the terminator and the text empty; a digit becomes a
// control byte; a lead byte loses its high bit). When that byte is not zero,
// the rest of the text is lower-cased as by StrLowerAscii.
void StrCapitalise(char *text);
