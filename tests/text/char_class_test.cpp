// Character tests and conversions over every byte value; case conversion of
// whole texts, hostile first bytes and the 16-bit bound.
#include "text/char_class.h"

#include "tests/text/text_buffer.h"

// Each test passes exactly the bytes of its ranges; each conversion moves
// exactly the 26 letters of one case.
TEST(OneByteTests, EveryByteValue) {
  for (int b = 0; b < 256; ++b) {
    SCOPED_TRACE(b);
    const bool upper = b >= 'A' && b <= 'Z', lower = b >= 'a' && b <= 'z';
    EXPECT_EQ(b >= 0x80, IsDbcsLead(b));
    EXPECT_EQ(b <= 0x7F, IsSevenBit(b));
    EXPECT_EQ(upper || lower, IsAsciiLetter(b));
    EXPECT_EQ(b >= '0' && b <= '9', IsAsciiDigit(b));
    EXPECT_EQ(lower ? b - 32 : b, ToUpperAscii(b));
    EXPECT_EQ(upper ? b + 32 : b, ToLowerAscii(b));
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
TEST(WholeTextConversions, Texts) {
  const std::string fits = Padded("a", 65535, 'B'), tooLong = Padded("a", 65536, 'B');
  ExpectInPlace(StrUpperAscii, {{"", ""}, {"`az{AZ", "`AZ{AZ"}, {"\xA4" "a", "\xA4" "A"},  // a trail byte too
                                {fits, Padded("A", 65535, 'B')}, {tooLong, tooLong}});
  ExpectInPlace(StrLowerAscii, {{"", ""}, {"@AZ[az", "@az[az"}, {"\xA4" "A", "\xA4" "a"},
                                {fits, Padded("a", 65535, 'b')}, {tooLong, tooLong}});
  ExpectInPlace(StrCapitalise, {
      {"hELLO wORLD", "Hello world"}, {"", ""},
      {" abc", ""}, {"\xA0" "ABC", ""},  // the first byte becomes the terminator
      {"1ABC", "\x11" "abc"},            // a digit becomes a control byte
      {"\xC1\x41" "B", "Aab"},           // the lead byte loses its high bit: its trail is lowered
      {fits, Padded("A", 65535, 'b')}, {tooLong, tooLong},
  });
}
