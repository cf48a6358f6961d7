// Double-byte boundaries, text units, lengths, copies and decimal text: cuts
// at a double-byte boundary, lead bytes at the end, buffers with no
// terminator, and the 16-bit bounds.
#include "text/dbcs.h"

#include "tests/text/text_buffer.h"

// The first count bytes of text in a buffer of exactly that size: the
// operations that do not stop at a terminator must read no further.
static std::vector<char> FirstBytes(const std::string &text, size_t count) {
  return std::vector<char>(text.begin(), text.begin() + count);
}

TEST(SafeCutLength, Texts) {
  const struct { std::string text; uint16_t n, expected; } rows[] = {
      {"", 0, 0}, {"", 1, 0}, {"abcdef", 6, 5}, {"ab" + D, 4, 2}, {"a" + D + "b", 4, 3}, {D + D, 4, 2},
      {D + D, 5, 4}, {"a" + D + D, 5, 3}, {D + "x", 3, 2}, {"a" + D, 3, 1},
      {"\xA4", 2, 0},                      // a lead byte needs the terminator's place
      {std::string("a\0", 2) + D, 5, 4},  // a zero byte is a one-byte character
      {Padded("", 65534, 'a', "\xA4"), 65535, 65533}, {Padded("", 65534, 'a'), 65535, 65534},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(Shown(row.text) + " n " + std::to_string(row.n));
    EXPECT_EQ(row.expected, SafeCutLength(FirstBytes(row.text, row.n > 1 ? row.n - 1 : 0).data(), row.n));
  }
}

TEST(LastUnitStartEx, Texts) {
  const uint8_t untouched = 0x77;
  const struct { std::string text; uint16_t n, start; uint8_t cls; } rows[] = {
      {"ab cd", 5, 3, UNIT_LETTERS}, {"abc", 3, 0, UNIT_LETTERS}, {"ab12", 4, 3, UNIT_OTHER},
      {"ab" + D + D, 6, 4, UNIT_DOUBLE_BYTE}, {"abc\xA4", 4, 3, UNIT_DOUBLE_BYTE},  // its trail is not read
      {"abc", 1, 0, untouched}, {"", 0, 0, untouched},
      {std::string("ab\0cd", 5), 5, 3, UNIT_LETTERS},  // a zero byte is an other byte
      {"\xA4" "abc", 4, 2, UNIT_LETTERS},               // the trail 'a' is not a letter here
      {Padded("", 65535, 'a', "\xA4"), 65535, 65534, UNIT_DOUBLE_BYTE},  // steps to 65536
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(Shown(row.text) + " n " + std::to_string(row.n));
    const std::vector<char> bytes = FirstBytes(row.text, row.n);
    uint8_t cls = untouched;
    EXPECT_EQ(row.start, LastUnitStartEx(bytes.data(), row.n, &cls));
    EXPECT_EQ(row.cls, cls);
    EXPECT_EQ(row.start, LastUnitStart(bytes.data(), row.n));
  }
}

TEST(WideStrLen, Texts) {
  const std::string z(2, '\0'), units = Padded("", 2 * 32767, 'a');  // 32767 units, none of them zero
  const struct { std::string bytes; uint16_t expected; } rows[] = {
      {std::string("a\0b\0", 4) + z, 2}, {std::string("\0a", 2) + z, 1}, {z, 0},
      {std::string("a\0\0b", 4) + z, 2},  // zero bytes across two units do not end it
      {units.substr(2) + z, 32766}, {units + z, 32767}, {units, 32767},  // nothing past the bound is read
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(Shown(row.bytes));
    EXPECT_EQ(row.expected, WideStrLen(FirstBytes(row.bytes, row.bytes.size()).data()));
  }
}

// 'a': StrAppend of source onto dest; 'c': StrCopy of source over dest. The
// buffer holds exactly dest, its terminator and room for the source. Each
// dest's StrLen16 is taken on the way.
TEST(StrAppendStrCopyAndStrLen16, Texts) {
  const std::string full(65535, 'a'), over(65536, 'a');
  const struct { char op; std::string dest, source, expected; } rows[] = {
      {'a', "abc", "def", "abcdef"}, {'a', "abc", "", "abc"}, {'a', "", D, D}, {'c', "x" + D, "hi", "hi"},
      {'c', "x", "", ""}, {'a', "", std::string(65540, 'b'), std::string(65535, 'b')},  // cut at 65535
      {'a', full, "x", full}, {'a', over, "x", over},  // no room left: unchanged
      {'c', "", full, full}, {'c', "", over, full},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(std::string(1, row.op) + " " + Shown(row.dest) + " " + Shown(row.source));
    const std::string buffer = row.dest + '\0' + std::string(row.source.size(), '#');
    std::vector<char> dest(buffer.begin(), buffer.end());
    EXPECT_EQ(row.dest.size() < 65535 ? row.dest.size() : 65535, StrLen16(dest.data()));
    (row.op == 'a' ? StrAppend : StrCopy)(dest.data(), MakeText(row.source).data());
    EXPECT_TRUE(row.expected == dest.data()) << Shown(dest.data());
  }
}

// Into seven bytes '#': nothing written at or past size.
TEST(StrCopyMax, Texts) {
  const struct { std::string source; uint16_t size; uint8_t result; std::string dest; } rows[] = {
      {"hello", 0, 0, "#######"}, {"", 4, 0, "#######"}, {"hello", 1, 1, std::string("\0######", 7)},
      {"hello", 5, 1, std::string("hell\0##", 7)}, {"hello", 6, 1, std::string("hello\0#", 7)},
      {"hi", 4, 1, std::string("hi\0####", 7)},
      {"a" + D, 3, 1, std::string("a\xA4\0####", 7)},  // byte-wise: splits the character
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(Shown(row.source) + " size " + std::to_string(row.size));
    std::vector<char> dest(7, '#');
    EXPECT_EQ(row.result, StrCopyMax(MakeText(row.source).data(), dest.data(), row.size));
    EXPECT_EQ(Shown(row.dest), Shown(std::string(dest.begin(), dest.end())));
  }
}

TEST(UIntToDecimal, Values) {
  const struct { uint32_t value; const char *expected; } rows[] = {
      {0, "0"}, {7, "7"}, {305, "305"}, {1000001, "1000001"}, {1000000000, "1000000000"},
      {4294967295u, "4294967295"},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(row.value);
    std::vector<char> out(UINT_DECIMAL_SIZE, '#');
    EXPECT_EQ(1, UIntToDecimal(row.value, out.data()));
    EXPECT_STREQ(row.expected, out.data());
  }
  EXPECT_EQ(0, UIntToDecimal(42, nullptr));
}
