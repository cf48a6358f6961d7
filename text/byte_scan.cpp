// Lead bytes by code page, and the character walks built on them. The
// ranges are the platform's own (IsDBCSLeadByteEx answers the same for
// every byte; the tests hold the two side by side).
#include "text/byte_scan.h"

#include <cstring>

namespace {

struct LeadRange {
  uint32_t codePage;
  uint8_t first, last;
};

const LeadRange LEAD_RANGES[] = {
    {CODE_PAGE_JAPANESE, 0x81, 0x9F},    {CODE_PAGE_JAPANESE, 0xE0, 0xFC},
    {CODE_PAGE_SIMPLIFIED, 0x81, 0xFE},  {CODE_PAGE_KOREAN, 0x81, 0xFE},
    {CODE_PAGE_TRADITIONAL, 0x81, 0xFE}, {CODE_PAGE_JOHAB, 0x84, 0xD3},
    {CODE_PAGE_JOHAB, 0xD8, 0xDE},       {CODE_PAGE_JOHAB, 0xE0, 0xF9},
};

const uint8_t DELETE_BYTE = 0x7F;

bool IsControlByte(uint8_t b) { return (b > 0 && b < 0x20) || b == DELETE_BYTE; }

}  // namespace

uint8_t IsLeadByteOf(uint8_t b, uint32_t codePage) {
  for (const LeadRange &range : LEAD_RANGES)
    if (range.codePage == codePage && b >= range.first && b <= range.last) return 1;
  return 0;
}

uint8_t HasCharOf(const char *text, const char *set, uint32_t codePage) {
  for (const char *p = text; *p != '\0'; ++p) {
    if (IsLeadByteOf(static_cast<uint8_t>(*p), codePage)) {
      if (p[1] == '\0') return 1;  // unfinished
      ++p;
    } else if (std::strchr(set, *p)) {
      return 1;
    }
  }
  return 0;
}

uint8_t IsEntryName(const char *name, uint32_t codePage) {
  if (name[std::strspn(name, ". ")] == '\0' || std::strncmp(name, "..", 2) == 0) return 0;
  for (const char *p = name; *p != '\0'; ++p)
    if (IsControlByte(static_cast<uint8_t>(*p))) return 0;
  return HasCharOf(name, "\\/:", codePage) ? 0 : 1;
}
