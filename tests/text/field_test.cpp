// Comparisons and field access, including where the 16-bit walks give up.
#include "text/field.h"

#include "tests/text/text_buffer.h"

namespace {

struct PairCase {
  std::string a, b;
  uint8_t expected;
};

void ExpectPairs(uint8_t (*compare)(const char *, const char *), const std::vector<PairCase> &rows) {
  for (const PairCase &row : rows) {
    SCOPED_TRACE(Shown(row.a) + " with " + Shown(row.b));
    EXPECT_EQ(row.expected, compare(MakeText(row.a).data(), MakeText(row.b).data()));
  }
}

const std::string kMax = std::string(65535, 'q'), kPastMax = std::string(65536, 'q');

TEST(StrEqual, Texts) {
  ExpectPairs(StrEqual, {
      {"abc", "abc", 1}, {"abc", "abd", 0}, {"abc", "ab", 0}, {"ab", "abc", 0},
      {"", "", 1}, {"A", "a", 0}, {"\xA4\x40", "\xA4\x41", 0},
      {kMax, kMax, 1}, {kMax, kPastMax, 0},
      {kPastMax, kPastMax, 0},  // still agreeing at the bound: not vouched for
  });
}

TEST(StrAgreeToShorter, Texts) {
  ExpectPairs(StrAgreeToShorter, {
      {"abc", "ab", 1}, {"ab", "abc", 1}, {"", "xyz", 1}, {"xyz", "", 1},
      {"abc", "abd", 0}, {"abc", "abc", 1}, {"b", "abc", 0},
      {kMax, kPastMax, 1}, {kPastMax, kPastMax + "r", 0},
  });
}

TEST(StrStartsWith, Texts) {
  ExpectPairs(StrStartsWith, {
      {"abc", "ab", 1}, {"ab", "abc", 0}, {"abc", "", 1}, {"", "", 1},
      {"", "a", 0}, {"abc", "abc", 1}, {"abc", "b", 0}, {"Abc", "a", 0},
      {kPastMax, kMax, 1}, {kPastMax + "r", kPastMax, 0},
  });
}

// found 0: no field n. A found field is checked through FindField, GetField
// and GetFieldLength at its start.
struct FieldCase {
  std::string line;
  uint16_t n;
  uint8_t found;
  uint16_t start, length;
};

TEST(GetField, Lines) {
  const std::string farField = Padded("", 65535, 'x', " y");  // 'y' at 65534
  const FieldCase rows[] = {
      {"  copy a.txt,b.txt", 1, 1, 2, 4}, {"  copy a.txt,b.txt", 2, 1, 7, 5},
      {"  copy a.txt,b.txt", 3, 1, 13, 5}, {"  copy a.txt,b.txt", 4, 0, 0, 0},
      {"a , b", 1, 1, 0, 1}, {"a , b", 2, 1, 2, 0}, {"a , b", 3, 1, 4, 1}, {"a , b", 4, 0, 0, 0},
      {"a,,b", 1, 1, 0, 1}, {"a,,b", 2, 1, 2, 0}, {"a,,b", 3, 1, 3, 1},
      {"a  b", 1, 1, 0, 1}, {"a  b", 2, 1, 3, 1}, {"a  b", 3, 0, 0, 0},
      {"a ", 1, 1, 0, 1}, {"a ", 2, 0, 0, 0}, {"a,", 1, 1, 0, 1}, {"a,", 2, 0, 0, 0},
      {",a", 1, 1, 0, 0}, {",a", 2, 1, 1, 1},
      {"   ", 1, 0, 0, 0}, {"", 1, 0, 0, 0},
      {"a b", 0, 0, 0, 0}, {",", 0, 0, 0, 0}, {"", 0, 0, 0, 0},
      {"\ta\t,\t b", 2, 1, 3, 0}, {"a,\t b", 2, 1, 4, 1}, {"\xA4\x40 x", 1, 1, 0, 2},
      // The 16-bit bound: the longest field is 65534 bytes; nothing at 65535.
      {std::string(65534, 'x'), 1, 1, 0, 65534},
      {std::string(65535, 'x'), 1, 0, 0, 0},
      {farField, 2, 0, 0, 0},  // found at 65534, but its length reaches 65535
      {Padded("", 65536, 'x', " y"), 2, 0, 0, 0},
      {Padded("", 65534, ' ', "y"), 1, 1, 65533, 1},
      {Padded("", 65535, ' ', "y"), 1, 0, 0, 0},  // found at 65534, length reaches 65535
      {Padded("", 65536, ' ', "y"), 1, 0, 0, 0},  // the pass over blanks gives up too
      {Padded("", 65535, ',', "y"), 65534, 1, 65533, 0},
      {Padded("", 65536, ',', "y"), 65535, 1, 65534, 0},
  };
  for (const FieldCase &row : rows) {
    SCOPED_TRACE(Shown(row.line) + " field " + std::to_string(row.n));
    const std::vector<char> line = MakeText(row.line);
    uint16_t start = 0xBEEF, length = 0xBEEF;
    ASSERT_EQ(row.found, GetField(line.data(), row.n, &start, &length));
    if (!row.found) continue;
    EXPECT_EQ(row.start, start);
    EXPECT_EQ(row.length, length);
    start = 0xBEEF;
    EXPECT_EQ(1, FindField(line.data(), row.n, &start));
    EXPECT_EQ(row.start, start);
  }
  // Fields that start at 65534 but end past the bound.
  for (const FieldCase &row : {FieldCase{farField, 2, 1, 65534, 0},
                               FieldCase{Padded("", 65535, ' ', "y"), 1, 1, 65534, 0}}) {
    SCOPED_TRACE(Shown(row.line));
    uint16_t start = 0;
    EXPECT_EQ(1, FindField(MakeText(row.line).data(), row.n, &start));
    EXPECT_EQ(row.start, start);
  }
}

TEST(GetFieldLength, StartPositions) {
  const struct {
    std::string line;
    uint16_t start;
    uint8_t found;
    uint16_t length;
  } rows[] = {
      {"ab cd", 0, 1, 2}, {"ab cd", 1, 1, 1}, {"ab cd", 2, 1, 0}, {"ab cd", 3, 1, 2},
      {"ab cd", 5, 1, 0}, {"ab cd", 300, 1, 0},  // past the end: the empty field there
      {"a,b", 1, 1, 0}, {"a\tb", 1, 1, 0},
      {std::string(65535, 'x'), 65534, 0, 0}, {std::string(65535, 'x'), 65535, 1, 0},
      {Padded("", 65534, 'x', " "), 65532, 1, 1}, {std::string(65536, 'x'), 65535, 0, 0},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(Shown(row.line) + " at " + std::to_string(row.start));
    uint16_t length = 0xBEEF;
    ASSERT_EQ(row.found, GetFieldLength(MakeText(row.line).data(), row.start, &length));
    if (row.found) {
      EXPECT_EQ(row.length, length);
    }
  }
}

TEST(MatchField, Lines) {
  const struct {
    std::string line, text;
    uint16_t n;
    uint8_t expected;
  } rows[] = {
      {"COPY a b", "COPY", 1, 1}, {"COPY a b", "COPYX", 1, 1}, {"COPY a b", "COP", 1, 0},
      {"COPY a b", "copy", 1, 0}, {"COPY a b", "b", 3, 1}, {"COPY a b", "b", 4, 0},
      {"a , b", "anything", 2, 1}, {"a , b", "", 2, 1}, {"x", "x", 2, 0}, {"x", "x", 0, 0},
      {"", "", 1, 0},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(Shown(row.line) + " field " + std::to_string(row.n) + " with " + Shown(row.text));
    EXPECT_EQ(row.expected, MatchField(MakeText(row.line).data(), MakeText(row.text).data(), row.n));
  }
}

}  // namespace
