#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <set>

#include "tests/support/TempFolder.h"
#include "util/DataFolder.h"
#include "util/Files.h"
#include "util/Random.h"

namespace sassorbi {
namespace {

TEST(RandomTest, StaysInTheRangeAndReachesEveryValue) {
    std::set<int> seen;
    for (int i = 0; i < 1000; ++i) {
        const int value = Random(3, 5);
        EXPECT_GE(value, 3);
        EXPECT_LE(value, 5);
        seen.insert(value);
        EXPECT_EQ(Random(1, 1), 1);
        EXPECT_EQ(Random(-2, -2), -2);
    }
    EXPECT_EQ(seen, (std::set<int>{3, 4, 5}));
}

TEST(RandomTest, AnEmptyRangeGivesTheLowBound) {
    EXPECT_EQ(Random(5, 3), 5);
    EXPECT_EQ(Random(0, -1), 0);
}

TEST(RandomTest, SeedsOnlyOnTheFirstCall) {
    Random(0, 1);
    std::srand(42);
    const int first = Random(0, 1000000);
    const int second = Random(0, 1000000);
    std::srand(42);
    EXPECT_EQ(first, std::rand() % 1000001);
    EXPECT_EQ(second, std::rand() % 1000001);
}

class DataFolderTest : public TempFolderTest {};

TEST_F(DataFolderTest, CreatesDataOnlyWhenNothingHasThatName) {
    EXPECT_EQ(DataFolder(), "Data");
    struct stat info {};
    ASSERT_EQ(stat("Data", &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    WriteFile("Data/kept", "x");
    EXPECT_EQ(DataFolder(), "Data");
    EXPECT_TRUE(FileExists("Data/kept"));

    // Any entry of that name will do, even a plain file.
    ASSERT_EQ(std::filesystem::remove_all("Data"), 2u);
    WriteFile("Data", "not a folder");
    EXPECT_EQ(DataFolder(), "Data");
    ASSERT_EQ(stat("Data", &info), 0);
    EXPECT_TRUE(S_ISREG(info.st_mode));
}

}  // namespace
}  // namespace sassorbi
