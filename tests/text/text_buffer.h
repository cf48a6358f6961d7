// Test texts in exactly sized heap buffers, so that the sanitizer build
// catches any byte read or written outside them, and readable row names.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

const std::string D = "\xA4\x40";  // one double-byte character

// The bytes, the terminator, nothing more.
inline std::vector<char> MakeText(const std::string &bytes) {
  return std::vector<char>(bytes.c_str(), bytes.c_str() + bytes.size() + 1);
}

// A text of n bytes: head, then fill, then tail.
inline std::string Padded(const std::string &head, size_t n, char fill, const std::string &tail = "") {
  return head + std::string(n - head.size() - tail.size(), fill) + tail;
}

// Bytes as a row name, with escapes; long texts shortened.
inline std::string Shown(const std::string &bytes) {
  const std::string head = ::testing::PrintToString(bytes.substr(0, 24));
  return bytes.size() > 24 ? head + "... (" + std::to_string(bytes.size()) + " bytes)" : head;
}

// Runs op on each input in place; compares the text up to its terminator.
inline void ExpectInPlace(void (*op)(char *), const std::vector<std::pair<std::string, std::string>> &rows) {
  for (const auto &row : rows) {
    SCOPED_TRACE(Shown(row.first));
    std::vector<char> text = MakeText(row.first);
    op(text.data());
    EXPECT_TRUE(row.second == text.data()) << "got " << Shown(text.data());
  }
}
