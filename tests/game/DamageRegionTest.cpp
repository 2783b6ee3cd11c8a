// The damage of a frame: which rectangles join, what is clipped, when the whole frame goes.

#include <gtest/gtest.h>

#include "game/DamageRegion.h"

namespace sassorbi {
namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

TEST(DamageRegionTest, OverlappingAndNearRectanglesJoinAndDistantOnesStayApart) {
    DamageRegion damage;
    damage.Add({100, 100, 45, 63});
    damage.Add({100, 108, 45, 63});  // the same asteroid one step lower
    damage.Add({300, 100, 45, 63});
    damage.Add({300, 175, 45, 63});  // a gap of 12 rows: cheaper in one request
    damage.Add({700, 500, 50, 50});  // far from everything
    const std::vector<Rect> areas = damage.Take(kWidth, kHeight);
    ASSERT_EQ(areas.size(), 3u);
    EXPECT_EQ(areas[0], (Rect{100, 100, 45, 71}));
    EXPECT_EQ(areas[1], (Rect{300, 100, 45, 138}));
    EXPECT_EQ(areas[2], (Rect{700, 500, 50, 50}));
}

TEST(DamageRegionTest, RectanglesAreClippedToTheFrameAndTakingEmptiesTheRegion) {
    DamageRegion damage;
    EXPECT_TRUE(damage.IsEmpty());
    damage.Add({-10, 590, 30, 30});
    damage.Add({900, 0, 10, 10});
    damage.Add({5, 5, 0, 10});
    EXPECT_FALSE(damage.IsEmpty());
    EXPECT_EQ(damage.Take(kWidth, kHeight), (std::vector<Rect>{{0, 590, 20, 10}}));
    EXPECT_TRUE(damage.IsEmpty());
    EXPECT_TRUE(damage.Take(kWidth, kHeight).empty()) << "nothing changed, nothing to send";
}

TEST(DamageRegionTest, LargeDamageAndUnboundedChangesSendTheWholeFrame) {
    const std::vector<Rect> whole = {{0, 0, kWidth, kHeight}};
    DamageRegion damage;
    const int rows = kHeight * DamageRegion::kWholeFramePercent / 100;
    // Two bands too far apart to join, together just past the share.
    damage.Add({0, 0, kWidth, rows / 2 + 1});
    damage.Add({0, kHeight - rows / 2 - 1, kWidth, rows / 2 + 1});
    EXPECT_EQ(damage.Take(kWidth, kHeight), whole);
    damage.Add({0, 0, kWidth, rows / 2 - 1});
    damage.Add({0, kHeight - rows / 2 + 1, kWidth, rows / 2 - 1});
    EXPECT_EQ(damage.Take(kWidth, kHeight).size(), 2u) << "just below the share";
    damage.Add({10, 10, 5, 5});
    damage.AddAll();
    EXPECT_EQ(damage.Take(kWidth, kHeight), whole);
}

}  // namespace
}  // namespace sassorbi
