// Line trimming, normalisation, dangling lead bytes and the look-back tests,
// with line ends that are not blanks, positions past the end and the bounds.
#include "text/line.h"

#include "tests/text/text_buffer.h"

TEST(TrimBlanks, Texts) {
  ExpectInPlace(TrimBlanks, {
      {"\t a b \t", "a b"}, {"   ", ""}, {"", ""}, {" \r x \n ", "\r x \n"},  // line ends stay
      {Padded(" ", 65535, 'x', " "), std::string(65533, 'x')},
      {Padded(" ", 65536, 'x', " "), Padded(" ", 65536, 'x', " ")},  // too long: left
  });
}

TEST(NormaliseLine, Texts) {
  ExpectInPlace(NormaliseLine, {
      {"  copy   File\t= a.txt  ", "COPY FILE = A.TXT"}, {"a \t b\ncd", "A B"},
      {"ab  \n", "AB "}, {"ab\r\n", "AB\r"}, {"  \n", ""}, {"", ""},
      {"\xA4" "a", "\xA4" "A"},  // trail bytes are upper-cased too
      {Padded(" a", 65535, 'b', " "), "A" + std::string(65532, 'B')},
      {Padded(" a", 65536, 'b', " "), Padded(" a", 65536, 'b', " ")},
  });
}

TEST(DropDanglingLead, Texts) {
  ExpectInPlace(DropDanglingLead, {
      {"ab\xA4", "ab"}, {"ab" + D, "ab" + D}, {"", ""},
      {"\xA4\xA4\xA4", "\xA4\xA4"},  // the second byte is the first one's trail
      {Padded("", 255, 'a', "\xA4"), std::string(254, 'a')},
      {Padded("", 256, 'a', "\xA4"), Padded("", 256, 'a', "\xA4")},  // past the 8-bit walk: left
  });
}

TEST(KindBeforePosAndWord, Texts) {
  const struct { std::string text; uint16_t pos; uint8_t beforePos, beforeWord; } rows[] = {
      {"Hello. world", 12, BEFORE_TEXT, BEFORE_BREAK}, {"Hello. world", 7, BEFORE_BREAK, BEFORE_BREAK},
      {"Hello world", 11, BEFORE_TEXT, BEFORE_TEXT}, {"one\ntwo", 7, BEFORE_TEXT, BEFORE_BREAK},
      {"x\r\t", 3, BEFORE_BREAK, BEFORE_BREAK}, {"  world", 7, BEFORE_TEXT, BEFORE_NOTHING},
      {"  world", 2, BEFORE_NOTHING, BEFORE_NOTHING}, {"world", 3, BEFORE_TEXT, BEFORE_NOTHING},
      {"a1b", 3, BEFORE_TEXT, BEFORE_TEXT}, {"abc", 0, BEFORE_NOTHING, BEFORE_NOTHING},
      {"x" + D + "ab", 5, BEFORE_TEXT, BEFORE_TEXT},
      {"go.", 60, BEFORE_BREAK, BEFORE_BREAK}, {"go", 60, BEFORE_TEXT, BEFORE_NOTHING},  // past the end
      {Padded("", 70000, 'x'), 65535, BEFORE_TEXT, BEFORE_NOTHING},  // any length after pos
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(Shown(row.text) + " at " + std::to_string(row.pos));
    EXPECT_EQ(row.beforePos, KindBeforePos(MakeText(row.text).data(), row.pos));
    EXPECT_EQ(row.beforeWord, KindBeforeWord(MakeText(row.text).data(), row.pos));
  }
}
