// Line clean-up: trimming keeps exactly the middle of the text, normalising
// leaves no tab, line feed, small letter or double space, a dangling lead
// byte is the only byte ever dropped; nothing gets longer, and texts past
// the bounds stay as they are.
#include "fuzz/fuzz_input.h"
#include "text/line.h"

namespace {

void CheckTrim(const FuzzText &original) {
  const FuzzText t = CopyText(original);
  TrimBlanks(t.text);
  size_t first = 0, end = original.len;
  if (original.len <= TEXT_MAX_LEN) {
    while (first < end && IsBlankByte(original.text[first])) ++first;
    while (end > first && IsBlankByte(original.text[end - 1])) --end;
  }
  FUZZ_CHECK(std::strlen(t.text) == end - first);
  FUZZ_CHECK(std::memcmp(t.text, original.text + first, end - first) == 0);
  Free(t);
}

void CheckNormalise(const FuzzText &original) {
  const FuzzText t = CopyText(original);
  NormaliseLine(t.text);
  const size_t len = std::strlen(t.text);
  FUZZ_CHECK(len <= original.len);
  if (original.len > TEXT_MAX_LEN) {
    FUZZ_CHECK(std::memcmp(t.text, original.text, original.len + 1) == 0);
  } else {
    FUZZ_CHECK(len == 0 || t.text[0] != ' ');
    for (size_t i = 0; i < len; ++i) {
      const char c = t.text[i];
      FUZZ_CHECK(c != '\t' && c != '\n' && !(c >= 'a' && c <= 'z'));
      FUZZ_CHECK(!(c == ' ' && i + 1 < len && t.text[i + 1] == ' '));
    }
  }
  Free(t);
}

void CheckDanglingLead(const FuzzText &original) {
  const FuzzText t = CopyText(original);
  DropDanglingLead(t.text);
  bool dangling = false;
  for (size_t i = 0; i < original.len; ++i)
    dangling = !dangling && static_cast<uint8_t>(original.text[i]) >= 0x80;
  const bool dropped = dangling && original.len <= SHORT_TEXT_MAX_LEN;
  FUZZ_CHECK(std::strlen(t.text) == original.len - (dropped ? 1 : 0));
  FUZZ_CHECK(std::memcmp(t.text, original.text, original.len - (dropped ? 1 : 0)) == 0);
  Free(t);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FuzzInput in = {data, size};
  const uint32_t mode = TakeNumber(&in, 1);
  // The top bit picks which bound a long text goes around.
  const size_t bound = (mode & 0x80) ? SHORT_TEXT_MAX_LEN : TEXT_MAX_LEN;
  const FuzzText original = MaybeLong(TakeText(&in), mode, bound);
  CheckTrim(original);
  CheckNormalise(original);
  CheckDanglingLead(original);
  Free(original);
  return 0;
}
