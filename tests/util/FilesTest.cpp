#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "tests/support/TempFolder.h"
#include "util/Files.h"

namespace sassorbi {
namespace {

using Lines = std::vector<std::string>;

class FilesTest : public TempFolderTest {};

// Slash, backslash and (for drive names) colon all end a folder name.
TEST(PathTest, SeparatorsAreAddedOnlyWhenMissingAndTheNameFollowsTheLastOne) {
    EXPECT_EQ(AddPathSeparator("Data"), "Data/");
    EXPECT_EQ(AddPathSeparator(""), "");
    EXPECT_EQ(AddPathSeparator("C:"), "C:");
    EXPECT_EQ(AddPathSeparator("Data/"), "Data/");
    EXPECT_EQ(AddPathSeparator("Data\\"), "Data\\");

    EXPECT_EQ(FileName("Data/sub\\logo.bmp"), "logo.bmp");
    EXPECT_EQ(FileName("C:logo.bmp"), "logo.bmp");
    EXPECT_EQ(FileName("a:b/c:d"), "c:d") << "a colon counts only without a slash";
    EXPECT_EQ(FileName("logo.bmp"), "logo.bmp");
    EXPECT_EQ(FileName("Data/"), "");
}

TEST_F(FilesTest, ExistenceSizeAndRemoval) {
    WriteFile("five", "12345");
    EXPECT_TRUE(FileExists("five"));
    EXPECT_EQ(FileSize("five"), 5);
    EXPECT_FALSE(FileExists("missing"));
    EXPECT_EQ(FileSize("missing"), 0);
    EXPECT_TRUE(RemoveFile("five"));
    EXPECT_FALSE(FileExists("five"));
    EXPECT_FALSE(RemoveFile("five"));
}

TEST_F(FilesTest, CreateFolderAcceptsExistingFolders) {
    EXPECT_TRUE(CreateFolder("Data"));
    struct stat info {};
    ASSERT_EQ(stat("Data", &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_TRUE(FileExists("Data"));
    EXPECT_TRUE(CreateFolder("Data"));
    EXPECT_FALSE(CreateFolder("missing/child"));
    EXPECT_FALSE(FileExists("missing"));
}

TEST_F(FilesTest, BinaryFileReadsAtOffsetsAndStopsAtTheEnd) {
    WriteFile("bytes", std::string("\x00\x01\x02\x03\x04\x05\x06\x07\x08\x09", 10));
    BinaryFile file("bytes");
    ASSERT_TRUE(file.IsOpen());
    unsigned char buffer[16] = {};
    EXPECT_EQ(file.ReadAt(3, buffer, 4), 4u);
    EXPECT_EQ(buffer[0], 3);
    EXPECT_EQ(buffer[3], 6);
    EXPECT_EQ(file.ReadAt(8, buffer, sizeof buffer), 2u);
    EXPECT_EQ(buffer[1], 9);
    EXPECT_EQ(file.ReadAt(0, buffer, 1), 1u);
    EXPECT_EQ(buffer[0], 0);
    EXPECT_EQ(file.ReadAt(20, buffer, 4), 0u);
    EXPECT_FALSE(file.HasFailed());
    file.Close();
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(file.ReadAt(0, buffer, 4), 0u);
}

TEST_F(FilesTest, BinaryFileFailures) {
    unsigned char buffer[4] = {};
    BinaryFile missing("missing");
    EXPECT_TRUE(missing.HasFailed());
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_EQ(missing.ReadAt(0, buffer, 4), 0u);

    WriteFile("bytes", "abcd");
    BinaryFile file("bytes");
    EXPECT_EQ(file.ReadAt(-1, buffer, 4), 0u);
    EXPECT_TRUE(file.HasFailed());
    EXPECT_EQ(file.ReadAt(0, buffer, 4), 0u);
}

TEST_F(FilesTest, ReadLinesSplitsOnLineFeedsOnlyAndNeedsTheFile) {
    WriteFile("lines", "one\r\ntwo\n\nlast");
    TextFile file("lines");
    EXPECT_EQ(file.ReadLines(), (Lines{"one\r", "two", "", "last"}));
    EXPECT_FALSE(file.HasFailed());
    EXPECT_FALSE(file.WasNotOpened());
    EXPECT_EQ(file.ReadAll(), "one\r\r\ntwo\r\n\r\nlast\r\n");

    WriteFile("empty", "");
    TextFile empty("empty");
    EXPECT_TRUE(empty.ReadLines().empty());
    EXPECT_EQ(empty.ReadAll(), "");
    EXPECT_FALSE(empty.HasFailed());

    TextFile missing("missing");
    EXPECT_TRUE(missing.ReadLines().empty());
    EXPECT_TRUE(missing.HasFailed());
    EXPECT_TRUE(missing.WasNotOpened());
}

TEST_F(FilesTest, ReadLinesStopsAtTheFirstLineOver255Bytes) {
    const std::string longest(255, 'a');
    WriteFile("fits", "first\n" + longest + "\n" + longest);
    EXPECT_EQ(TextFile("fits").ReadLines(), (Lines{"first", longest, longest}));

    WriteFile("long", "first\n" + std::string(300, 'b') + "\nthird\n");
    EXPECT_EQ(TextFile("long").ReadLines(), (Lines{"first"}));

    WriteFile("long_last", "first\n" + std::string(256, 'c'));
    EXPECT_EQ(TextFile("long_last").ReadLines(), (Lines{"first"}));
}

TEST_F(FilesTest, WriteLinesTruncatesAndAppendLinesExtends) {
    TextFile file("out.txt");
    EXPECT_TRUE(file.AppendLines({"created"}));
    EXPECT_EQ(ReadFile("out.txt"), "created\n");
    EXPECT_TRUE(file.AppendLines({"more", ""}));
    EXPECT_EQ(ReadFile("out.txt"), "created\nmore\n\n");
    EXPECT_TRUE(file.WriteLines({"fresh"}));
    EXPECT_EQ(ReadFile("out.txt"), "fresh\n");
    EXPECT_TRUE(file.WriteLines({}));
    EXPECT_EQ(ReadFile("out.txt"), "");
    EXPECT_TRUE(TextFile("new.txt").WriteLines({"a", "b"}));
    EXPECT_EQ(ReadFile("new.txt"), "a\nb\n");
}

TEST_F(FilesTest, WritingFailuresAreReportedAndFlagged) {
    TextFile nowhere("missing/out.txt");
    EXPECT_FALSE(nowhere.WriteLines({"x"}));
    EXPECT_TRUE(nowhere.HasFailed());
    EXPECT_TRUE(nowhere.WasNotOpened());
    EXPECT_FALSE(nowhere.AppendLines({"x"}));
    EXPECT_FALSE(FileExists("missing"));

    // The flags describe the last operation only.
    TextFile file("out.txt");
    EXPECT_TRUE(file.ReadLines().empty());
    EXPECT_TRUE(file.WriteLines({"x"}));
    EXPECT_FALSE(file.HasFailed());
    EXPECT_FALSE(file.WasNotOpened());

    // A write error after a successful open: the device always reports a full disk.
    TextFile full("/dev/full");
    EXPECT_FALSE(full.WriteLines({"never stored"}));
    EXPECT_TRUE(full.HasFailed());
    EXPECT_FALSE(full.WasNotOpened());
}

}  // namespace
}  // namespace sassorbi
