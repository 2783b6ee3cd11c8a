// The command line: what each option answers, and the real program answering it without a
// display and without touching the files of the folder it is started in.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "tests/support/TempFolder.h"

namespace sassorbi {
namespace {

CommandLine Parse(std::vector<const char*> words) {
    words.insert(words.begin(), "sassorbi");
    return ParseCommandLine(static_cast<int>(words.size()), words.data());
}

void ExpectRefused(const CommandLine& line, const std::string& reason) {
    EXPECT_FALSE(line.run);
    EXPECT_EQ(line.exit_status, 2);
    EXPECT_EQ(line.output, "");
    EXPECT_EQ(line.error, "sassorbi: " + reason + "; " + UsageLine() + "\n");
}

TEST(CommandLineTest, WithoutOptionsTheGameRuns) {
    const CommandLine line = Parse({});
    EXPECT_TRUE(line.run);
    EXPECT_EQ(line.output + line.error, "");
}

TEST(CommandLineTest, HelpAndVersionAnswerOnStandardOutputAndEndWithSuccess) {
    const CommandLine help = Parse({"--help"});
    EXPECT_FALSE(help.run);
    EXPECT_EQ(help.exit_status, 0);
    EXPECT_EQ(help.output.rfind("Usage: sassorbi [OPTION]...\n", 0), 0u) << help.output;
    EXPECT_NE(help.output.find("\n  --version         show the version and exit\n"),
              std::string::npos)
        << help.output;
    EXPECT_EQ(help.error, "");

    const CommandLine version = Parse({"--version"});
    EXPECT_FALSE(version.run);
    EXPECT_EQ(version.exit_status, 0);
    EXPECT_EQ(version.output, "sassorbi " SASSORBI_VERSION "\n");
    EXPECT_EQ(UsageLine(), "usage: sassorbi [--help] [--version] [--scale N|auto]");
}

TEST(CommandLineTest, AnythingUnknownIsRefusedWithTheUsage) {
    ExpectRefused(Parse({"--fullscreen"}), "unknown option '--fullscreen'");
    ExpectRefused(Parse({"-h"}), "unknown option '-h'");
    ExpectRefused(Parse({"level2"}), "unknown option 'level2'");
    ExpectRefused(Parse({"--help=all"}), "--help takes no value");
    ExpectRefused(Parse({"--bogus", "--help"}), "unknown option '--bogus'");
}

TEST(CommandLineTest, ScaleTakesOneToFourOrAuto) {
    EXPECT_EQ(Parse({}).options.scale, 1);
    EXPECT_EQ(Parse({"--scale", "2"}).options.scale, 2);
    EXPECT_EQ(Parse({"--scale=4"}).options.scale, 4);
    const CommandLine automatic = Parse({"--scale", "auto"});
    EXPECT_TRUE(automatic.run);
    EXPECT_EQ(automatic.options.scale, 0);
    for (const char* wrong : {"0", "5", "22", "-1", "", "Auto", "2x"})
        ExpectRefused(Parse({"--scale", wrong}),
                      "'" + std::string(wrong) + "' is no value for --scale");
    ExpectRefused(Parse({"--scale"}), "--scale needs a value");
    EXPECT_NE(Parse({"--help"}).output.find("F11"), std::string::npos);
}

TEST(CommandLineTest, AnOptionThatAnswersDoesNotHideWhatFollowsIt) {
    ExpectRefused(Parse({"--help", "--bogus"}), "unknown option '--bogus'");
    ExpectRefused(Parse({"--version", "--help=all"}), "--help takes no value");
    const CommandLine first = Parse({"--version", "--help"});
    EXPECT_EQ(first.exit_status, 0);
    EXPECT_EQ(first.output, "sassorbi " SASSORBI_VERSION "\n") << "the first answer stands";
}

// The real program, its two streams and its exit status apart.
class ProgramCommandLineTest : public TempFolderTest {
protected:
    int Run(const std::string& arguments) {
        const std::string command =
            "env -u DISPLAY " SASSORBI_EXECUTABLE " " + arguments + " >out.txt 2>err.txt";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
};

TEST_F(ProgramCommandLineTest, OptionsAnswerWithoutADisplayAndLeaveTheLogAlone) {
    WriteFile("log.txt", "the last game\n");
    EXPECT_EQ(Run("--version"), 0);
    EXPECT_EQ(ReadFile("out.txt"), "sassorbi " SASSORBI_VERSION "\n");
    EXPECT_EQ(Run("--help"), 0);
    EXPECT_NE(ReadFile("out.txt").find("--version"), std::string::npos);
    EXPECT_EQ(ReadFile("err.txt"), "");

    EXPECT_EQ(Run("--frobnicate"), 2);
    EXPECT_EQ(ReadFile("out.txt"), "");
    EXPECT_EQ(ReadFile("err.txt"),
              "sassorbi: unknown option '--frobnicate'; " + UsageLine() + "\n");
    EXPECT_EQ(ReadFile("log.txt"), "the last game\n");
}

}  // namespace
}  // namespace sassorbi
