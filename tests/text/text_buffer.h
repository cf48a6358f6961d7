// Test texts in exactly sized heap buffers, so that the sanitizer build
// catches any byte read or written outside them, and readable row names.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

// The bytes and a terminator, nothing more.
inline std::vector<char> MakeText(const std::string &bytes) {
  std::vector<char> text(bytes.size() + 1, '\0');
  std::copy(bytes.begin(), bytes.end(), text.begin());
  return text;
}

// Bytes as a row name: non-printable bytes as \xNN, long texts shortened.
inline std::string Shown(const std::string &bytes) {
  std::string shown = "'";
  for (size_t i = 0; i < bytes.size() && i < 24; ++i) {
    const unsigned char b = static_cast<unsigned char>(bytes[i]);
    char hex[8];
    std::snprintf(hex, sizeof hex, "\\x%02X", b);
    shown += b >= 0x20 && b < 0x7F ? std::string(1, static_cast<char>(b)) : std::string(hex);
  }
  if (bytes.size() > 24) shown += "...' (" + std::to_string(bytes.size()) + " bytes)";
  else shown += "'";
  return shown;
}

// A text of n bytes: head, then fill up to n - tail.size() bytes, then tail.
inline std::string Padded(const std::string &head, size_t n, char fill, const std::string &tail = "") {
  return head + std::string(n - head.size() - tail.size(), fill) + tail;
}

struct InPlaceCase {
  std::string input, expected;
};

// Runs op on each input in place and compares the text up to its terminator.
inline void ExpectInPlace(void (*op)(char *), const std::vector<InPlaceCase> &cases) {
  for (const InPlaceCase &c : cases) {
    SCOPED_TRACE(Shown(c.input));
    std::vector<char> text = MakeText(c.input);
    op(text.data());
    const std::string result(text.data());
    EXPECT_TRUE(result == c.expected) << "got " << Shown(result) << ", expected " << Shown(c.expected);
  }
}
