// The log: one line per message, on standard output and in log.txt, whatever happens to the file.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "util/Log.h"
#include "tests/support/TempFolder.h"

namespace sassorbi {
namespace {

using LogTest = TempFolderTest;

TEST_F(LogTest, EachMessageIsOneLineInOrderOnStandardOutputAndInTheFile) {
    ::testing::internal::CaptureStdout();
    WriteLog("first");
    WriteLogString("second\nspans two lines");
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "first\nsecond\nspans two lines\n");
    EXPECT_EQ(ReadFile("log.txt"), "first\nsecond\nspans two lines\n");
}

TEST_F(LogTest, ClearingRemovesTheLogOfAPreviousRun) {
    WriteFile("log.txt", "old run\n");
    ClearLog();
    ::testing::internal::CaptureStdout();
    WriteLog("new run");
    ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(ReadFile("log.txt"), "new run\n");
}

TEST_F(LogTest, ALogThatCannotBeWrittenStillReachesStandardOutput) {
    // A folder in the log's place: as root, permissions would not stop the write.
    ASSERT_EQ(mkdir("log.txt", 0755), 0);
    ::testing::internal::CaptureStdout();
    WriteLog("still shown");
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "still shown\n");
}

}  // namespace
}  // namespace sassorbi
