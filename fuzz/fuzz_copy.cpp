// Lengths, copies and decimal text: StrCopyMax never writes at or past
// size (guard bytes after the destination), StrCopy and StrAppend give the
// texts they promise, cut at 65535 bytes, and the wide length stops at the
// first zero unit or its bound.
#include "fuzz/fuzz_input.h"
#include "text/dbcs.h"

namespace {

const size_t kGuard = 16;
const char kFill = '\x5A';

void CheckCopyMax(const FuzzText &source, uint16_t size) {
  char *dest = static_cast<char *>(std::malloc(size + kGuard));
  std::memset(dest, kFill, size + kGuard);
  const uint8_t result = StrCopyMax(source.text, dest, size);
  for (size_t i = size; i < size + kGuard; ++i) FUZZ_CHECK(dest[i] == kFill);
  if (source.len == 0 || size == 0) {
    FUZZ_CHECK(result == 0);
    for (size_t i = 0; i < size; ++i) FUZZ_CHECK(dest[i] == kFill);
  } else {
    FUZZ_CHECK(result == 1);
    const size_t copied = source.len < size - 1u ? source.len : size - 1u;
    FUZZ_CHECK(std::memcmp(dest, source.text, copied) == 0 && dest[copied] == '\0');
    for (size_t i = copied + 1; i < size; ++i) FUZZ_CHECK(dest[i] == kFill);
  }
  std::free(dest);
}

void CheckCopyAndAppend(const FuzzText &a, const FuzzText &b) {
  FUZZ_CHECK(StrLen16(a.text) == (a.len < TEXT_MAX_LEN ? a.len : TEXT_MAX_LEN));

  char *copy = static_cast<char *>(std::malloc(a.len + 1));
  std::memset(copy, kFill, a.len + 1);
  StrCopy(copy, a.text);
  const size_t copied = a.len < TEXT_MAX_LEN ? a.len : TEXT_MAX_LEN;
  FUZZ_CHECK(std::memcmp(copy, a.text, copied) == 0 && copy[copied] == '\0');
  std::free(copy);

  char *dest = static_cast<char *>(std::malloc(a.len + b.len + 1));
  std::memcpy(dest, a.text, a.len + 1);
  StrAppend(dest, b.text);
  if (a.len >= TEXT_MAX_LEN) {
    FUZZ_CHECK(std::memcmp(dest, a.text, a.len + 1) == 0);
  } else {
    const size_t added = b.len < TEXT_MAX_LEN - a.len ? b.len : TEXT_MAX_LEN - a.len;
    FUZZ_CHECK(std::memcmp(dest, a.text, a.len) == 0);
    FUZZ_CHECK(std::memcmp(dest + a.len, b.text, added) == 0 && dest[a.len + added] == '\0');
  }
  std::free(dest);
}

// The rest of the input as 2-byte units and a zero unit, or, in long mode,
// as non-zero units repeated to around the bound.
void CheckWideLength(const FuzzInput &in, uint32_t mode) {
  const bool longText = WantsLong(mode);
  const size_t units = longText ? LengthAround(WIDE_TEXT_MAX_LEN, mode) : in.size / 2;
  uint8_t *wide = static_cast<uint8_t *>(std::malloc(2 * units + 2));
  for (size_t i = 0; i < 2 * units; ++i)
    wide[i] = longText ? static_cast<uint8_t>(in.size ? (in.data[i % in.size] | 1) : 1) : in.data[i];
  wide[2 * units] = wide[2 * units + 1] = 0;
  size_t expected = 0;
  while (expected < WIDE_TEXT_MAX_LEN && (wide[2 * expected] || wide[2 * expected + 1])) ++expected;
  FUZZ_CHECK(WideStrLen(wide) == expected);
  std::free(wide);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FuzzInput in = {data, size};
  const uint32_t mode = TakeNumber(&in, 1);
  const uint32_t value = TakeNumber(&in, 4);
  const uint16_t copySize = static_cast<uint16_t>(TakeNumber(&in, 2));

  char decimal[UINT_DECIMAL_SIZE];
  char expected[16];
  std::snprintf(expected, sizeof expected, "%u", static_cast<unsigned>(value));
  FUZZ_CHECK(UIntToDecimal(value, decimal) == 1 && std::strcmp(decimal, expected) == 0);

  CheckWideLength(in, mode);
  const FuzzText a = MaybeLong(TakeText(&in), mode, TEXT_MAX_LEN);
  const FuzzText b = TakeText(&in);
  CheckCopyMax(a, copySize);
  CheckCopyAndAppend(a, b);
  Free(a);
  Free(b);
  return 0;
}
