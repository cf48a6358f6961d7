// Turning a libFuzzer input into the arguments of the text utilities. Every
// text lives in a heap buffer of exactly its bytes and the terminator, so
// that AddressSanitizer reports any byte read or written outside it. Inputs
// stay short (libFuzzer's 4096 bytes), so that a run of a few seconds tries
// many; the 16-bit bounds are pinned by the table tests.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

// A broken contract: report the line and abort, so that libFuzzer keeps the input.
#define FUZZ_CHECK(cond) \
  ((cond) ? (void)0        \
          : (std::fprintf(stderr, "%s:%d: contract broken: %s\n", __FILE__, __LINE__, #cond), std::abort()))

// The bytes and the terminator. Made at its final size and copied whole, so
// that the buffer holds nothing more.
using Text = std::vector<char>;

inline size_t Len(const Text &t) { return t.size() - 1; }

struct FuzzInput { const uint8_t *data; size_t size; };

// The next `bytes` bytes as a little-endian number; missing bytes count 0.
inline uint32_t TakeNumber(FuzzInput *in, int bytes) {
  uint32_t value = 0;
  for (int i = 0; i < bytes && in->size > 0; ++i, ++in->data, --in->size)
    value |= static_cast<uint32_t>(*in->data) << (8 * i);
  return value;
}

// The input up to its next zero byte, or the rest of it, as a text.
inline Text TakeText(FuzzInput *in) {
  const size_t len = strnlen(reinterpret_cast<const char *>(in->data), in->size);
  Text t(len + 1, '\0');
  std::memcpy(t.data(), in->data, len);
  in->data += len < in->size ? len + 1 : len;
  in->size -= len < in->size ? len + 1 : len;
  return t;
}

inline bool IsBlankByte(char c) { return c == ' ' || c == '\t'; }
