// Double-byte character boundaries, text units, lengths, copies and the
// decimal text of a number. A byte 0x80-0xFF is a lead byte and the byte
// after it its trail byte. Positions, lengths and sizes are 16-bit.
// Destinations are the caller's buffers; pointers must not be null except
// where stated.
#pragma once

#include <cstdint>

#include "text/text_limits.h"

// Unit classes of LastUnitStartEx. A unit is a maximal run of ASCII letters,
// one double-byte character, or one other byte.
const uint8_t UNIT_LETTERS = 1;
const uint8_t UNIT_DOUBLE_BYTE = 2;
const uint8_t UNIT_OTHER = 3;

const uint16_t UINT_DECIMAL_SIZE = 11;  // 10 digits and the terminator

// How many leading bytes of text fit into a buffer of n bytes (terminator
// included) without splitting a double-byte character: at most n - 1, and 0
// when n is 0 or 1. Does not stop at a terminator: the first n - 1 bytes
// must be readable, and a zero byte among them counts as a one-byte
// character.
uint16_t SafeCutLength(const char *text, uint16_t n);

// Position where the last unit that begins before n starts, walking units
// from byte 0; its class goes to *unitClass. When n is 0 or 1 the result is
// 0 and *unitClass is not written. Does not stop at a terminator: the first
// n bytes must be readable (a zero byte there is an other byte). A lead byte
// at n - 1 starts the last unit; its trail byte is not read.
uint16_t LastUnitStartEx(const char *text, uint16_t n, uint8_t *unitClass);
uint16_t LastUnitStart(const char *text, uint16_t n);

// Number of 2-byte units before the unit whose two bytes are both zero;
// units lie at even offsets from wide. A wide text of WIDE_TEXT_MAX_LEN
// units or more gives WIDE_TEXT_MAX_LEN, and nothing after its first
// WIDE_TEXT_MAX_LEN units is read.
uint16_t WideStrLen(const void *wide);

// Number of bytes before the terminator; TEXT_MAX_LEN for a text of
// TEXT_MAX_LEN bytes or more, of which no further byte is read.
uint16_t StrLen16(const char *text);

// Writes the source's bytes and a terminator after the destination's text.
// The destination must have room for both texts; they must not overlap. The
// result is cut at TEXT_MAX_LEN bytes, and a destination already that long
// or longer is left as it is.
void StrAppend(char *dest, const char *source);

// Writes the source's bytes and its terminator to the destination, which
// must have room for them. A source longer than TEXT_MAX_LEN bytes is copied
// cut to its first TEXT_MAX_LEN bytes.
void StrCopy(char *dest, const char *source);

// Bounded copy; note the order: source first. 0 and nothing written when the
// source is empty or size is 0. Otherwise copies up to size - 1 bytes and
// always ends the copy with a terminator, at size - 1 at the latest; 1. The
// cut is byte-wise and may split a double-byte character (SafeCutLength
// gives one that does not). Bytes after the written terminator are left.
uint8_t StrCopyMax(const char *source, char *dest, uint16_t size);

// Writes value's decimal digits (1 to 10, no leading zeros) and a terminator
// to out, which holds at least UINT_DECIMAL_SIZE bytes; 1. A null out gives
// 0 and nothing is written.
uint8_t UIntToDecimal(uint32_t value, char *out);
