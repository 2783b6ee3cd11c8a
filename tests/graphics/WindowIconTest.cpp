// The window icon file: the generated one read whole, and every damaged file refused with
// one line in the log and no icon.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <string>
#include <vector>

#include "graphics/WindowIcon.h"
#include "tests/support/LogMark.h"
#include "tests/support/TempFolder.h"
#include "util/Files.h"

namespace sassorbi {
namespace {

std::string Words(const std::vector<uint32_t>& words) {
    std::string bytes;
    for (uint32_t word : words) {
        for (int shift = 0; shift < 32; shift += 8)
            bytes += static_cast<char>(word >> shift);
    }
    return bytes;
}

class WindowIconTest : public TempFolderTest {
protected:
    // Reads the file and returns what the log says about it.
    std::string ReadLogged(const std::string& path, std::vector<unsigned long>* icon) {
        LogMark log;
        *icon = ReadWindowIcon(path);
        return log.Take();
    }
};

TEST_F(WindowIconTest, TheGeneratedIconHoldsFourSizesOfStraightArgbPixels) {
    std::vector<unsigned long> icon;
    EXPECT_EQ(ReadLogged(SASSORBI_GAME_DIR "/Data/icona.argb", &icon), "");
    size_t at = 0;
    for (unsigned long side : {16, 32, 48, 64}) {
        ASSERT_LT(at + 1, icon.size());
        EXPECT_EQ(icon[at], side);
        EXPECT_EQ(icon[at + 1], side);
        const unsigned long corner = icon[at + 2];
        const unsigned long middle = icon[at + 2 + side * side / 2 + side / 2];
        EXPECT_EQ(corner >> 24, 0u) << side << ": the corners show what is behind";
        EXPECT_EQ(middle >> 24, 0xFFu) << side;
        at += 2 + side * side;
    }
    EXPECT_EQ(at, icon.size());
}

TEST_F(WindowIconTest, ByteOrderIsLittleEndianWhateverTheMachine) {
    WriteFile("one.argb", Words({1, 2, 0x80FF2010, 0xFF000001}));
    std::vector<unsigned long> icon;
    EXPECT_EQ(ReadLogged("one.argb", &icon), "");
    EXPECT_EQ(icon, (std::vector<unsigned long>{1, 2, 0x80FF2010, 0xFF000001}));
}

TEST_F(WindowIconTest, AMissingOrDamagedFileGivesNoIconAndOneLine) {
    std::vector<unsigned long> icon;
    EXPECT_EQ(ReadLogged("absent.argb", &icon), "absent.argb: non trovato\n");
    EXPECT_TRUE(icon.empty());
    const std::string damaged[] = {
        "",                                            // empty
        Words({2, 2, 1, 2, 3}),                        // one pixel short
        Words({1, 1, 7}) + "xy",                       // a part of a word after it
        Words({1, 1, 7, 5}),                           // a word after the last image
        Words({0, 4}),                                 // no width
        Words({2000, 1}) + std::string(8000, '\x01'),  // wider than any icon
    };
    for (const std::string& bytes : damaged) {
        WriteFile("bad.argb", bytes);
        EXPECT_EQ(ReadLogged("bad.argb", &icon), "Icona non valida: bad.argb\n") << bytes.size();
        EXPECT_TRUE(icon.empty());
    }
}

// Something else in the file's place: a device that never ends and a pipe nobody writes to
// are refused without being read.
TEST_F(WindowIconTest, ADeviceOrAPipeInPlaceOfTheFileIsNotRead) {
    std::vector<unsigned long> icon;
    ASSERT_EQ(symlink("/dev/zero", "zero.argb"), 0);
    EXPECT_EQ(ReadLogged("zero.argb", &icon), "Icona non valida: zero.argb\n");
    EXPECT_TRUE(icon.empty());
    ASSERT_EQ(mkfifo("pipe.argb", 0600), 0);
    EXPECT_EQ(ReadLogged("pipe.argb", &icon), "Icona non valida: pipe.argb\n");
    EXPECT_TRUE(icon.empty());
}

}  // namespace
}  // namespace sassorbi
