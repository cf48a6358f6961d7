// Byte-exact comparisons of texts and access to the numbered fields of a
// line. Nothing here changes a text. Pointers must not be null. Every
// operation returns 1 (true, found) or 0; on 0 the out-parameters hold no
// meaningful value.
//
// Fields: a separator is one space, tab or comma together with all blanks
// (spaces and tabs) after it. A field runs from its first byte up to, not
// including, the next space, tab, comma or the terminator. Blanks before the
// first field are skipped; fields are numbered from 1. So 'a , b' has the
// fields 'a', an empty field at the comma, and 'b'; blanks or a comma at the
// end of a line make no further field; a line of blanks has no field 1.
//
// Positions are 16-bit. Every walk here gives up at position TEXT_MAX_LEN
// with 0: a field search that reaches it has not found its field, and two
// texts that still agree there are not reported as equal or as prefixes.
#pragma once

#include <cstdint>

#include "text/text_limits.h"

// a and b hold the same bytes and end at the same position.
uint8_t StrEqual(const char *a, const char *b);

// a and b agree up to the end of the shorter one.
uint8_t StrAgreeToShorter(const char *a, const char *b);

// text begins with every byte of prefix; 1 for the empty prefix.
uint8_t StrStartsWith(const char *text, const char *prefix);

// Start position of field n. Field 0 is never found.
uint8_t FindField(const char *line, uint16_t n, uint16_t *start);

// Length of the field that starts at start; 0 when the field reaches
// position TEXT_MAX_LEN. A start past the terminator is taken as the line's
// end, which holds an empty field.
uint8_t GetFieldLength(const char *line, uint16_t start, uint16_t *length);

// FindField and GetFieldLength together.
uint8_t GetField(const char *line, uint16_t n, uint16_t *start, uint16_t *length);

// Field n exists and its bytes equal the first bytes of text: the field may
// be a leading part of text, and an empty field matches every text.
uint8_t MatchField(const char *line, const char *text, uint16_t n);
