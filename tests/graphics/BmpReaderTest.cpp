// The BMP readers on files written here: every depth and row padding, palettes of every size,
// and damaged files, which are refused with a reason and never read or allocated past.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "graphics/BmpReaders.h"
#include "tests/support/LogMark.h"
#include "tests/support/TempFolder.h"
#include "tests/tools/BmpBuilder.h"
#include "util/Files.h"

namespace {

// Every allocation of this test program passes here, so a test can see the largest one.
std::size_t g_largest_allocation = 0;

void* Allocate(std::size_t size) noexcept {
    g_largest_allocation = std::max(g_largest_allocation, size);
    return std::malloc(size == 0 ? 1 : size);
}

void* AllocateOrThrow(std::size_t size) {
    if (void* memory = Allocate(size)) return memory;
    throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) {
    return AllocateOrThrow(size);
}
void* operator new[](std::size_t size) {
    return AllocateOrThrow(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete[](void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete(void* memory, const std::nothrow_t&) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, const std::nothrow_t&) noexcept {
    std::free(memory);
}

namespace sassorbi::testing {
namespace {

using Reader = std::vector<uint8_t> (*)(const std::string&);

Reader ReaderFor(int bits) {
    if (bits == 24) return ReadBmp24;
    return bits == 8 ? ReadBmp8 : ReadBmp4AndExport;
}

std::vector<uint32_t> Palette(int entries) {
    std::vector<uint32_t> palette;
    for (int i = 0; i < entries; ++i)
        palette.push_back(Colour24(static_cast<uint32_t>(i + 1)));
    return palette;
}

class BmpReaderTest : public TempFolderTest {};

TEST_F(BmpReaderTest, AHandWritten24BitFileIsTurnedTopRowFirstIntoRedGreenBlue) {
    std::string file(54, '\0');
    file[10] = 54;
    file[18] = 2;
    file[22] = 2;
    file += std::string("\xFF\x00\x00\x00\xFF\x00\xEE\xEE", 8);  // bottom: blue, green
    file += std::string("\x00\x00\xFF\x10\x20\x30\xEE\xEE", 8);  // top: red, 0x302010
    WriteFile("four.bmp", file);
    const std::vector<uint8_t> expected = {0xFF, 0, 0, 0x30, 0x20, 0x10, 0, 0, 0xFF, 0, 0xFF, 0};
    EXPECT_EQ(ReadBmp24("four.bmp"), expected);
    // The rows start where the header says, even after a gap.
    file.insert(54, 12, '\x77');
    file[10] = 66;
    WriteFile("gap.bmp", file);
    EXPECT_EQ(ReadBmp24("gap.bmp"), expected);
    EXPECT_FALSE(FileExists("log.txt"));
}

TEST_F(BmpReaderTest, EveryDepthReadsWidthsOneToNineWhateverTheRowPadding) {
    for (int bits : {24, 8, 4}) {
        const std::vector<uint32_t> palette = Palette(bits == 4 ? 16 : 256);
        for (int width = 1; width <= 9; ++width) {
            const BmpPixels pixel = [&](int x, int y) -> uint32_t {
                const uint32_t seed = static_cast<uint32_t>(x * 7 + y * 13 + width);
                return bits == 24 ? Colour24(seed) : seed % palette.size();
            };
            WriteFile("picture.bmp", MakeBmp(bits, width, 3, palette, pixel));
            EXPECT_EQ(ReaderFor(bits)("picture.bmp"), ExpectedRGB(bits, width, 3, palette, pixel))
                << bits << " bits, width " << width;
        }
    }
    EXPECT_FALSE(FileExists("log.txt"));
}

TEST_F(BmpReaderTest, PalettesOfTwoSixteenAnd256EntriesWithIndicesPastThemBlack) {
    const BmpPixels all_indices = [](int x, int y) { return static_cast<uint32_t>(y * 16 + x); };
    const BmpPixels nibbles = [](int x, int y) { return static_cast<uint32_t>((y * 4 + x) % 16); };
    struct Case {
        int bits;
        int entries;
        int side;
        const BmpPixels& pixel;
    };
    for (const Case& c : {Case{8, 256, 16, all_indices}, Case{8, 2, 16, all_indices},
                          Case{4, 16, 4, nibbles}, Case{4, 2, 4, nibbles}}) {
        const std::vector<uint32_t> palette = Palette(c.entries);
        WriteFile("palette.bmp", MakeBmp(c.bits, c.side, c.side, palette, c.pixel));
        const std::vector<uint8_t> rgb = ReaderFor(c.bits)("palette.bmp");
        EXPECT_EQ(rgb, ExpectedRGB(c.bits, c.side, c.side, palette, c.pixel))
            << c.bits << " bits, " << c.entries << " entries";
        if (c.entries == 2) {
            EXPECT_EQ(std::count(rgb.begin(), rgb.end(), 0), (c.side * c.side - 2) * 3)
                << "every pixel but the first two is black";
        }
    }
}

// Each reader refuses the file with an empty result and one line naming it and the reason.
void ExpectRefused(const std::string& path, const std::string& reason, int bits) {
    LogMark log;
    EXPECT_TRUE(ReaderFor(bits)(path).empty()) << path;
    EXPECT_EQ(log.Take(), "BMP file refused: " + path + " (" + reason + ")\n");
}

std::string Good24() {
    return MakeBmp(24, 5, 4, {}, [](int x, int y) { return Colour24(x + y); });
}

std::string Good8(int entries) {
    return MakeBmp(8, 5, 4, Palette(entries), [](int x, int y) { return x + y; });
}

std::string WithField(std::string file, size_t at, uint32_t value) {
    PutLe32(&file, at, value);
    return file;
}

TEST_F(BmpReaderTest, DamagedHeadersAreRefusedByEveryReader) {
    const std::string good = Good8(16);
    WriteFile("header.bmp", good.substr(0, 30));
    WriteFile("offset0.bmp", WithField(good, 10, 0));
    WriteFile("offset40.bmp", WithField(good, 10, 40));
    WriteFile("width0.bmp", WithField(good, 18, 0));
    WriteFile("topdown.bmp", WithField(good, 22, static_cast<uint32_t>(-4)));
    WriteFile("huge.bmp", WithField(WithField(good, 18, 0x10000), 22, 0x10000));
    for (int bits : {24, 8, 4}) {
        ExpectRefused("missing.bmp", "cannot be opened", bits);
        ExpectRefused("header.bmp", "header cut short (30 of 54 bytes)", bits);
        ExpectRefused("offset0.bmp", "pixel-data offset 0 below 54", bits);
        ExpectRefused("offset40.bmp", "pixel-data offset 40 below 54", bits);
        ExpectRefused("width0.bmp", "width or height not positive", bits);
        ExpectRefused("topdown.bmp", "top-down rows (negative height) not supported", bits);
        ExpectRefused("huge.bmp", "picture too large (65536 x 65536)", bits);
    }
}

TEST_F(BmpReaderTest, PalettesAndRowsThatTheFileDoesNotHoldAreRefused) {
    const std::string good8 = Good8(256);
    WriteFile("palette.bmp", good8.substr(0, 54 + 100));
    WriteFile("palette257.bmp", WithField(good8 + std::string(4, '\0'), 10, 54 + 4 * 257));
    WriteFile("rows.bmp", good8.substr(0, good8.size() - 3));
    const std::string good4 = MakeBmp(4, 5, 4, Palette(16), [](int x, int) { return x; });
    WriteFile("rows4.bmp", good4.substr(0, good4.size() - 3));
    WriteFile("rows24.bmp", Good24().substr(0, Good24().size() - 1));
    WriteFile("offset24.bmp", WithField(Good24(), 10, 200));
    for (int bits : {8, 4}) {
        ExpectRefused("palette.bmp", "palette cut short", bits);
        ExpectRefused("palette257.bmp", "palette of 257 entries, over 256", bits);
    }
    ExpectRefused("rows.bmp", "pixel rows cut short (29 of 32 bytes)", 8);
    ExpectRefused("rows4.bmp", "pixel rows cut short (13 of 16 bytes)", 4);
    ExpectRefused("rows24.bmp", "pixel rows cut short (63 of 64 bytes)", 24);
    ExpectRefused("offset24.bmp", "pixel-data offset 200 past the end of the file (118 bytes)", 24);
    EXPECT_FALSE(FileExists("palette.bmp.c")) << "a refused file is not exported";
}

TEST_F(BmpReaderTest, AHugeWidthInASmallFileAllocatesNothingLarge) {
    const std::string tiny = Good24().substr(0, 100);
    WriteFile("width2g.bmp", WithField(WithField(tiny, 18, 0x7FFFFFFF), 22, 1));
    WriteFile("width400m.bmp", WithField(WithField(tiny, 18, 400000000), 22, 1));
    g_largest_allocation = 0;
    ExpectRefused("width2g.bmp", "picture too large (2147483647 x 1)", 24);
    ExpectRefused("width400m.bmp", "pixel rows cut short (46 of 1200000000 bytes)", 24);
    ExpectRefused("width400m.bmp", "pixel rows cut short (46 of 400000000 bytes)", 8);
    ExpectRefused("width400m.bmp", "pixel rows cut short (46 of 200000000 bytes)", 4);
    EXPECT_LT(g_largest_allocation, 100000u);
}

}  // namespace
}  // namespace sassorbi::testing
