// Hit testing of a page's hotspot list.
#include "shell/hotspot.h"

#include <gtest/gtest.h>

namespace {

struct HitCase {
  WORD x, y;
  WORD expected;
};

TEST(HotspotHitTest, EdgesAndOverlapsOfTheMainPageList) {
  HotspotList list = {};
  HotspotListInit(&list, 1, 96, 370, 74, 27);
  HotspotListAdd(&list, 2, 201, 370, 74, 27);
  HotspotListAdd(&list, 3, 274, 210, 37, 20);
  HotspotListAdd(&list, 5, 274, 275, 37, 20);
  HotspotListAdd(&list, 7, 100, 375, 10, 10);  // lies inside id 1: never wins

  const HitCase cases[] = {
      {96, 370, 1},            {169, 396, 1},  // top-left and bottom-right pixel
      {170, 380, HOTSPOT_NONE},                // right edge is outside
      {100, 397, HOTSPOT_NONE},                // bottom edge is outside
      {95, 380, HOTSPOT_NONE},  {100, 369, HOTSPOT_NONE},
      {201, 370, 2},           {274, 229, 3},  {274, 230, HOTSPOT_NONE},
      {310, 294, 5},           {311, 294, HOTSPOT_NONE},
      {105, 380, 1},                           // overlap: the earlier record wins
      {0, 0, HOTSPOT_NONE},    {0xFFFF, 0xFFFF, HOTSPOT_NONE},
  };
  for (const HitCase &c : cases) {
    SCOPED_TRACE(testing::Message() << "(" << c.x << ", " << c.y << ")");
    EXPECT_EQ(c.expected, HotspotHitTest(&list, c.x, c.y));
  }
  HotspotListClear(&list);
}

TEST(HotspotHitTest, ClearedListMatchesNothing) {
  HotspotList list = {};
  HotspotListInit(&list, 1, 0, 0, 370, 410);
  HotspotListAdd(&list, 2, 10, 10, 5, 5);
  HotspotListClear(&list);
  EXPECT_EQ(0, list.x + list.y + list.id + list.width + list.height);
  EXPECT_EQ(nullptr, list.next);
  EXPECT_EQ(HOTSPOT_NONE, HotspotHitTest(&list, 0, 0));
  EXPECT_EQ(HOTSPOT_NONE, HotspotHitTest(&list, 12, 12));
}

TEST(HotspotHitTest, HeadWithIdZeroGivesZero) {
  HotspotList list = {};
  HotspotListInit(&list, 0, 10, 10, 20, 20);
  EXPECT_EQ(0, HotspotHitTest(&list, 15, 15));
  EXPECT_EQ(HOTSPOT_NONE, HotspotHitTest(&list, 30, 15));
  HotspotListClear(&list);
}

TEST(HotspotHitTest, RectangleReachingPastSixteenBits) {
  HotspotList list = {};
  HotspotListInit(&list, 4, 0xFFF0, 0xFFF0, 0x20, 0x20);
  EXPECT_EQ(4, HotspotHitTest(&list, 0xFFFF, 0xFFFF));  // widened: no wrap-around
  EXPECT_EQ(HOTSPOT_NONE, HotspotHitTest(&list, 0, 0));
}

TEST(HotspotListInit, ReinitialisingFreesTheChainAndStartsAnew) {
  HotspotList list = {};
  HotspotListInit(&list, 1, 0, 0, 10, 10);
  Hotspot *added = HotspotListAdd(&list, 2, 20, 0, 10, 10);
  ASSERT_NE(nullptr, added);
  EXPECT_EQ(added, list.next);
  HotspotListInit(&list, 3, 40, 0, 10, 10);
  EXPECT_EQ(nullptr, list.next);
  EXPECT_EQ(HOTSPOT_NONE, HotspotHitTest(&list, 25, 5));
  EXPECT_EQ(3, HotspotHitTest(&list, 45, 5));
}

}  // namespace
