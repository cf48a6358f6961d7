// Reading an ANSI text character by character in a given code page: which
// bytes lead a double-byte character there, finding a single-byte character
// without mistaking a trail byte for it, and the rule for a name that
// becomes one entry of a folder.
//
// The double-byte code pages are the five Windows has: 932, 936, 949, 950
// and 1361. Every other code page, 1252 and UTF-8 (65001) included, has no
// lead bytes: there a high byte is a character of its own, and a '*' after
// it is a '*'. (char_class.h's rule, every high byte leads, is another
// interface and stays as it is.)
//
// Texts are walked from byte 0 up to their terminator, whatever their
// length; pointers must not be null. Results are 1 or 0.
#pragma once

#include <cstdint>

const uint32_t CODE_PAGE_JAPANESE = 932;     // lead bytes 0x81-0x9F, 0xE0-0xFC
const uint32_t CODE_PAGE_SIMPLIFIED = 936;   // 0x81-0xFE
const uint32_t CODE_PAGE_KOREAN = 949;       // 0x81-0xFE
const uint32_t CODE_PAGE_TRADITIONAL = 950;  // 0x81-0xFE
const uint32_t CODE_PAGE_JOHAB = 1361;       // 0x84-0xD3, 0xD8-0xDE, 0xE0-0xF9

// Whether b leads a double-byte character in codePage.
uint8_t IsLeadByteOf(uint8_t b, uint32_t codePage);

// Whether text holds a byte of set as a character of its own (the byte after
// a lead byte is that character's trail, whatever its value: Big5's 0xA5
// 0x5C is one character, not a backslash), or ends with a lead byte that
// has no trail. Such an unfinished character is counted as found, whatever
// the set: put into a command it takes the closing quote after it as its
// trail, and converted on its own it becomes the code page's default
// character, '?' (or is dropped, so that "X:\dir\<lead>" names X:\dir).
uint8_t HasCharOf(const char *text, const char *set, uint32_t codePage);

// Whether name can name one entry of a folder and no other: 0 for the empty
// name, a name of dots and spaces only ("." and ".."; the platform drops
// the trailing dots and spaces of "..." and ". ."), a name that begins with
// ".." (the shell's path canonicalisation reads "<group>\..Dots" as ".." and
// "Dots"), a control byte (0x01-0x1F, 0x7F) anywhere, and '\', '/' or ':'
// (a path or a drive) or an unfinished character as HasCharOf finds them.
uint8_t IsEntryName(const char *name, uint32_t codePage);
