#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "devices/JoystickConfig.h"
#include "tests/support/TempFolder.h"
#include "util/Files.h"

namespace sassorbi {
namespace {

using JoystickConfigTest = TempFolderTest;

const char kDefaultFile[] =
    "JoystickEnable= 1\n"
    "AixsXCfg= 0\n"
    "AixsYCfg= 1\n"
    "MinValueLeftCfg= -32767\n"
    "MaxValueLeftCfg= -1\n"
    "MinValueRightCfg= 1\n"
    "MaxValueRightCfg= 32767\n"
    "MinValueUpCfg= -32767\n"
    "MaxValueUpCfg= -1\n"
    "MinValueDownCfg= 1\n"
    "MaxValueDownCfg= 32767\n";

JoystickConfig Load(const std::string& path) {
    JoystickConfig config;
    LoadJoystickConfigFrom(path, config);
    return config;
}

TEST_F(JoystickConfigTest, AMissingFileIsWrittenWithItsDefaultsAndRead) {
    JoystickSettings() = JoystickConfig{};
    LoadJoystickConfig();
    EXPECT_EQ(ReadFile("joystick.cfg"), kDefaultFile);
    const JoystickConfig& c = JoystickSettings();
    const std::vector<int32_t> values = {
        c.joystick_enable,    c.aixs_x_cfg,          c.aixs_y_cfg,          c.min_value_left_cfg,
        c.max_value_left_cfg, c.min_value_right_cfg, c.max_value_right_cfg, c.min_value_up_cfg,
        c.max_value_up_cfg,   c.min_value_down_cfg,  c.max_value_down_cfg};
    EXPECT_EQ(values, std::vector<int32_t>({1, 0, 1, -32767, -1, 1, 32767, -32767, -1, 1, 32767}));
    EXPECT_FALSE(FileExists("log.txt"));
    JoystickSettings() = JoystickConfig{};
}

TEST_F(JoystickConfigTest, BlanksRemarksAndWindowsLineEndsAroundValues) {
    WriteFile("my.cfg",
              "JoystickEnable=0\r\n"
              "\tAixsXCfg =  3 # the throttle stick\r\n"
              "AixsYCfg= 4\r\n"
              "AixsYCfg= 5\r\n"
              "MinValueLeftCfg= \r\n"
              "MaxValueLeftCfg=+12abc\r\n"
              "MinValueRightCfg= 99999999999\r\n"
              "MaxValueRightCfg= -99999999999");
    const JoystickConfig config = Load("my.cfg");
    EXPECT_EQ(config.joystick_enable, 0);
    EXPECT_EQ(config.aixs_x_cfg, 3);
    EXPECT_EQ(config.aixs_y_cfg, 5);  // The later line wins.
    EXPECT_EQ(config.min_value_left_cfg, 0);
    EXPECT_EQ(config.max_value_left_cfg, 12);
    EXPECT_EQ(config.min_value_right_cfg, std::numeric_limits<int32_t>::max());
    EXPECT_EQ(config.max_value_right_cfg, std::numeric_limits<int32_t>::min());
    EXPECT_EQ(config.min_value_up_cfg, kJoystickUnset);
}

TEST_F(JoystickConfigTest, MalformedLinesAndOtherLetterCaseAreIgnored) {
    WriteFile("my.cfg",
              "joystickenable= 0\n"
              "AIXSXCFG= 2\n"
              "AixsXCfg 2\n"
              "AixsYCfg= 1 = 2\n"
              "MinValueUpCfg=\n"
              "Unknown= 5\n"
              "MaxValueUpCfg= -7\n");
    const JoystickConfig config = Load("my.cfg");
    EXPECT_EQ(config.joystick_enable, kJoystickUnset);
    EXPECT_EQ(config.aixs_x_cfg, kJoystickUnset);
    EXPECT_EQ(config.aixs_y_cfg, kJoystickUnset);
    EXPECT_EQ(config.min_value_up_cfg, kJoystickUnset);
    EXPECT_EQ(config.max_value_up_cfg, -7);
    // A file that never sets JoystickEnable is read again at every load.
    WriteFile("my.cfg", "MaxValueUpCfg= -9\n");
    JoystickConfig again = config;
    LoadJoystickConfigFrom("my.cfg", again);
    EXPECT_EQ(again.max_value_up_cfg, -9);
}

TEST_F(JoystickConfigTest, ALoadedFileIsNotReadAgain) {
    WriteFile("my.cfg", "JoystickEnable= 2\nAixsXCfg= 6\n");
    JoystickConfig config = Load("my.cfg");
    WriteFile("my.cfg", "JoystickEnable= 0\nAixsXCfg= 7\n");
    LoadJoystickConfigFrom("my.cfg", config);
    EXPECT_EQ(config.joystick_enable, 2);
    EXPECT_EQ(config.aixs_x_cfg, 6);
}

TEST_F(JoystickConfigTest, AFileThatCannotBeCreatedIsLoggedAndLeavesAllUnset) {
    const JoystickConfig config = Load("missing/joystick.cfg");
    EXPECT_EQ(ReadFile("log.txt"), "impossibile creare il file missing/joystick.cfg\n");
    EXPECT_EQ(config.joystick_enable, kJoystickUnset);
    EXPECT_EQ(config.max_value_down_cfg, kJoystickUnset);
}

}  // namespace
}  // namespace sassorbi
