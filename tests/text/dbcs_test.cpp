// Double-byte boundaries, text units, lengths, copies and decimal text.
#include "text/dbcs.h"

#include "tests/text/text_buffer.h"

namespace {

const std::string D = "\xA4\x40";  // one double-byte character

// The first count bytes of text in a buffer of exactly that size: the
// operations that do not stop at a terminator must read no further.
std::vector<char> FirstBytes(const std::string &text, size_t count) {
  return std::vector<char>(text.begin(), text.begin() + static_cast<long>(count));
}

TEST(SafeCutLength, Texts) {
  const struct { std::string text; uint16_t n, expected; } rows[] = {
      {"", 0, 0}, {"", 1, 0}, {"abcdef", 6, 5}, {"ab" + D, 4, 2}, {"a" + D + "b", 4, 3},
      {D + D, 4, 2}, {D + D, 5, 4}, {"a" + D + D, 5, 3}, {D + "x", 3, 2}, {"a" + D, 3, 1},
      {"x", 2, 1}, {"\xA4", 2, 0},  // a lead byte needs the terminator's place
      {std::string("a\0", 2) + D, 5, 4},  // a zero byte is a one-byte character
      {Padded("", 65534, 'a', "\xA4"), 65535, 65533}, {Padded("", 65534, 'a'), 65535, 65534},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(Shown(row.text) + " n " + std::to_string(row.n));
    const std::vector<char> bytes = FirstBytes(row.text, row.n > 1 ? row.n - 1 : 0);
    EXPECT_EQ(row.expected, SafeCutLength(bytes.data(), row.n));
  }
}

// Every text of up to 9 bytes made of 'a' and lead bytes, every n: the cut
// is the last character boundary at or before n - 1.
TEST(SafeCutLength, AgreesWithCharacterBoundaries) {
  for (size_t len = 0; len <= 9; ++len) {
    for (unsigned pattern = 0; pattern < (1u << len); ++pattern) {
      std::string text;
      for (size_t i = 0; i < len; ++i) text += (pattern >> i & 1) ? '\xA4' : 'a';
      std::vector<size_t> boundaries = {0};
      for (size_t at = 0; at < len;) boundaries.push_back(at += text[at] == '\xA4' ? 2 : 1);
      for (size_t n = 2; n <= len + 1; ++n) {
        size_t expected = 0;
        for (size_t b : boundaries)
          if (b <= n - 1) expected = b;
        SCOPED_TRACE(Shown(text) + " n " + std::to_string(n));
        ASSERT_EQ(expected, SafeCutLength(FirstBytes(text, n - 1).data(), static_cast<uint16_t>(n)));
      }
    }
  }
}

TEST(LastUnitStartEx, Texts) {
  const uint8_t untouched = 0x77;
  const struct { std::string text; uint16_t n, start; uint8_t cls; } rows[] = {
      {"ab cd", 5, 3, UNIT_LETTERS}, {"abc", 3, 0, UNIT_LETTERS}, {"ab12", 4, 3, UNIT_OTHER},
      {"ab" + D + D, 6, 4, UNIT_DOUBLE_BYTE}, {D + "ab", 4, 2, UNIT_LETTERS},
      {"ab" + D + "cd", 6, 4, UNIT_LETTERS}, {"hello world", 11, 6, UNIT_LETTERS},
      {"hello world", 6, 5, UNIT_OTHER}, {"abc\xA4", 4, 3, UNIT_DOUBLE_BYTE},
      {"abc", 1, 0, untouched}, {"", 0, 0, untouched}, {"12", 2, 1, UNIT_OTHER},
      {std::string("ab\0cd", 5), 5, 3, UNIT_LETTERS},  // a zero byte is an other byte
      {"\xA4" "abc", 4, 2, UNIT_LETTERS},               // the trail 'a' is not a letter here
      {Padded("", 65535, 'a', "\xA4"), 65535, 65534, UNIT_DOUBLE_BYTE},  // steps to 65536
      {std::string(65535, 'x'), 65535, 0, UNIT_LETTERS},
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
  std::string units32767;
  for (int i = 0; i < 32767; ++i) units32767 += std::string("a\x4E", 2);
  const std::string zero(2, '\0');
  const struct { std::string bytes; uint16_t expected; } rows[] = {
      {std::string("a\0b\0\0\0", 6), 2}, {std::string("\0a\0\0", 4), 1}, {zero, 0},
      {std::string("a\0\0b\0\0", 6), 2},  // zero bytes across two units do not end it
      {units32767.substr(2) + zero, 32766}, {units32767 + zero, 32767},
      {units32767 + "xy" + zero, 32767},  // past the bound
      {units32767, 32767},                // and no unit after it is read
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(Shown(row.bytes));
    const std::vector<char> bytes(row.bytes.begin(), row.bytes.end());
    EXPECT_EQ(row.expected, WideStrLen(bytes.data()));
  }
}

TEST(StrLen16, Texts) {
  const struct { std::string text; uint16_t expected; } rows[] = {
      {"", 0}, {"hello", 5}, {D, 2}, {std::string(65535, 'a'), 65535}, {std::string(65536, 'a'), 65535},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(Shown(row.text));
    EXPECT_EQ(row.expected, StrLen16(MakeText(row.text).data()));
  }
}

TEST(StrAppend, Texts) {
  const std::string full = std::string(65535, 'a'), over = std::string(65536, 'a');
  const struct { std::string dest, source, expected; } rows[] = {
      {"abc", "def", "abcdef"}, {"abc", "", "abc"}, {"", "def", "def"}, {"", "", ""},
      {"a" + D, D, "a" + D + D},
      {std::string(65530, 'a'), "bcdefgh", std::string(65530, 'a') + "bcdef"},  // cut at 65535
      {full, "x", full}, {over, "x", over},  // no room left: unchanged
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(Shown(row.dest) + " + " + Shown(row.source));
    std::vector<char> dest = MakeText(row.dest);
    dest.resize(row.dest.size() + row.source.size() + 1, '#');
    StrAppend(dest.data(), MakeText(row.source).data());
    EXPECT_TRUE(std::string(dest.data()) == row.expected) << Shown(dest.data());
  }
}

TEST(StrCopy, Texts) {
  const struct { std::string source, expected; } rows[] = {
      {"hello", "hello"}, {"", ""}, {D + "x", D + "x"},
      {std::string(65535, 'a'), std::string(65535, 'a')},
      {std::string(65536, 'a'), std::string(65535, 'a')},  // cut at the bound
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(Shown(row.source));
    std::vector<char> dest(row.source.size() + 1, '#');
    StrCopy(dest.data(), MakeText(row.source).data());
    EXPECT_TRUE(std::string(dest.data()) == row.expected) << Shown(dest.data());
  }
}

TEST(StrCopyMax, IntoSevenHashes) {
  const struct { std::string source; uint16_t size; uint8_t result; std::string dest; } rows[] = {
      {"hello", 0, 0, "#######"}, {"", 4, 0, "#######"}, {"", 0, 0, "#######"},
      {"hello", 1, 1, std::string("\0######", 7)}, {"hello", 4, 1, std::string("hel\0###", 7)},
      {"hello", 5, 1, std::string("hell\0##", 7)}, {"hello", 6, 1, std::string("hello\0#", 7)},
      {"hello", 7, 1, std::string("hello\0#", 7)}, {"hi", 4, 1, std::string("hi\0####", 7)},
      {"a" + D, 3, 1, std::string("a\xA4\0####", 7)},  // byte-wise: splits the character
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(Shown(row.source) + " size " + std::to_string(row.size));
    std::vector<char> dest(7, '#');
    EXPECT_EQ(row.result, StrCopyMax(MakeText(row.source).data(), dest.data(), row.size));
    EXPECT_EQ(Shown(row.dest), Shown(std::string(dest.begin(), dest.end())));
  }
}

TEST(UIntToDecimal, OneToTenDigits) {
  const struct { uint32_t value; const char *expected; } rows[] = {
      {0, "0"}, {7, "7"}, {10, "10"}, {305, "305"}, {4096, "4096"}, {65535, "65535"},
      {100000, "100000"}, {1000001, "1000001"}, {20000000, "20000000"},
      {123456789, "123456789"}, {1000000000, "1000000000"}, {2147483648u, "2147483648"},
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

}  // namespace
