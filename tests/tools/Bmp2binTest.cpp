// bmp2bin as a user runs it: a BMP in, a picture file out, the size on standard output, and
// for a bad file a reason on standard error, status 1 and no output file.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/TempFolder.h"
#include "tests/tools/BmpBuilder.h"
#include "util/Files.h"

namespace sassorbi::testing {
namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

// Runs the converter with the arguments as given (already quoted for the shell).
Outcome Convert(const std::string& arguments) {
    const std::string command =
        std::string("'") + BMP2BIN + "' " + arguments + " >stdout.txt 2>stderr.txt";
    const int result = std::system(command.c_str());
    return {WIFEXITED(result) ? WEXITSTATUS(result) : -1, ReadFile("stdout.txt"),
            ReadFile("stderr.txt")};
}

class Bmp2binTest : public TempFolderTest {};

TEST_F(Bmp2binTest, A24BitFileBecomesRawRGBTopRowFirst) {
    const BmpPixels pixel = [](int x, int y) { return Colour24(static_cast<uint32_t>(x + 5 * y)); };
    WriteFile("in.bmp", MakeBmp(24, 5, 3, {}, pixel));
    const Outcome run = Convert("in.bmp out.bin");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "5 3 24\n");
    EXPECT_EQ(run.err, "");
    const std::vector<uint8_t> expected = ExpectedRGB(24, 5, 3, {}, pixel);
    EXPECT_EQ(ReadFile("out.bin"), std::string(expected.begin(), expected.end()));
    EXPECT_FALSE(FileExists("in.bmp.c"));
    EXPECT_FALSE(FileExists("log.txt"));
}

TEST_F(Bmp2binTest, PaletteFilesAreReadByTheirDepthAndA4BitOneIsAlsoExported) {
    const std::vector<uint32_t> palette = {0xFF0000, 0x00FF00, 0x0000FF};
    const BmpPixels pixel = [](int x, int y) { return static_cast<uint32_t>((x + y) % 3); };
    WriteFile("eight.bmp", MakeBmp(8, 3, 2, palette, pixel));
    WriteFile("four.bmp", MakeBmp(4, 3, 2, palette, pixel));
    const std::vector<uint8_t> rgb = ExpectedRGB(8, 3, 2, palette, pixel);
    const std::string expected(rgb.begin(), rgb.end());

    const Outcome eight = Convert("eight.bmp eight.bin");
    EXPECT_EQ(eight.status, 0);
    EXPECT_EQ(eight.out, "3 2 8\n");
    EXPECT_EQ(ReadFile("eight.bin"), expected);
    EXPECT_FALSE(FileExists("eight.bmp.c"));

    const Outcome four = Convert("four.bmp four.bin");
    EXPECT_EQ(four.status, 0);
    EXPECT_EQ(four.out, "3 2 4\n");
    EXPECT_EQ(ReadFile("four.bin"), expected);
    EXPECT_EQ(ReadFile("four.bmp.c"),
              "int wFOUR = 3;\nint hFOUR = 2;\n\nchar imgFOUR[] = {\n"
              "0xFF,0x00,0x00,0x00,0xFF,0x00,0x00,0x00,0xFF,\n0x12,0x00,\n0x01,0x20,\n};\n\n");
}

TEST_F(Bmp2binTest, AFileItCannotReadGetsOneLineStatusOneAndNoOutput) {
    std::string cut = MakeBmp(24, 4, 4, {}, [](int x, int) { return x; });
    cut.resize(cut.size() - 5);
    WriteFile("cut.bmp", cut);
    std::string compressed = MakeBmp(8, 4, 4, {0}, [](int, int) { return 0; });
    compressed[30] = 1;
    WriteFile("compressed.bmp", compressed);
    std::string mono = MakeBmp(8, 4, 4, {0}, [](int, int) { return 0; });
    mono[28] = 1;
    WriteFile("mono.bmp", mono);
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"cut.bmp", "bmp2bin: cut.bmp: pixel rows cut short (43 of 48 bytes)\n"},
        {"compressed.bmp",
         "bmp2bin: compressed.bmp: compressed (method 1), only uncompressed files are read\n"},
        {"mono.bmp", "bmp2bin: mono.bmp: 1 bits per pixel not supported\n"},
        {"missing.bmp", "bmp2bin: missing.bmp: cannot be opened\n"}};
    for (const auto& [input, message] : cases) {
        const Outcome run = Convert(input + " out.bin");
        EXPECT_EQ(run.status, 1) << input;
        EXPECT_EQ(run.out, "") << input;
        EXPECT_EQ(run.err, message);
        EXPECT_FALSE(FileExists("out.bin")) << input;
    }
}

TEST_F(Bmp2binTest, AWrongArgumentCountGetsTheUsageAndStatusTwo) {
    for (const std::string arguments : {"", "in.bmp", "in.bmp out.bin extra"}) {
        const Outcome run = Convert(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_EQ(run.err, "usage: bmp2bin INPUT.bmp OUTPUT.bin\n");
    }
}

}  // namespace
}  // namespace sassorbi::testing
