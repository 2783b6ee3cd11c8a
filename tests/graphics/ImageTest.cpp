// Client images: picture files, embedded pictures, the layout probe, plain and colour-key
// copies, and the image control.

#include <gtest/gtest.h>

#include <cstdlib>

#include "graphics/Graphics.h"
#include "graphics/MyImage.h"
#include "graphics/PictureFile.h"
#include "graphics/PixelCopy.h"
#include "tests/support/LogMark.h"
#include "tests/support/Pictures.h"
#include "tests/support/TempFolder.h"
#include "tests/support/XHarness.h"

namespace sassorbi::testing {
namespace {

constexpr unsigned long kGrey = 0xAAAAAA;

Visual TrueColourLayout(unsigned long red, unsigned long green, unsigned long blue, int bits) {
    Visual layout{};
    layout.c_class = TrueColor;
    layout.red_mask = red;
    layout.green_mask = green;
    layout.blue_mask = blue;
    layout.bits_per_rgb = bits;
    return layout;
}

// A 4 x 3 picture of one pixel value, its rows padded to whole words, in the layout given.
ServerImage FilledPicture(Display* display, Visual* layout, int depth, int bits_per_pixel,
                          unsigned long pixel) {
    // Room for four bytes a pixel, whatever the server's own format for the depth is.
    char* data = static_cast<char*>(std::calloc(4 * 3, 4));
    ServerImage image(XCreateImage(display, layout, depth, ZPixmap, 0, data, 4, 3, 32, 0));
    image->bits_per_pixel = bits_per_pixel;
    image->bytes_per_line = (4 * bits_per_pixel / 8 + 3) / 4 * 4;
    XInitImage(image.get());
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x)
            XPutPixel(image.get(), x, y, pixel);
    }
    return image;
}

class ImageTest : public XServerTest {
protected:
    void SetUp() override {
        XServerTest::SetUp();
        form = MakeForm(0, 0, 300, 200);
    }
    unsigned long Pixel(int x, int y) { return PixelAt(form->GetWindow(), x, y); }
    ClientImage Image(const std::vector<uint8_t>& rgb, int w, int h) {
        return MyImage::CreateImageFromRGB(form.get(), rgb.data(), w, h);
    }

    TempFolder folder;
    std::unique_ptr<Form> form;
};

TEST_F(ImageTest, ATwoPixelPictureFileShowsRedThenBlue) {
    WriteFile("two.bin", std::string("\xFF\x00\x00\x00\x00\xFF", 6));
    const std::vector<uint8_t> rgb = ReadPictureFile("two.bin", 2, 1);
    ClientImage image = Image(rgb, 2, 1);
    Graphics(form.get()).PutImage(50, 50, image.get());
    EXPECT_EQ(Pixel(50, 50), 0xFF0000u);
    EXPECT_EQ(Pixel(51, 50), 0x0000FFu);
}

// A one-pixel column is a whole picture too, and so is the last column of a wider one that a
// source offset leaves.
TEST_F(ImageTest, PicturesOnePixelWideAreDrawn) {
    ClientImage column = Image(SolidRGB(1, 3, 0xFF0000), 1, 3);
    ClientImage square = Image(SolidRGB(4, 4, 0x00FF00), 4, 4);
    Graphics graphics(form.get());
    graphics.PutImage(10, 10, column.get());
    graphics.PutImage(20, 10, 4, 4, square.get(), 3, 0);
    EXPECT_EQ(Pixel(10, 12), 0xFF0000u);
    EXPECT_EQ(Pixel(11, 12), kGrey);
    EXPECT_EQ(Pixel(20, 13), 0x00FF00u);
    EXPECT_EQ(Pixel(21, 13), kGrey) << "only the column the offset leaves";
}

