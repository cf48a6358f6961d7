// Line clean-up and the look-back tests: trimming keeps exactly the middle;
// normalising gives the trimmed text up to its first line feed, upper-cased,
// with every run of blanks as one space; a dangling lead byte is the only
// byte ever dropped (texts past 255 bytes stay as they are). A look-back
// answers 0 to 2, a position past the end as the end does, and the word test
// as the position test at the start of its run of letters.
#include "fuzz/fuzz_input.h"
#include "text/char_class.h"
#include "text/line.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FuzzedDataProvider in(data, size);
  const uint16_t pos = in.ConsumeIntegral<uint16_t>();
  const Text original = TakeText(&in);
  const char *was = original.data();
  const size_t len = Len(original);

  Text t = original;
  TrimBlanks(t.data());
  std::string trimmed(was);
  trimmed.erase(trimmed.find_last_not_of(" \t") + 1);  // all of it when it is all blanks
  trimmed.erase(0, trimmed.find_first_not_of(" \t"));
  FUZZ_CHECK(trimmed == t.data());

  std::string normalised;
  for (const char c : trimmed.substr(0, trimmed.find('\n')))  // a blank is never the first byte
    if (!IsBlankByte(c)) normalised += static_cast<char>(ToUpperAscii(c));
    else if (normalised.back() != ' ') normalised += ' ';
  t = original;
  NormaliseLine(t.data());
  FUZZ_CHECK(normalised == t.data());

  t = original;
  DropDanglingLead(t.data());
  bool dangling = false;
  for (size_t i = 0; i < len; ++i) dangling = !dangling && IsDbcsLeadAt(was + i);
  const size_t kept = len - (dangling && len <= SHORT_TEXT_MAX_LEN ? 1 : 0);
  FUZZ_CHECK(std::strlen(t.data()) == kept && std::memcmp(t.data(), was, kept) == 0);

  const uint16_t clamped = len < pos ? static_cast<uint16_t>(len) : pos;
  const uint8_t kind = KindBeforePos(was, pos), word = KindBeforeWord(was, pos);
  FUZZ_CHECK(kind == KindBeforePos(was, clamped) && word == KindBeforeWord(was, clamped));
  FUZZ_CHECK(kind <= BEFORE_NOTHING && (kind == BEFORE_NOTHING) == (std::strspn(was, " \t") >= clamped));
  size_t run = clamped;  // the start of the run of letters that ends there
  while (run > 0 && IsAsciiLetter(static_cast<uint8_t>(was[run - 1]))) --run;
  FUZZ_CHECK(word == (run == 0 ? BEFORE_NOTHING : KindBeforePos(was, static_cast<uint16_t>(run))));
  return 0;
}
