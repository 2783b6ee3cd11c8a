// The C source written beside a 4-bit BMP: its exact text, and that its array is the
// embedded 16-colour picture of the same pixels.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "graphics/BmpReaders.h"
#include "graphics/BmpSource.h"
#include "graphics/MyImage.h"
#include "tests/support/TempFolder.h"
#include "tests/tools/BmpBuilder.h"
#include "util/Files.h"

namespace sassorbi::testing {
namespace {

std::string Hex(uint32_t byte) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X,", static_cast<unsigned>(byte & 0xFF));
    return text;
}

// The bytes of the array between "{" and "}".
std::vector<uint8_t> ArrayBytes(const std::string& source) {
    std::vector<uint8_t> bytes;
    const size_t end = source.find('}');
    for (size_t at = source.find("0x"); at < end; at = source.find("0x", at + 1))
        bytes.push_back(static_cast<uint8_t>(std::strtoul(source.c_str() + at, nullptr, 16)));
    return bytes;
}

class BmpSourceTest : public TempFolderTest {};

TEST_F(BmpSourceTest, ATwentyByTwentySixteenColourFileIsExportedExactly) {
    std::vector<uint32_t> palette;
    for (uint32_t i = 0; i < 16; ++i)
        palette.push_back(0x010203 * i + 0x0A0000);
    const BmpPixels pixel = [](int x, int y) { return static_cast<uint32_t>((x * 3 + y) % 16); };
    WriteFile("logo.bmp", MakeBmp(4, 20, 20, palette, pixel));
    WriteFile("logo.bmp.c", "an older export, longer than the new one" + std::string(9000, '.'));
    const std::vector<uint8_t> rgb = ReadBmp4AndExport("logo.bmp");

    std::string expected = "int wLOGO = 20;\nint hLOGO = 20;\n\nchar imgLOGO[] = {\n";
    for (uint32_t colour : palette)
        expected += Hex(colour >> 16) + Hex(colour >> 8) + Hex(colour);
    expected += "\n";
    for (int y = 19; y >= 0; --y) {
        for (int x = 0; x < 20; x += 2)
            expected += Hex(pixel(x, y) << 4 | pixel(x + 1, y));
        expected += "\n";
    }
    expected += "};\n\n";
    const std::string source = ReadFile("logo.bmp.c");
    EXPECT_EQ(source, expected);
    EXPECT_EQ(source.substr(0, 57),
              "int wLOGO = 20;\nint hLOGO = 20;\n\nchar imgLOGO[] = {\n0x0A,");

    const std::vector<uint8_t> embedded = ArrayBytes(source);
    ASSERT_EQ(embedded.size(), 248u);
    EXPECT_EQ(MyImage::DecodeEmbeddedImage(20, 20, embedded.data()), rgb);
}

TEST_F(BmpSourceTest, AnOddWidthFileInAFolderWritesOnlyItsPixelBytesBesideIt) {
    ASSERT_TRUE(CreateFolder("art"));
    // Top row 0 1 0, bottom row 1 1 0; the last low nibble of each row is not a pixel.
    WriteFile("art/tile.bmp", MakeBmp(4, 3, 2, {0x102030, 0xA0B0C0}, [&](int x, int y) {
                  return static_cast<uint32_t>(y == 0 ? x == 1 : x < 2);
              }));
    ReadBmp4AndExport("art/tile.bmp");
    EXPECT_EQ(ReadFile("art/tile.bmp.c"),
              "int wTILE = 3;\nint hTILE = 2;\n\nchar imgTILE[] = {\n"
              "0x10,0x20,0x30,0xA0,0xB0,0xC0,\n0x11,0x00,\n0x01,0x00,\n};\n\n");
}

TEST(BmpSourceNameTest, IsTheFileNameWithoutItsLastExtensionInUpperCase) {
    EXPECT_EQ(BmpSourceName("Data/logo.bmp"), "LOGO");
    EXPECT_EQ(BmpSourceName("art\\tile.v2.bmp"), "TILE.V2");
    EXPECT_EQ(BmpSourceName("noext"), "NOEXT");
}

}  // namespace
}  // namespace sassorbi::testing
