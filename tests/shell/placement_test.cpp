// The centring rule that places pages, where a page would leave the
// screen (the pages themselves are checked in tests/shell/startup_test.cpp).
#include "shell/placement.h"

#include <gtest/gtest.h>

namespace {

TEST(CenteredOrigin, CentresAndKeepsOnTheScreen) {
  const struct {
    int size, otherStart, otherSize, screen, origin;
  } rows[] = {
      {370, 0, 1024, 1024, 327}, {370, 0, 371, 1024, 0},  // (371 - 370) / 2 truncates
      {370, 900, 100, 1024, 654}, {370, -500, 100, 1024, 0}, {370, 0, 300, 300, 0},
      {370, 100, 300, 300, -70}, {1, -1, 0, 100, 0},  // -1 / 2 truncates towards zero
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(testing::Message() << row.size << " over " << row.otherStart << "+" << row.otherSize);
    EXPECT_EQ(row.origin, CenteredOrigin(row.size, row.otherStart, row.otherSize, row.screen));
  }
}

}  // namespace
