// Character tests over every byte value; case conversion of whole texts,
// hostile first bytes and the 16-bit bound.
#include "text/char_class.h"

#include "tests/text/text_buffer.h"

// Each test passes exactly the bytes of its one or two ranges.
TEST(OneByteTests, EveryByteValue) {
  const struct { const char *name; uint8_t (*test)(uint8_t); int lo, hi, lo2, hi2; } rows[] = {
      {"IsDbcsLead", IsDbcsLead, 0x80, 0xFF, -1, -1}, {"IsSevenBit", IsSevenBit, 0x00, 0x7F, -1, -1},
      {"IsAsciiLetter", IsAsciiLetter, 'A', 'Z', 'a', 'z'}, {"IsAsciiDigit", IsAsciiDigit, '0', '9', -1, -1},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(row.name);
    for (int b = 0; b < 256; ++b)
      EXPECT_EQ((row.lo <= b && b <= row.hi) || (row.lo2 <= b && b <= row.hi2) ? 1 : 0,
                row.test(static_cast<uint8_t>(b))) << "byte " << b;
  }
}

TEST(IsEmptyStrAndIsAllLetters, Texts) {
  const struct { std::string text; uint8_t empty, allLetters; } rows[] = {
      {"", 1, 1}, {"abcXYZ", 0, 1}, {" ", 0, 0}, {"abc1", 0, 0}, {"ab" + D, 0, 0},
      {std::string(65535, 'a'), 0, 1},  // the longest text the walk handles
      {std::string(65536, 'a'), 0, 0},  // past it: not vouched for
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(Shown(row.text));
    EXPECT_EQ(row.empty, IsEmptyStr(MakeText(row.text).data()));
    EXPECT_EQ(row.allLetters, IsAllLetters(MakeText(row.text).data()));
  }
}

// 'a' and 'B's: converted at 65535 bytes; one byte more and the text is left
// as it is, not half converted.
const std::string kFits = Padded("a", 65535, 'B'), kTooLong = Padded("a", 65536, 'B');

// The rows hold the bytes on both sides of each letter range.
TEST(StrUpperAscii, Texts) {
  ExpectInPlace(StrUpperAscii, {{"", ""}, {"`az{AZ", "`AZ{AZ"}, {"\xA4" "a", "\xA4" "A"},  // a trail byte too
                                {kFits, Padded("A", 65535, 'B')}, {kTooLong, kTooLong}});
}

TEST(StrLowerAscii, Texts) {
  ExpectInPlace(StrLowerAscii, {{"", ""}, {"@AZ[az", "@az[az"}, {"\xA4" "A", "\xA4" "a"},
                                {kFits, Padded("a", 65535, 'b')}, {kTooLong, kTooLong}});
}

TEST(StrCapitalise, Texts) {
  ExpectInPlace(StrCapitalise, {
      {"hELLO wORLD", "Hello world"}, {"", ""},
      {" abc", ""}, {"\xA0" "ABC", ""},  // the first byte becomes the terminator
      {"1ABC", "\x11" "abc"},            // a digit becomes a control byte
      {"\xC1\x41" "B", "Aab"},           // the lead byte loses its high bit: its trail is lowered
      {kFits, Padded("A", 65535, 'b')}, {kTooLong, kTooLong},
  });
}
