// Boundaries, units, appending and decimal text, over buffers of exactly
// the bytes each operation may look at: the cut is the last character
// boundary before the terminator's place; the last unit starts before n
// with the class of its byte and nothing after it starts another; StrAppend
// gives both texts; the decimal text is the one printf gives.
#include "fuzz/fuzz_input.h"
#include "text/char_class.h"
#include "text/dbcs.h"

static uint8_t ClassOf(uint8_t b) {
  return IsDbcsLead(b) ? UNIT_DOUBLE_BYTE : IsAsciiLetter(b) ? UNIT_LETTERS : UNIT_OTHER;
}

// bytes: exactly the n - 1 bytes that SafeCutLength may look at.
static void CheckCut(const Text &bytes, uint16_t n) {
  size_t boundary = 0;  // the last one that a walk from byte 0 reaches within them
  while (boundary < bytes.size() && boundary + (IsDbcsLeadAt(&bytes[boundary]) ? 2u : 1u) <= bytes.size())
    boundary += IsDbcsLeadAt(&bytes[boundary]) ? 2 : 1;
  FUZZ_CHECK(SafeCutLength(bytes.data(), n) == boundary);
}

// bytes: exactly the n bytes that the unit search may look at.
static void CheckUnits(const Text &bytes, uint16_t n) {
  uint8_t cls = 0xEE;
  const uint16_t start = LastUnitStartEx(bytes.data(), n, &cls);
  FUZZ_CHECK(start == LastUnitStart(bytes.data(), n));
  FUZZ_CHECK(n > 1 || (start == 0 && cls == 0xEE));
  if (n <= 1) return;
  size_t at = 0;  // the last unit starts on a character boundary
  while (at < start) at += IsDbcsLeadAt(&bytes[at]) ? 2 : 1;
  FUZZ_CHECK(at == start && start < n && cls == ClassOf(static_cast<uint8_t>(bytes[start])));
  FUZZ_CHECK(cls == UNIT_LETTERS || start + (cls == UNIT_DOUBLE_BYTE ? 2u : 1u) >= n);
  for (uint32_t i = start; cls == UNIT_LETTERS && i < n; ++i) FUZZ_CHECK(ClassOf(bytes[i]) == UNIT_LETTERS);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FuzzInput in = {data, size};
  const uint32_t value = TakeNumber(&in, 4);
  const uint16_t anyN = static_cast<uint16_t>(TakeNumber(&in, 2));
  char decimal[UINT_DECIMAL_SIZE], expected[16];
  std::snprintf(expected, sizeof expected, "%u", static_cast<unsigned>(value));
  FUZZ_CHECK(UIntToDecimal(value, decimal) == 1 && std::strcmp(decimal, expected) == 0);

  // The first n bytes of the rest of the input, zero bytes included.
  const uint16_t n = static_cast<uint16_t>(anyN % (in.size + 1));
  CheckCut(Text(in.data, in.data + (n > 1 ? n - 1 : 0)), n);
  CheckUnits(Text(in.data, in.data + n), n);
  const Text a = TakeText(&in), b = TakeText(&in);
  Text joined(Len(a) + Len(b) + 1, 'Z');
  std::memcpy(joined.data(), a.data(), a.size());
  StrAppend(joined.data(), b.data());
  FUZZ_CHECK(std::memcmp(joined.data(), a.data(), Len(a)) == 0);
  FUZZ_CHECK(std::memcmp(&joined[Len(a)], b.data(), b.size()) == 0);
  return 0;
}
