// Character tests over every byte value, and case conversion of whole
// texts up to and past the 16-bit bound.
#include "text/char_class.h"

#include "tests/text/text_buffer.h"

namespace {

struct ByteRange {
  int first, last;
};

uint8_t IsDbcsLeadThroughPointer(uint8_t b) {
  const char c = static_cast<char>(b);
  return IsDbcsLeadAt(&c);
}

TEST(OneByteTests, EveryByteValue) {
  const struct {
    const char *name;
    uint8_t (*test)(uint8_t);
    std::vector<ByteRange> passing;
    int count;
  } rows[] = {
      {"IsDbcsLeadAt", IsDbcsLeadThroughPointer, {{0x80, 0xFF}}, 128},
      {"IsDbcsLead", IsDbcsLead, {{0x80, 0xFF}}, 128},
      {"IsSevenBit", IsSevenBit, {{0x00, 0x7F}}, 128},
      {"IsAsciiLetter", IsAsciiLetter, {{'A', 'Z'}, {'a', 'z'}}, 52},
      {"IsAsciiDigit", IsAsciiDigit, {{'0', '9'}}, 10},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(row.name);
    int passed = 0;
    for (int b = 0; b < 256; ++b) {
      bool expected = false;
      for (const ByteRange &r : row.passing) expected = expected || (r.first <= b && b <= r.last);
      const uint8_t result = row.test(static_cast<uint8_t>(b));
      EXPECT_EQ(expected ? 1 : 0, result) << "byte " << b;
      passed += result;
    }
    EXPECT_EQ(row.count, passed);
  }
}

TEST(OneByteConversions, EveryByteValue) {
  for (int b = 0; b < 256; ++b) {
    SCOPED_TRACE(b);
    const bool small = 'a' <= b && b <= 'z', capital = 'A' <= b && b <= 'Z';
    EXPECT_EQ(small ? b - 0x20 : b, ToUpperAscii(static_cast<uint8_t>(b)));
    EXPECT_EQ(capital ? b + 0x20 : b, ToLowerAscii(static_cast<uint8_t>(b)));
  }
}

int WithHighBits(int low) { return 0x100 | low; }

TEST(OneByteTests, WiderIntegerCountsByItsLowByte) {
  const int wide = WithHighBits('a');
  EXPECT_EQ(1, IsAsciiLetter(wide));
  EXPECT_EQ('A', ToUpperAscii(wide));
  EXPECT_EQ(0, IsDbcsLead(wide));
}

TEST(IsEmptyStr, FirstByteOnly) {
  const struct { std::string text; uint8_t expected; } rows[] = {
      {"", 1}, {" ", 0}, {"\xA4\x40", 0}, {std::string("\0x", 2), 1},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(Shown(row.text));
    EXPECT_EQ(row.expected, IsEmptyStr(MakeText(row.text).data()));
  }
}

TEST(IsAllLetters, Texts) {
  const struct { std::string text; uint8_t expected; } rows[] = {
      {"", 1}, {"abcXYZ", 1}, {"ab c", 0}, {"abc1", 0}, {"ab\xA4\x40", 0},
      {"\xA4" "a", 0}, {"@", 0}, {"`", 0},
      {std::string(65535, 'a'), 1},  // the longest text the walk handles
      {std::string(65536, 'a'), 0},  // past it: not vouched for
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(Shown(row.text));
    EXPECT_EQ(row.expected, IsAllLetters(MakeText(row.text).data()));
  }
}

TEST(StrUpperAscii, Texts) {
  ExpectInPlace(StrUpperAscii, {
      {"abc-xyz", "ABC-XYZ"}, {"", ""}, {"`az{", "`AZ{"},
      {"\xA4" "a", "\xA4" "A"},  // trail byte converted, lead byte untouched
      {"\xE1\xFA", "\xE1\xFA"},
  });
}

TEST(StrLowerAscii, Texts) {
  ExpectInPlace(StrLowerAscii, {
      {"ABC[]", "abc[]"}, {"", ""}, {"@AZ[", "@az["},
      {"\xA4" "A", "\xA4" "a"}, {"\xC1\xDA", "\xC1\xDA"},
  });
}

TEST(StrCapitalise, Texts) {
  ExpectInPlace(StrCapitalise, {
      {"hELLO wORLD", "Hello world"}, {"Hello", "Hello"}, {"", ""},
      {" abc", ""}, {"\x80" "abc", ""}, {"\xA0" "abc", ""},  // first byte becomes the terminator
      {"1ABC", "\x11" "abc"}, {"9", "\x19"},                   // digits become control bytes
      {"\x60" "A", "\x40" "a"}, {"{A", "[a"}, {"\x7F" "A", "\x5F" "a"},
      {"\tABC", "\tabc"}, {"@ABC", "@abc"},
      {"\xC1\x41" "B", "Aab"},  // the lead byte loses its high bit: its trail is lowered
  });
}

TEST(InPlaceCaseConversions, SixteenBitBound) {
  const struct {
    const char *name;
    void (*op)(char *);
    char first, rest;  // results for a text 'a' followed by 'B's
  } rows[] = {
      {"StrUpperAscii", StrUpperAscii, 'A', 'B'},
      {"StrLowerAscii", StrLowerAscii, 'a', 'b'},
      {"StrCapitalise", StrCapitalise, 'A', 'b'},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(row.name);
    const std::string fits = Padded("a", 65535, 'B'), tooLong = Padded("a", 65536, 'B');
    ExpectInPlace(row.op, {
        {fits, Padded(std::string(1, row.first), 65535, row.rest)},
        {tooLong, tooLong},  // left as it is, not half converted
    });
  }
}

}  // namespace
