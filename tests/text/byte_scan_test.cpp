// Lead bytes by code page over every byte value (the toolkit's code-page
// test holds them against the platform's IsDBCSLeadByteEx under Wine), and
// the character walks on hostile texts: a trail byte that equals '\', '*',
// '"', '[' or ']', a high byte that leads nothing, an unfinished character.
#include "text/byte_scan.h"

#include <algorithm>

#include "tests/text/text_buffer.h"

TEST(LeadBytes, EveryByteOfEachCodePage) {
  const struct { uint32_t codePage; std::vector<std::pair<int, int>> ranges; } pages[] = {
      {932, {{0x81, 0x9F}, {0xE0, 0xFC}}}, {936, {{0x81, 0xFE}}}, {949, {{0x81, 0xFE}}}, {950, {{0x81, 0xFE}}},
      {1361, {{0x84, 0xD3}, {0xD8, 0xDE}, {0xE0, 0xF9}}}, {1252, {}}, {65001, {}}, {437, {}}, {950 + 0x10000, {}},  // not 950 in 16 bits
  };
  for (const auto &page : pages)
    for (int b = 0; b < 256; ++b) {
      const bool lead = std::any_of(page.ranges.begin(), page.ranges.end(), [b](std::pair<int, int> r) { return b >= r.first && b <= r.second; });
      EXPECT_EQ(lead, IsLeadByteOf(static_cast<uint8_t>(b), page.codePage)) << page.codePage << ": " << b;
    }
}

// found: HasCharOf with set, by code page 1252, 950, 936, 932, 1361; entry: IsEntryName, the same way. 0xE9
// leads on all four double-byte code pages, 0xB3 on all but 932, 0xD4 on 950 and 936, 0x82 on all but 1361;
// "\xB3\x01" has a control byte after a lead byte; "a\xB3" and "\xB3" end unfinished, whatever the set.
TEST(HasCharOfAndIsEntryName, Texts) {
  const struct { std::string text; const char *set; std::string found, entry; } rows[] = {
      {"\xE9*", "*?", "10000", "11111"}, {"\xE9\"", "\"[]", "10000", "11111"}, {"\x80*", "*?", "11111", "11111"}, {"\xFF?", "*?", "11111", "11111"},
      {"\xB3\\", "\\", "10010", "01101"}, {"\xB3[\xB3]", "[]", "10010", "11111"}, {"\xD4\\", "\\", "10011", "01100"}, {"\x82\\", "\\", "10001", "01110"},
      {"\xD8*\xD4*", "*", "10011", "11111"}, {"\xB3\x01", "", "00000", "00000"}, {"a\xB3", "\"", "01101", "10010"}, {"\xB3", "", "01101", "10010"},
      {"", "*", "00000", "00000"}, {"Item", "\\", "00000", "11111"}, {".a.b ", "", "00000", "11111"}, {".", "", "00000", "00000"}, {"..", "", "00000", "00000"},
      {"...", "", "00000", "00000"}, {". .", "", "00000", "00000"}, {"..Item", "", "00000", "00000"}, {"C:Item", "", "00000", "00000"}, {"../Item", "", "00000", "00000"},
      {"..\\Victim\\Item", "", "00000", "00000"}, {"\x7F", "", "00000", "00000"}, {"a\x01", "", "00000", "00000"}, {"a\x1F" "b", "", "00000", "00000"},
  };
  const uint32_t codePages[] = {1252, 950, 936, 932, 1361};
  for (const auto &row : rows)
    for (int i = 0; i < 5; ++i) {
      SCOPED_TRACE(Shown(row.text) + " on " + std::to_string(codePages[i]));
      EXPECT_EQ(row.found[i] - '0', HasCharOf(MakeText(row.text).data(), row.set, codePages[i]));
      EXPECT_EQ(row.entry[i] - '0', IsEntryName(MakeText(row.text).data(), codePages[i]));
    }
}
