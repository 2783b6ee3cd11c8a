#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "devices/ScoreTable.h"
#include "tests/support/TempFolder.h"
#include "util/Files.h"

namespace sassorbi {
namespace {

const char kTable[] = "Data/Sassorbi/Score/Classifica.txt";

using Lines = std::vector<std::string>;

std::string Joined(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

// Lines "<8-digit score> P<n>" for the scores given.
Lines Entries(const std::vector<int>& scores) {
    Lines lines;
    for (int score : scores) {
        std::string digits = std::to_string(score);
        lines.push_back(std::string(8 - digits.size(), '0') + digits + " P" + digits);
    }
    return lines;
}

class ScoreTableTest : public TempFolderTest {
protected:
    void WriteTable(const std::string& content) {
        ASSERT_EQ(ScoreFolder("Sassorbi"), "Data/Sassorbi/Score/");
        WriteFile(kTable, content);
    }

    ScoreTable table_{"Sassorbi"};
};

TEST_F(ScoreTableTest, ScoresAreStoredInTheirFixedFormat) {
    EXPECT_TRUE(table_.ReadEntries().empty());
    EXPECT_FALSE(table_.HasFailed());
    EXPECT_TRUE(table_.AddScore(0, "X"));
    EXPECT_EQ(ReadFile(kTable), "00000000 X\n");
    EXPECT_TRUE(ScoreTable("Sassorbi").AddScore(12345, ScoreEntryText("ACE", 3)));
    EXPECT_TRUE(
        ScoreTable("Sassorbi").AddScore(123456789, ScoreEntryText("LONGER THAN TWELVE", 10)));
    EXPECT_TRUE(ScoreTable("Sassorbi").AddScore(7, "Y"));
    const Lines expected = {"23456789 LONGER THAN TWELVE Level 10", "00012345 ACE          Level 3",
                            "00000007 Y", "00000000 X"};
    EXPECT_EQ(ReadFile(kTable), Joined(expected));
    EXPECT_EQ(expected[1].size(), 29u);
    EXPECT_EQ(table_.ReadEntries(), expected);
    EXPECT_FALSE(FileExists("Data/Sassorbi/Score/Classifica.txt.tmp"));
}

TEST_F(ScoreTableTest, TheTableIsSortedBestFirstAndCutToTen) {
    WriteTable(Joined(Entries({40, 90, 10, 100, 60, 30, 80, 20, 70, 50})));
    EXPECT_TRUE(table_.AddScore(5, "P5"));
    EXPECT_EQ(ReadFile(kTable), Joined(Entries({100, 90, 80, 70, 60, 50, 40, 30, 20, 10})));
    EXPECT_TRUE(table_.AddScore(55, "P55"));
    EXPECT_EQ(ReadFile(kTable), Joined(Entries({100, 90, 80, 70, 60, 55, 50, 40, 30, 20})));
}

TEST_F(ScoreTableTest, EqualScoresAndDuplicatesFollowTheWholeLine) {
    WriteTable("00000050 Zed          Level 1\n00000050 ann          Level 9");
    EXPECT_TRUE(table_.AddScore(50, "ann          Level 10"));
    EXPECT_TRUE(table_.AddScore(50, "ann          Level 10"));
    EXPECT_TRUE(table_.AddScore(50, "\xe9mile"));  // Bytes compare unsigned.
    EXPECT_EQ(table_.ReadEntries(),
              Lines({"00000050 \xe9mile", "00000050 ann          Level 9",
                     "00000050 ann          Level 10", "00000050 ann          Level 10",
                     "00000050 Zed          Level 1"}));
}

TEST_F(ScoreTableTest, AHandEditedTableIsReadAsItIsAndCutAtTheNextAdd) {
    Lines twelve = Entries({3, 120, 7, 110, 50, 1, 90, 60, 2, 80, 40, 100});
    twelve.push_back("not a score");
    WriteTable(Joined(twelve) + "00000004 no line feed");
    Lines read = twelve;
    read.push_back("00000004 no line feed");
    EXPECT_EQ(table_.ReadEntries(), read);
    EXPECT_TRUE(table_.AddScore(95, "P95"));
    // Letters sort above digits, so the line that is not a score leads.
    Lines best = {"not a score"};
    for (const std::string& line : Entries({120, 110, 100, 95, 90, 80, 60, 50, 40}))
        best.push_back(line);
    EXPECT_EQ(ReadFile(kTable), Joined(best));
}

// Each refused score says in the log which file and which line stopped the reading.
TEST_F(ScoreTableTest, ATableReadOnlyInPartIsLeftUntouchedAndTheLogNamesTheLine) {
    const std::string long_line = "00000900 " + std::string(300, 'L') + "\n";
    const std::string content = "00000100 A\n" + long_line + "00000050 B\n";
    WriteTable(content);
    EXPECT_EQ(table_.ReadEntries(), Lines({"00000100 A"}));
    EXPECT_FALSE(FileExists("log.txt")) << "reading alone says nothing";
    EXPECT_FALSE(table_.AddScore(200, "C"));
    EXPECT_FALSE(table_.HasFailed());
    EXPECT_EQ(ReadFile(kTable), content);
    const std::string refused =
        "Score not stored: line 2 of Data/Sassorbi/Score/Classifica.txt is longer than 255 "
        "characters or cannot be read\n";
    EXPECT_EQ(ReadFile("log.txt"), refused);
    // A folder where the file should be.
    RemoveFile(kTable);
    ASSERT_TRUE(CreateFolder(kTable));
    EXPECT_TRUE(table_.ReadEntries().empty());
    EXPECT_FALSE(table_.AddScore(200, "C"));
    EXPECT_TRUE(std::filesystem::is_directory(kTable));
    EXPECT_FALSE(FileExists(std::string(kTable) + ".tmp"));
    EXPECT_EQ(ReadFile("log.txt"),
              refused + "Score not stored: Data/Sassorbi/Score/Classifica.txt is not a file\n");
}

TEST_F(ScoreTableTest, AFolderThatCannotBeMadeFailsWithoutWriting) {
    WriteFile("Data", "a file, not a folder");
    EXPECT_TRUE(table_.ReadEntries().empty());
    EXPECT_TRUE(table_.HasFailed());
    EXPECT_FALSE(table_.AddScore(10, "X"));
    EXPECT_TRUE(table_.HasFailed());
    EXPECT_FALSE(table_.SaveEntries({"00000010 X"}));
    EXPECT_EQ(ReadFile("Data"), "a file, not a folder");
    EXPECT_EQ(ScoreFolder("Sassorbi"), "");
}

// Neither a new table that cannot be written nor one that cannot replace the old is kept.
TEST_F(ScoreTableTest, ATableThatCannotBeWrittenOrPutInPlaceLeavesTheOldOneAndNoLeftover) {
    const std::string new_table = std::string(kTable) + ".tmp";
    const std::string old_table = Joined(Entries({300, 200}));
    WriteTable(old_table);
    ASSERT_TRUE(CreateFolder(new_table));
    EXPECT_FALSE(table_.AddScore(250, "P250"));
    EXPECT_EQ(ReadFile(kTable), old_table);
    EXPECT_FALSE(FileExists(new_table));
    EXPECT_TRUE(table_.AddScore(250, "P250")) << "the way is clear again";
    EXPECT_EQ(ReadFile(kTable), Joined(Entries({300, 250, 200})));

    RemoveFile(kTable);
    ASSERT_TRUE(CreateFolder(kTable));
    WriteFile(std::string(kTable) + "/kept", "x");
    EXPECT_FALSE(table_.SaveEntries(Entries({10})));
    EXPECT_EQ(ReadFile(std::string(kTable) + "/kept"), "x");
    EXPECT_FALSE(FileExists(new_table));
}

// The writer dies between writing the new table and putting it in place.
void KillSelf() {
    kill(getpid(), SIGKILL);
}

TEST_F(ScoreTableTest, ACrashDuringASaveLeavesTheOldTable) {
    const std::string old_table = Joined(Entries({300, 200, 100}));
    WriteTable(old_table);
    const pid_t writer = fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
        SetScoreReplaceHook(KillSelf);
        ScoreTable("Sassorbi").AddScore(250, "P250");
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(writer, &status, 0), writer);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGKILL);
    EXPECT_EQ(ReadFile(kTable), old_table);
    EXPECT_EQ(ReadFile(std::string(kTable) + ".tmp"), Joined(Entries({300, 250, 200, 100})));
    // The next save starts afresh over the leftover.
    EXPECT_TRUE(table_.AddScore(150, "P150"));
    EXPECT_EQ(ReadFile(kTable), Joined(Entries({300, 200, 150, 100})));
    EXPECT_FALSE(FileExists(std::string(kTable) + ".tmp"));
}

}  // namespace
}  // namespace sassorbi