TEST_F(ImageTest, AShortPictureFileIsFilledWithBlackAndNamedInTheLog) {
    WriteFile("short.bin", std::string("\x10\x20\x30", 3));
    LogMark log;
    const std::vector<uint8_t> rgb = ReadPictureFile("short.bin", 2, 2);
    EXPECT_EQ(log.Take(), "Picture file too short: short.bin (3 of 12 bytes)\n");
    EXPECT_EQ(rgb, (std::vector<uint8_t>{0x10, 0x20, 0x30, 0, 0, 0, 0, 0, 0, 0, 0, 0}));

    WriteFile("long.bin", std::string(30, '\x7F'));
    EXPECT_EQ(ReadPictureFile("long.bin", 2, 2).size(), 12u) << "extra bytes are ignored";
    EXPECT_TRUE(ReadPictureFile("missing.bin", 2, 2).empty());
}

// X sizes are 16-bit: a larger side is refused before anything is allocated or read.
TEST_F(ImageTest, APictureWiderOrTallerThanXCanShowIsRefused) {
    WriteFile("tiny.bin", std::string("\x10\x20\x30", 3));
    EXPECT_TRUE(ReadPictureFile("tiny.bin", 32768, 1).empty());
    EXPECT_TRUE(ReadPictureFile("tiny.bin", 1, 32768).empty());
    EXPECT_EQ(ReadPictureFile("tiny.bin", 32767, 1).size(), 32767u * 3) << "the largest side";
    const std::vector<uint8_t> rgb(32768 * 3, 0x40);
    EXPECT_EQ(MyImage::CreateImageFromRGB(form.get(), rgb.data(), 32768, 1), nullptr);
    EXPECT_NE(MyImage::CreateImageFromRGB(form.get(), rgb.data(), 32767, 1), nullptr);
}

TEST_F(ImageTest, AnOddWidthEmbeddedPictureIgnoresTheLastLowNibble) {
    std::vector<uint8_t> embedded(48, 0);
    embedded[3 * 1 + 0] = 0xFF;  // palette 1: red
    embedded[3 * 2 + 2] = 0xFF;  // palette 2: blue
    embedded[3 * 3 + 1] = 0xFF;  // palette 3: green
    // Width 3: two bytes a row, bottom row first.
    const uint8_t bottom[] = {0x33, 0x3F};
    const uint8_t top[] = {0x12, 0x1F};
    embedded.insert(embedded.end(), bottom, bottom + 2);
    embedded.insert(embedded.end(), top, top + 2);
    const std::vector<uint8_t> rgb = MyImage::DecodeEmbeddedImage(3, 2, embedded.data());
    const std::vector<uint8_t> expected = {
        0xFF, 0,    0, 0, 0,    0xFF, 0xFF, 0,    0,   // top: 1 2 1
        0,    0xFF, 0, 0, 0xFF, 0,    0,    0xFF, 0};  // bottom: 3 3 3
    EXPECT_EQ(rgb, expected);
}

TEST_F(ImageTest, TheSupportedLayoutLogsNoWarningHoweverManyImagesAreBuilt) {
    LogMark log;
    for (int width = 1; width <= 9; ++width)
        Image(SolidRGB(width, 3, 0x123456), width, 3);
    EXPECT_EQ(log.Take(), "");
    EXPECT_EQ(MyImage::ixRosso, 2);
    EXPECT_EQ(MyImage::ixVerde, 1);
    EXPECT_EQ(MyImage::ixBlu, 0);
}

TEST_F(ImageTest, ColourKeyCopiesLetTheWindowShowThroughAndLeaveTheImageAlone) {
    // A 4 x 4 red square with a black 2 x 2 hole.
    std::vector<uint8_t> rgb = SolidRGB(4, 4, 0xFF0000);
    for (int i : {5, 6, 9, 10})
        rgb[i * 3] = 0;
    ClientImage image = Image(rgb, 4, 4);
    Graphics graphics(form.get());
    graphics.FillRectangle(20, 20, 11, 11, 0, kNoColour, 0x0000FF);
    graphics.FillRectangle(60, 20, 11, 11, 0, kNoColour, 0x00FF00);
    graphics.PutImageTransparent(22, 22, 4, 4, image.get());
    graphics.PutImageTransparent(62, 22, 4, 4, image.get());
    EXPECT_EQ(Pixel(22, 22), 0xFF0000u);
    EXPECT_EQ(Pixel(23, 23), 0x0000FFu) << "the hole shows the blue under it";
    EXPECT_EQ(Pixel(63, 23), 0x00FF00u) << "and the green under it, not the blue from before";
    EXPECT_EQ(XGetPixel(image.get(), 1, 1) & 0xFFFFFF, 0u) << "the caller's image is unchanged";
}

