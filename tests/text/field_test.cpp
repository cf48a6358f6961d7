// Comparisons and field access, including where the 16-bit walks give up
// and where a 16-bit position would wrap round to the line's start.
#include "text/field.h"

#include "tests/text/text_buffer.h"

const int NONE = -1;  // not found, or no length
const std::string kMax(65535, 'q'), kPastMax(65536, 'q');

TEST(Comparisons, Texts) {
  const struct { std::string a, b; uint8_t equal, agree, startsWith; } rows[] = {
      {"abc", "abc", 1, 1, 1}, {"abc", "abd", 0, 0, 0}, {"abc", "ab", 0, 1, 1}, {"ab", "abc", 0, 1, 0},
      {"", "", 1, 1, 1}, {"", "a", 0, 1, 0}, {"A", "a", 0, 0, 0}, {"a" + D, "a\xA4\x41", 0, 0, 0},
      {kMax, kMax, 1, 1, 1}, {kMax, kPastMax, 0, 1, 0}, {kPastMax, kMax, 0, 1, 1},
      {kPastMax, kPastMax, 0, 0, 0},  // still agreeing at the bound: not vouched for
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(Shown(row.a) + " with " + Shown(row.b));
    const std::vector<char> a = MakeText(row.a), b = MakeText(row.b);
    EXPECT_EQ(row.equal, StrEqual(a.data(), b.data()));
    EXPECT_EQ(row.agree, StrAgreeToShorter(a.data(), b.data()));
    EXPECT_EQ(row.startsWith, StrStartsWith(a.data(), b.data()));
  }
}

// start is FindField's answer, length GetField's.
TEST(FindFieldAndGetField, Lines) {
  const struct { std::string line; uint16_t n; int start, length; } rows[] = {
      {"  copy a.txt,b.txt", 1, 2, 4}, {"  copy a.txt,b.txt", 2, 7, 5}, {"  copy a.txt,b.txt", 3, 13, 5},
      {"  copy a.txt,b.txt", 4, NONE, NONE}, {"a , b", 2, 2, 0}, {"a , b", 3, 4, 1}, {"a,,b", 3, 3, 1},
      {"a \t b", 2, 4, 1}, {"a  b", 3, NONE, NONE}, {"a,", 2, NONE, NONE}, {",a", 1, 0, 0},
      {" \t ", 1, NONE, NONE}, {"", 1, NONE, NONE}, {"a b", 0, NONE, NONE},
      // The 16-bit bound: the longest field is 65534 bytes; nothing reaches 65535.
      {std::string(65534, 'x'), 1, 0, 65534}, {std::string(65535, 'x'), 1, 0, NONE},
      {Padded("", 65535, 'x', " y"), 2, 65534, NONE}, {Padded("", 65535, ' ', "y"), 1, 65534, NONE},
      {Padded("", 65536, ' ', "y"), 1, NONE, NONE}, {Padded("", 65536, 'x', " y"), 2, NONE, NONE},
      {Padded("", 65537, 'x', " y"), 2, NONE, NONE},  // a wrapped walk would find it at 0
      {Padded("", 65536, ',', "y"), 65535, 65534, 0},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(Shown(row.line) + " field " + std::to_string(row.n));
    const std::vector<char> line = MakeText(row.line);
    uint16_t start = 0xBEEF, fieldStart = 0xBEEF, length = 0xBEEF;
    const uint8_t found = FindField(line.data(), row.n, &start);
    const uint8_t whole = GetField(line.data(), row.n, &fieldStart, &length);
    EXPECT_EQ(row.start != NONE ? 1 : 0, found);
    EXPECT_EQ(row.start, found ? start : NONE);
    EXPECT_EQ(row.length != NONE ? 1 : 0, whole);
    EXPECT_EQ(row.length, whole ? length : NONE);
    EXPECT_EQ(whole ? row.start : NONE, whole ? fieldStart : NONE);
  }
}

TEST(GetFieldLength, StartPositions) {
  const struct { std::string line; uint16_t start; int length; } rows[] = {
      {"ab,cd", 1, 1}, {"ab cd", 300, 0},  // past the end: the empty field there
      {std::string(65535, 'x'), 65534, NONE}, {std::string(65535, 'x'), 65535, 0},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(Shown(row.line) + " at " + std::to_string(row.start));
    uint16_t length = 0xBEEF;
    const uint8_t found = GetFieldLength(MakeText(row.line).data(), row.start, &length);
    EXPECT_EQ(row.length != NONE ? 1 : 0, found);
    EXPECT_EQ(row.length, found ? length : NONE);
  }
}

TEST(MatchField, Lines) {
  const struct { std::string line, text; uint16_t n; uint8_t expected; } rows[] = {
      {"COPY a b", "COPY", 1, 1}, {"COPY a b", "COPYX", 1, 1}, {"COPY a b", "COP", 1, 0}, {"a b", "b", 2, 1},
      {"COPY a b", "COPy", 1, 0}, {"a , b", "", 2, 1}, {"x", "x", 2, 0}, {"x", "x", 0, 0},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(Shown(row.line) + " field " + std::to_string(row.n) + " with " + Shown(row.text));
    EXPECT_EQ(row.expected, MatchField(MakeText(row.line).data(), MakeText(row.text).data(), row.n));
  }
}
