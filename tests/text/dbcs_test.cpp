// Double-byte boundaries, text units, lengths, copies and decimal text: cuts
// at a double-byte boundary, lead bytes at the end, buffers with no
// terminator, and the 16-bit bounds.
#include "text/dbcs.h"

#include "tests/text/text_buffer.h"

// Each text's bytes, n of them: the unit search may look at all of them,
// SafeCutLength at the first n - 1 (byte n - 1 is the terminator's place).
TEST(SafeCutLengthAndLastUnitStart, Texts) {
  const uint8_t untouched = 0x77;
  const struct { std::string text; uint16_t cut, start; uint8_t cls; } rows[] = {
      {"", 0, 0, untouched}, {"a", 0, 0, untouched}, {"abcdef", 5, 0, UNIT_LETTERS},
      {"abc", 2, 0, UNIT_LETTERS}, {"ab cd", 4, 3, UNIT_LETTERS}, {"ab12", 3, 3, UNIT_OTHER},
      {"ab" + D, 2, 2, UNIT_DOUBLE_BYTE}, {"a" + D + "b", 3, 3, UNIT_LETTERS}, {D + D, 2, 2, UNIT_DOUBLE_BYTE},
      {D + D + "x", 4, 4, UNIT_LETTERS}, {"a" + D + D, 3, 3, UNIT_DOUBLE_BYTE}, {D + "x", 2, 2, UNIT_LETTERS},
      {"ab" + D + D, 4, 4, UNIT_DOUBLE_BYTE}, {"a" + D, 1, 1, UNIT_DOUBLE_BYTE},
      {"\xA4" "x", 0, 0, UNIT_DOUBLE_BYTE},                    // a lead byte needs the terminator's place
      {"abc\xA4", 3, 3, UNIT_DOUBLE_BYTE},                     // its trail is not read
      {"\xA4" "abc", 3, 2, UNIT_LETTERS},                      // the trail 'a' is not a letter here
      {std::string("a\0", 2) + D + "x", 4, 4, UNIT_LETTERS},  // a zero byte is a one-byte character
      {std::string("ab\0cd", 5), 4, 3, UNIT_LETTERS},         // and an other byte
      {std::string(65535, 'a'), 65534, 0, UNIT_LETTERS},
      {Padded("", 65535, 'a', "\xA4" "x"), 65533, 65533, UNIT_DOUBLE_BYTE},
      {Padded("", 65535, 'a', "\xA4"), 65534, 65534, UNIT_DOUBLE_BYTE},  // the walk steps to 65536
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(Shown(row.text));
    const uint16_t n = static_cast<uint16_t>(row.text.size());
    const std::vector<char> bytes(row.text.begin(), row.text.end());
    const std::vector<char> cut(bytes.begin(), bytes.begin() + (n > 0 ? n - 1 : 0));
    EXPECT_EQ(row.cut, SafeCutLength(cut.data(), n));
    uint8_t cls = untouched;
    EXPECT_EQ(row.start, LastUnitStartEx(bytes.data(), n, &cls));
    EXPECT_EQ(row.cls, cls);
    EXPECT_EQ(row.start, LastUnitStart(bytes.data(), n));
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
    EXPECT_EQ(row.expected, WideStrLen(std::vector<char>(row.bytes.begin(), row.bytes.end()).data()));
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
  for (const uint32_t value : {0u, 7u, 305u, 1000001u, 1000000000u, 4294967295u}) {
    std::vector<char> out(UINT_DECIMAL_SIZE, '#');
    EXPECT_EQ(1, UIntToDecimal(value, out.data())) << value;
    EXPECT_EQ(std::to_string(value), out.data());
  }
  EXPECT_EQ(0, UIntToDecimal(42, nullptr));
}