// A 16-bit display's pixels hold no whole channel bytes: the key is compared through the
// masks, and every row is copied like on a 24-bit one.
TEST_F(ImageTest, ColourKeyCopiesOfSixteenBitPixelsCoverEveryRowButTheKey) {
    Visual layout = TrueColourLayout(0xF800, 0x07E0, 0x001F, 6);
    const ServerImage red = FilledPicture(display(), &layout, 16, 16, 0xF800);
    const ServerImage under = FilledPicture(display(), &layout, 16, 16, 0x001F);
    XPutPixel(red.get(), 1, 0, 0);  // black: the key
    BlitKeyed(*red, 0, 0, 4, 3, under.get(), 0, 0, 0x000000);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(XGetPixel(under.get(), x, y), x == 1 && y == 0 ? 0x001Fu : 0xF800u)
                << x << ", " << y;
        }
    }
}

// Three bytes a pixel, rows padded to whole words: the copy covers the rows asked for and
// leaves the row below them alone.
TEST_F(ImageTest, ColourKeyCopiesOfThreeBytePixelsStopAtTheLastRowOfTheArea) {
    MyImage::ProbePixelLayout(display(), screen()->GetScreenNumber());
    Visual layout = TrueColourLayout(0xFF0000, 0x00FF00, 0x0000FF, 8);
    const ServerImage red = FilledPicture(display(), &layout, 24, 24, 0xFF0000);
    const ServerImage under = FilledPicture(display(), &layout, 24, 24, 0x0000FF);
    XPutPixel(red.get(), 1, 0, 0);  // black: the key
    BlitKeyed(*red, 0, 0, 4, 2, under.get(), 0, 0, 0x000000);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            const bool copied = y < 2 && !(x == 1 && y == 0);
            EXPECT_EQ(XGetPixel(under.get(), x, y), copied ? 0xFF0000u : 0x0000FFu)
                << x << ", " << y;
        }
    }
}

