// Line trimming, normalisation, dangling lead bytes and the look-back tests.
#include "text/line.h"

#include "tests/text/text_buffer.h"

namespace {

TEST(TrimBlanks, Texts) {
  ExpectInPlace(TrimBlanks, {
      {"  ab  ", "ab"}, {"\t a b \t", "a b"}, {"  abc", "abc"}, {"ab  ", "ab"},
      {"abc", "abc"}, {"   ", ""}, {"", ""}, {"\t", ""},
      {"ab \n", "ab \n"}, {" \r x \r ", "\r x \r"},  // line ends are not blanks
      {Padded(" ", 65535, 'x', " "), std::string(65533, 'x')},
      {Padded(" ", 65536, 'x', " "), Padded(" ", 65536, 'x', " ")},  // too long: left
  });
}

TEST(NormaliseLine, Texts) {
  ExpectInPlace(NormaliseLine, {
      {"  copy   File\t= a.txt  ", "COPY FILE = A.TXT"},
      {"a  b\ncd", "A B"}, {"ab  \n", "AB "}, {"ab\r\n", "AB\r"},
      {"\n", ""}, {"  \n", ""}, {"   ", ""}, {"", ""},
      {"a\t \tb", "A B"}, {"\n ab", ""},
      {"\xA4" "a  x", "\xA4" "A X"},  // trail bytes are upper-cased too
      {Padded(" a", 65535, 'b', " "), "A" + std::string(65532, 'B')},
      {Padded(" a", 65536, 'b', " "), Padded(" a", 65536, 'b', " ")},
  });
}

TEST(DropDanglingLead, Texts) {
  ExpectInPlace(DropDanglingLead, {
      {"ab\xA4", "ab"}, {"ab\xA4\x40", "ab\xA4\x40"}, {"\xA4\x40\xA4", "\xA4\x40"},
      {"\xA4\xA4\xA4", "\xA4\xA4"},  // the second byte is the first one's trail
      {"\xA4", ""}, {"", ""}, {"\xA4\xA4", "\xA4\xA4"},
      {Padded("", 255, 'a', "\xA4"), std::string(254, 'a')},
      {Padded("", 256, 'a', "\xA4"), Padded("", 256, 'a', "\xA4")},  // past the 8-bit walk: left
  });
}

struct LookBackCase {
  std::string text;
  uint16_t pos;
  uint8_t expected;
};

void ExpectLookBack(uint8_t (*test)(const char *, uint16_t), const std::vector<LookBackCase> &rows) {
  for (const LookBackCase &row : rows) {
    SCOPED_TRACE(Shown(row.text) + " at " + std::to_string(row.pos));
    EXPECT_EQ(row.expected, test(MakeText(row.text).data(), row.pos));
  }
}

TEST(KindBeforePos, Texts) {
  ExpectLookBack(KindBeforePos, {
      {"Hello. world", 7, BEFORE_BREAK}, {"Hello world", 6, BEFORE_TEXT},
      {"  world", 2, BEFORE_NOTHING}, {"x\n  y", 4, BEFORE_BREAK},
      {"abc", 0, BEFORE_NOTHING}, {"", 0, BEFORE_NOTHING}, {"ab", 1, BEFORE_TEXT},
      {"x\r\t", 3, BEFORE_BREAK}, {"\xA4\x40 ", 3, BEFORE_TEXT},
      {"ab", 2, BEFORE_TEXT},
      {"ab.", 40, BEFORE_BREAK}, {" ", 9, BEFORE_NOTHING},  // past the end: from the end
      {Padded("", 70000, 'x'), 65535, BEFORE_TEXT},            // any length before pos
  });
}

TEST(KindBeforeWord, Texts) {
  ExpectLookBack(KindBeforeWord, {
      {"Hello. world", 12, BEFORE_BREAK}, {"Hello. wor", 10, BEFORE_BREAK},
      {"Hello world", 11, BEFORE_TEXT}, {"world", 5, BEFORE_NOTHING},
      {"  world", 7, BEFORE_NOTHING}, {"one\ntwo", 7, BEFORE_BREAK},
      {"a1b", 3, BEFORE_TEXT}, {"abc", 0, BEFORE_NOTHING},
      {"ab. ", 4, BEFORE_BREAK},  // no letter before pos: the run is empty
      {"world", 3, BEFORE_NOTHING}, {"x\xA4\x40" "ab", 5, BEFORE_TEXT},
      {"go.", 60, BEFORE_BREAK}, {"go", 60, BEFORE_NOTHING},
  });
}

}  // namespace
