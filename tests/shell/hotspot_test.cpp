// Hit testing of a hotspot list: edges, overlaps, a head with id 0, a
// rectangle reaching past 16 bits, a list built anew and a cleared one.
#include "shell/hotspot.h"

#include <gtest/gtest.h>

namespace {

TEST(HotspotHitTest, FirstRectangleHoldingThePoint) {
  HotspotList list = {};
  HotspotListInit(&list, 9, 0, 0, 50, 50);
  HotspotListAdd(&list, 9, 0, 0, 50, 50);  // chained, then dropped by the next Init
  HotspotListInit(&list, 1, 96, 370, 74, 27);
  HotspotListAdd(&list, 7, 100, 375, 10, 10);  // inside id 1: never wins
  HotspotListAdd(&list, 0, 10, 10, 20, 20);
  HotspotListAdd(&list, 4, 0xFFF0, 0xFFF0, 0x20, 0x20);
  const struct {
    WORD x, y, id;
  } rows[] = {
      {96, 370, 1},    {169, 396, 1},   {170, 380, HOTSPOT_NONE}, {100, 397, HOTSPOT_NONE},
      {95, 380, HOTSPOT_NONE}, {105, 380, 1}, {15, 15, 0},  {0xFFFF, 0xFFFF, 4}, {5, 5, HOTSPOT_NONE},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(testing::Message() << row.x << ", " << row.y);
    EXPECT_EQ(row.id, HotspotHitTest(&list, row.x, row.y));
  }
  HotspotListClear(&list);
  EXPECT_EQ(HOTSPOT_NONE, HotspotHitTest(&list, 0, 0));
  EXPECT_EQ(HOTSPOT_NONE, HotspotHitTest(&list, 100, 380));
}

}  // namespace
