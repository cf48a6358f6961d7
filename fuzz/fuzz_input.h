// Turning a libFuzzer input into the arguments of the text utilities. Every
// text lives in a heap buffer of exactly its length plus the terminator, so
// that AddressSanitizer reports any byte read or written outside it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// A broken contract: report the harness and line, then abort so that
// libFuzzer keeps the input.
#define FUZZ_CHECK(cond)                                                     \
  do {                                                                       \
    if (!(cond)) {                                                           \
      std::fprintf(stderr, "%s:%d: contract broken: %s\n", __FILE__, __LINE__, #cond); \
      std::abort();                                                          \
    }                                                                        \
  } while (0)

struct FuzzInput {
  const uint8_t *data;
  size_t size;
};

// The next `bytes` bytes as a little-endian number; missing bytes count 0.
inline uint32_t TakeNumber(FuzzInput *in, int bytes) {
  uint32_t value = 0;
  for (int i = 0; i < bytes; ++i) {
    if (in->size == 0) break;
    value |= static_cast<uint32_t>(*in->data) << (8 * i);
    ++in->data;
    --in->size;
  }
  return value;
}

// Owned heap text; Free when done.
struct FuzzText {
  char *text;
  size_t len;  // bytes before the terminator
};

inline FuzzText NewText(const void *bytes, size_t len) {
  FuzzText t = {static_cast<char *>(std::malloc(len + 1)), len};
  if (len) std::memcpy(t.text, bytes, len);
  t.text[len] = '\0';
  return t;
}

inline FuzzText CopyText(const FuzzText &from) { return NewText(from.text, from.len); }

inline void Free(const FuzzText &t) { std::free(t.text); }

// The input up to its first zero byte (or its end) as a text; the input
// moves past that zero byte.
inline FuzzText TakeText(FuzzInput *in) {
  const void *zero = in->size ? std::memchr(in->data, 0, in->size) : nullptr;
  const size_t len = zero ? static_cast<size_t>(static_cast<const uint8_t *>(zero) - in->data) : in->size;
  FuzzText t = NewText(in->data, len);
  const size_t used = zero ? len + 1 : len;
  in->data += used;
  in->size -= used;
  return t;
}

// A text of exactly len bytes that repeats seed (an empty seed repeats 'a'),
// to reach the 16-bit and 8-bit bounds that random inputs rarely reach.
inline FuzzText RepeatText(const FuzzText &seed, size_t len) {
  FuzzText t = {static_cast<char *>(std::malloc(len + 1)), len};
  for (size_t i = 0; i < len; ++i) t.text[i] = seed.len ? seed.text[i % seed.len] : 'a';
  t.text[len] = '\0';
  return t;
}

// One input in sixteen asks for long texts: with the comparison tracing of
// the fuzzing build a long text costs milliseconds, and the bounds need only
// a few lengths around them.
inline bool WantsLong(uint32_t mode) { return (mode & 15) == 15; }

// A length from bound - 6 to bound + 5, picked by the mode's upper bits.
inline size_t LengthAround(size_t bound, uint32_t mode) { return bound - 6 + (mode >> 4) % 12; }

// The seed as it is, or, when the mode asks for it, repeated to a length
// around bound. Frees the seed if replaced.
inline FuzzText MaybeLong(FuzzText seed, uint32_t mode, size_t bound) {
  if (!WantsLong(mode)) return seed;
  FuzzText t = RepeatText(seed, LengthAround(bound, mode));
  Free(seed);
  return t;
}

inline bool IsBlankByte(char c) { return c == ' ' || c == '\t'; }
