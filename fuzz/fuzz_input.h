// Turning a libFuzzer input into the arguments of the text utilities. Every
// text lives in a heap buffer of exactly its bytes and the terminator, so
// that AddressSanitizer reports any byte read or written outside it. Inputs
// stay short (libFuzzer's 4096 bytes), so that a run of a few seconds tries
// many; the 16-bit bounds are pinned by the table tests.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

// A broken contract: report the line and abort, so that libFuzzer keeps the input.
#define FUZZ_CHECK(cond) \
  ((cond) ? (void)0        \
          : (std::fprintf(stderr, "%s:%d: contract broken: %s\n", __FILE__, __LINE__, #cond), std::abort()))

// The bytes and the terminator. Made at its final size and copied whole, so
// that the buffer holds nothing more.
using Text = std::vector<char>;

inline size_t Len(const Text &t) { return t.size() - 1; }

// The next text of the input, up to a zero byte in it.
inline Text TakeText(FuzzedDataProvider *in) {
  const std::string taken = in->ConsumeRandomLengthString();
  return Text(taken.c_str(), taken.c_str() + std::strlen(taken.c_str()) + 1);
}

inline bool IsBlankByte(char c) { return c == ' ' || c == '\t'; }
