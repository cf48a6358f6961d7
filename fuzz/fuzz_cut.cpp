// Cuts and text units over buffers of exactly the bytes the operations may
// look at (n - 1 for SafeCutLength, n for the unit search): the cut is the
// last character boundary before the terminator's place, and the last unit
// starts before n with the class of its first byte.
#include "fuzz/fuzz_input.h"
#include "text/char_class.h"
#include "text/dbcs.h"

namespace {

// Exactly count bytes that repeat the rest of the input, zero bytes included.
char *NewBytes(const FuzzInput &in, size_t count) {
  char *bytes = static_cast<char *>(std::malloc(count ? count : 1));
  for (size_t i = 0; i < count; ++i) bytes[i] = in.size ? static_cast<char>(in.data[i % in.size]) : 'a';
  return bytes;
}

void CheckCut(const FuzzInput &in, uint16_t n) {
  const size_t readable = n > 1 ? n - 1 : 0;
  char *bytes = NewBytes(in, readable);
  const uint16_t cut = SafeCutLength(bytes, n);
  size_t boundary = 0;  // the last boundary a walk from byte 0 reaches within n - 1
  while (boundary < readable) {
    const size_t next = boundary + (IsDbcsLeadAt(bytes + boundary) ? 2 : 1);
    if (next > readable) break;
    boundary = next;
  }
  FUZZ_CHECK(cut == boundary);
  std::free(bytes);
}

void CheckUnits(const FuzzInput &in, uint16_t n) {
  char *bytes = NewBytes(in, n);
  const uint8_t untouched = 0xEE;
  uint8_t cls = untouched;
  const uint16_t start = LastUnitStartEx(bytes, n, &cls);
  FUZZ_CHECK(start == LastUnitStart(bytes, n));
  if (n <= 1) {
    FUZZ_CHECK(start == 0 && cls == untouched);
  } else {
    FUZZ_CHECK(start < n);
    const uint8_t b = static_cast<uint8_t>(bytes[start]);
    const uint8_t expected = IsDbcsLead(b) ? UNIT_DOUBLE_BYTE : IsAsciiLetter(b) ? UNIT_LETTERS : UNIT_OTHER;
    FUZZ_CHECK(cls == expected);
    // Nothing after the unit's start begins a new unit before n.
    if (cls == UNIT_LETTERS)
      for (uint32_t i = start; i < n; ++i) FUZZ_CHECK(IsAsciiLetter(static_cast<uint8_t>(bytes[i])));
    else
      FUZZ_CHECK(start + (cls == UNIT_DOUBLE_BYTE ? 2u : 1u) >= n);
  }
  std::free(bytes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FuzzInput in = {data, size};
  const uint32_t mode = TakeNumber(&in, 1);
  uint16_t n = static_cast<uint16_t>(TakeNumber(&in, 2));
  // Mostly n within a few bytes of the input's length; sometimes anywhere.
  if (!WantsLong(mode)) n = static_cast<uint16_t>((in.size + n % 4) & 0xFFFF);
  CheckCut(in, n);
  CheckUnits(in, n);
  return 0;
}