// Pictures of one layout but other sizes: the part both hold is copied, the rest kept.
TEST_F(ImageTest, CopyingBetweenPicturesOfOtherSizesCopiesWhatBothHold) {
    std::vector<uint8_t> rgb = SolidRGB(3, 2, 0xFF0000);
    rgb[5 * 3] = 0, rgb[5 * 3 + 2] = 0xFF;  // the last pixel blue
    const ClientImage from = Image(rgb, 3, 2);
    const ClientImage to = Image(SolidRGB(4, 3, 0xFFFFFF), 4, 3);
    CopyImage(*from, to.get());
    EXPECT_EQ(XGetPixel(to.get(), 0, 0) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(XGetPixel(to.get(), 2, 1) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(XGetPixel(to.get(), 3, 0) & 0xFFFFFF, 0xFFFFFFu) << "a column only the target has";
    EXPECT_EQ(XGetPixel(to.get(), 0, 2) & 0xFFFFFF, 0xFFFFFFu) << "a row only the target has";
}

TEST_F(ImageTest, ASubImageCopiesOneFrameOfAStrip) {
    std::vector<uint8_t> strip = SolidRGB(2, 4, 0x00FF00);
    const std::vector<uint8_t> red = SolidRGB(2, 2, 0xFF0000);
    std::copy(red.begin(), red.end(), strip.begin() + 12);  // the second 2 x 2 frame
    strip[12] = strip[13] = strip[14] = 0;                  // its top-left pixel transparent
    ClientImage image = Image(strip, 2, 4);
    Graphics(form.get()).PutSubImageTransparent(100, 100, 2, 2, image.get(), 0, 2);
    EXPECT_EQ(Pixel(100, 100), kGrey);
    EXPECT_EQ(Pixel(101, 100), 0xFF0000u);
    EXPECT_EQ(Pixel(101, 101), 0xFF0000u);
}

TEST_F(ImageTest, CopiesAreClippedToTheImageAndTheWindow) {
    ClientImage image = Image(SolidRGB(10, 10, 0xFF0000), 10, 10);
    Graphics graphics(form.get());
    graphics.PutImage(-5, -5, 50, 50, image.get());
    EXPECT_EQ(Pixel(0, 0), 0xFF0000u);
    EXPECT_EQ(Pixel(4, 4), 0xFF0000u);
    EXPECT_EQ(Pixel(5, 5), kGrey) << "no more than the image holds";
    graphics.PutImageTransparent(295, 195, 40, 40, image.get());
    graphics.PutSubImageTransparent(-3, 150, 10, 10, image.get(), 5, 5);
    EXPECT_EQ(Pixel(299, 199), 0xFF0000u);
    EXPECT_EQ(Pixel(1, 151), 0xFF0000u);
    EXPECT_EQ(Pixel(2, 155), kGrey) << "a 5 x 5 source area, shifted left by 3";
    EXPECT_EQ(graphics.GetImage(290, 190, 20, 20), nullptr) << "not wholly inside the window";
}

// Of a window reaching past the screen's right edge only the part on the screen can be read
// back: colour-key copies cover that part from its first row and column to its last column,
// and ask X for nothing beyond it.
TEST_F(ImageTest, ColourKeyCopiesCoverWhatIsOnTheScreenAndStopAtItsEdge) {
    const int screen_width = WidthOfScreen(DefaultScreenOfDisplay(display()));
    auto edge = MakeForm(screen_width - 100, 100, 300, 200);
    const Window window = edge->GetWindow();
    int origin_x = 0, origin_y = 0;
    Window child;
    XTranslateCoordinates(driver(), window, DefaultRootWindow(driver()), 0, 0, &origin_x, &origin_y,
                          &child);
    const int on_screen = screen_width - origin_x;
    ClientImage image = Image(SolidRGB(10, 10, 0xFF0000), 10, 10);
    Graphics graphics(edge.get());
    LogMark log;
    graphics.PutImageTransparent(on_screen - 5, 10, 10, 10, image.get());
    graphics.PutImageTransparent(on_screen - 1, 30, 10, 10, image.get());
    graphics.PutImageTransparent(on_screen, 50, 10, 10, image.get());
    graphics.PutImageTransparent(on_screen + 50, 70, 10, 10, image.get());
    graphics.PutImageTransparent(0, 90, 10, 10, image.get());
    graphics.PutImageTransparent(20, 0, 10, 10, image.get());
    EXPECT_EQ(graphics.GetImage(on_screen - 5, 10, 10, 10), nullptr);
    EXPECT_NE(graphics.GetImage(on_screen - 10, 10, 10, 10), nullptr);
    XSync(display(), False);
    EXPECT_EQ(log.Take(), "") << "no request reached past the screen";
    EXPECT_EQ(PixelAt(window, on_screen - 5, 15), 0xFF0000u);
    EXPECT_EQ(PixelAt(window, on_screen - 1, 15), 0xFF0000u);
    EXPECT_EQ(PixelAt(window, on_screen - 6, 15), kGrey);
    EXPECT_EQ(PixelAt(window, on_screen - 1, 35), 0xFF0000u) << "a single column on the screen";
    EXPECT_EQ(PixelAt(window, on_screen - 2, 35), kGrey);
    EXPECT_EQ(PixelAt(window, 0, 95), 0xFF0000u) << "from the window's first column";
    EXPECT_EQ(PixelAt(window, 25, 0), 0xFF0000u) << "and its first row";
}

TEST_F(ImageTest, TheImageControlShowsItsPictureWithABorderAndHideErasesIt) {
    ClientImage picture = Image(SolidRGB(20, 20, 0xFF0000), 20, 20);
    form->SetBackColor(0x00FF00);
    MyImage control(form.get(), picture.get());
    control.SetLocation(100, 50);
    control.SetSize(20, 20);
    control.SetBorder(true);
    control.Show();
    EXPECT_EQ(Pixel(105, 55), 0xFF0000u);
    EXPECT_EQ(Pixel(100, 55), 0x000000u) << "left edge";
    EXPECT_EQ(Pixel(119, 55), 0xFFFFFFu) << "right edge";
    control.Hide();
    EXPECT_EQ(Pixel(105, 55), 0x00FF00u) << "erased in the form's colour";
    EXPECT_EQ(Pixel(119, 69), 0x00FF00u);
    EXPECT_FALSE(control.IsCreated());
}

// A 4 x 4 red embedded picture followed by bytes that would decode as blue: whatever is read
// past the picture shows.
std::vector<uint8_t> RedPictureThenBlueBytes() {
    std::vector<uint8_t> data(48, 0);
    data[3 * 1 + 0] = 0xFF;  // palette 1: red
    data[3 * 2 + 2] = 0xFF;  // palette 2: blue
    data.insert(data.end(), 4 * 2, 0x11);
    data.insert(data.end(), 400, 0x22);
    return data;
}

TEST_F(ImageTest, AnImageControlLargerThanItsEmbeddedPictureShowsOnlyThePicture) {
    const std::vector<uint8_t> data = RedPictureThenBlueBytes();
    form->SetBackColor(0x00FF00);
    MyImage grown(form.get(), data.data(), 4, 4);
    grown.SetLocation(10, 10);
    grown.SetSize(20, 20);
    grown.Show();
    EXPECT_EQ(Pixel(10, 10), 0xFF0000u);
    EXPECT_EQ(Pixel(13, 13), 0xFF0000u);
    EXPECT_EQ(Pixel(20, 20), 0x00FF00u) << "beyond the picture: the form's colour";
    const std::vector<uint8_t> other(48 + 20 * 10, 0);
    MyImage replaced(form.get(), other.data(), 20, 20);
    replaced.SetLocation(50, 10);
    replaced.Show();
    replaced.SetEmbeddedImage(data.data(), 4, 4);
    EXPECT_EQ(Pixel(50, 10), 0xFF0000u);
    EXPECT_EQ(Pixel(60, 20), 0x00FF00u) << "beyond the smaller picture";
    EXPECT_EQ(Pixel(69, 20), 0x00FF00u) << "to the control's last column";
    EXPECT_EQ(Pixel(60, 29), 0x00FF00u) << "and its last row";
}

// A picture given by the caller replaces the one built from embedded data for good.
TEST_F(ImageTest, AnImageGivenToAnEmbeddedPictureControlReplacesItAtOnce) {
    const std::vector<uint8_t> data = RedPictureThenBlueBytes();
    form->SetBackColor(0x00FF00);
    MyImage control(form.get(), data.data(), 4, 4);
    control.SetLocation(10, 10);
    control.ShowMapped();
    ASSERT_EQ(Pixel(11, 11), 0xFF0000u) << "shown as by Show";
    ClientImage blue = Image(SolidRGB(4, 4, 0x0000FF), 4, 4);
    control.SetImage(blue.get());
    EXPECT_EQ(Pixel(11, 11), 0x0000FFu);
    control.SetImage(nullptr);
    EXPECT_EQ(Pixel(11, 11), 0x00FF00u) << "no picture: the embedded one is not built again";
}

// A control whose tag is its id when it first gets one keeps a tag the user gives it later;
// an image control takes its id again at every creation.
class TaggedControl : public DrawnControl {
public:
    explicit TaggedControl(GUIElement* parent)
        : DrawnControl(parent, "tagged", TagRule::kIdWhenGiven, MoveRule::kStoreOnly) {}
};

TEST_F(ImageTest, ATagFollowsItsControlsRuleAtEveryCreation) {
    TaggedControl given(form.get());
    given.Create();
    EXPECT_EQ(given.GetTag(), static_cast<uint64_t>(given.GetId()));
    given.SetTag(77);
    given.Create();
    EXPECT_EQ(given.GetTag(), 77u) << "the id was given once, at the first creation";

    MyImage image(form.get(), static_cast<XImage*>(nullptr));
    image.Create();
    image.SetTag(77);
    image.Create();
    EXPECT_EQ(image.GetTag(), static_cast<uint64_t>(image.GetId()));
}

}  // namespace
}  // namespace sassorbi::testing
