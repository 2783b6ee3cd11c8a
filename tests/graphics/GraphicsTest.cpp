// The drawing primitives, read back pixel by pixel from the server.

#include <gtest/gtest.h>

#include "graphics/Graphics.h"
#include "graphics/MyImage.h"
#include "graphics/XOwners.h"
#include "tests/support/LogMark.h"
#include "tests/support/TempFolder.h"
#include "tests/support/XHarness.h"
#include "util/Files.h"
#include "util/Log.h"

namespace sassorbi::testing {
namespace {

constexpr unsigned long kGrey = 0xAAAAAA;
constexpr unsigned long kRed = 0xFF0000;

class GraphicsTest : public XServerTest {
protected:
    void SetUp() override {
        XServerTest::SetUp();
        form = MakeForm(0, 0, 200, 150);
    }
    unsigned long Pixel(int x, int y) { return PixelAt(form->GetWindow(), x, y); }

    std::unique_ptr<Form> form;
};

TEST_F(GraphicsTest, FillRectanglePaintsOnePixelLessEachWayAndDrawRectangleTheWholeSize) {
    Graphics graphics(form.get());
    graphics.FillRectangle(10, 10, 10, 10, 0, kNoColour, kRed);
    EXPECT_EQ(Pixel(10, 10), kRed);
    EXPECT_EQ(Pixel(18, 18), kRed);
    EXPECT_EQ(Pixel(19, 18), kGrey);
    EXPECT_EQ(Pixel(18, 19), kGrey);

    graphics.DrawRectangle(40, 40, 10, 10, 1, 0x0000FF);
    EXPECT_EQ(Pixel(40, 40), 0x0000FFu);
    EXPECT_EQ(Pixel(49, 49), 0x0000FFu);
    EXPECT_EQ(Pixel(50, 49), kGrey);
    EXPECT_EQ(Pixel(45, 45), kGrey) << "an outline only";
}

TEST_F(GraphicsTest, ABorderedFillOutlinesTheSameAreaItFills) {
    Graphics graphics(form.get());
    graphics.FillRectangle(10, 10, 11, 11, 1, 0x00FF00, kRed);
    EXPECT_EQ(Pixel(10, 10), 0x00FF00u);
    EXPECT_EQ(Pixel(19, 19), 0x00FF00u);
    EXPECT_EQ(Pixel(15, 15), kRed);
    EXPECT_EQ(Pixel(20, 20), kGrey);
}

TEST_F(GraphicsTest, NoColourKeepsTheColourLastUsed) {
    Graphics graphics(form.get());
    graphics.FillRectangle(0, 0, 5, 5, 0, kNoColour, kRed);
    graphics.DrawLine(10, 50, 60, 50, kNoColour);
    graphics.DrawPoint(70, 70, kNoColour);
    EXPECT_EQ(Pixel(30, 50), kRed);
    EXPECT_EQ(Pixel(70, 70), kRed);
}

TEST_F(GraphicsTest, EllipsesAndPolygonsFillTheirInsideOnly) {
    Graphics graphics(form.get());
    graphics.FillEllipse(20, 20, 40, 40, 0, kNoColour, kRed);
    EXPECT_EQ(Pixel(40, 40), kRed);
    EXPECT_EQ(Pixel(21, 21), kGrey) << "the box's corner is outside the circle";
    XPoint triangle[] = {{100, 100}, {140, 100}, {100, 140}};
    graphics.FillPolygon(triangle, 3, 0, kNoColour, 0x00FF00);
    EXPECT_EQ(Pixel(105, 105), 0x00FF00u);
    EXPECT_EQ(Pixel(135, 135), kGrey);
}

TEST_F(GraphicsTest, DashedLinesLeaveGapsAndTheNextLineIsSolidAgain) {
    Graphics graphics(form.get());
    graphics.DrawLine(0, 60, 100, 60, 1, kRed);
    graphics.DrawLine(0, 70, 100, 70, kRed);
    int dashed_gaps = 0, solid_gaps = 0;
    for (int x = 0; x <= 100; ++x) {
        dashed_gaps += Pixel(x, 60) == kGrey;
        solid_gaps += Pixel(x, 70) == kGrey;
    }
    EXPECT_GT(dashed_gaps, 10);
    EXPECT_EQ(solid_gaps, 0);
}

// Its context is made on the root window only to measure: drawing must reach neither the
// root nor, as a request on no window, the server's error handler.
TEST_F(GraphicsTest, AContextWithoutAWindowMeasuresButDrawsNothing) {
    auto hidden = MakeForm(0, 0, 50, 50, false, false);
    const Window root = DefaultRootWindow(driver());
    const unsigned long before = PixelAt(root, 605, 605);
    ClearLog();
    Graphics graphics(hidden.get());
    EXPECT_GT(graphics.TextHeight(), 0);
    EXPECT_GT(graphics.TextWidth("abc"), 0);
    graphics.FillRectangle(600, 600, 10, 10, 0, kNoColour, kRed);
    graphics.DrawText(600, 600, 100, 20, "text", kRed, kNoColour, 0);
    XSync(display(), False);
    EXPECT_EQ(PixelAt(root, 605, 605), before);
    EXPECT_NE(PixelAt(root, 605, 605), kRed);
    EXPECT_FALSE(FileExists("log.txt")) << ReadFile("log.txt");
}

TEST_F(GraphicsTest, DrawsOnAPixmapAndReadsBackOnlyWhatThePixmapHolds) {
    const OwnedPixmap pixmap(display(), form->GetWindow(), 40, 20,
                             DefaultDepth(display(), screen()->GetScreenNumber()));
    Graphics graphics(form.get(), pixmap.Get());
    graphics.FillRectangle(0, 0, 41, 21, 0, kNoColour, 0x010101);
    graphics.DrawString(2, 15, "MMM", 0xFFFFFF);
    const ServerImage image = graphics.GetImage(0, 0, 40, 20);
    ASSERT_TRUE(image);
    EXPECT_EQ(XGetPixel(image.get(), 39, 19) & 0xFFFFFF, 0x010101u) << "the whole pixmap filled";
    int white = 0;
    for (int x = 0; x < 40; ++x) {
        for (int y = 0; y < 20; ++y)
            white += (XGetPixel(image.get(), x, y) & 0xFFFFFF) == 0xFFFFFF;
    }
    EXPECT_GT(white, 0) << "the glyphs";
    EXPECT_EQ(graphics.GetImage(30, 10, 20, 20), nullptr) << "past the pixmap's edge";
    const ServerImage corner = graphics.GetImage(39, 19, 1, 1);
    ASSERT_TRUE(corner) << "a single pixel is read too";
    EXPECT_EQ(XGetPixel(corner.get(), 0, 0) & 0xFFFFFF, 0x010101u);
    EXPECT_EQ(Pixel(5, 5), kGrey) << "the window is not drawn on";
}

// A line width above one is centred on the outline; the next outline is thin again.
TEST_F(GraphicsTest, AThickRectangleIsCentredOnItsOutlineAndAnEllipseIsAnOutline) {
    Graphics graphics(form.get());
    graphics.DrawRectangle(40, 40, 21, 21, 3, 0x0000FF);
    EXPECT_EQ(Pixel(39, 50), 0x0000FFu);
    EXPECT_EQ(Pixel(41, 50), 0x0000FFu);
    EXPECT_EQ(Pixel(42, 50), kGrey);
    graphics.DrawRectangle(80, 40, 21, 21, 1, 0x0000FF);
    EXPECT_EQ(Pixel(80, 50), 0x0000FFu);
    EXPECT_EQ(Pixel(79, 50), kGrey) << "one pixel wide again";
    EXPECT_EQ(Pixel(81, 50), kGrey);
    graphics.DrawEllipse(110, 40, 40, 20, kRed);
    EXPECT_EQ(Pixel(110, 50), kRed) << "left end";
    EXPECT_EQ(Pixel(150, 50), kRed) << "right end";
    EXPECT_EQ(Pixel(130, 40), kRed) << "top";
    EXPECT_EQ(Pixel(130, 60), kRed) << "bottom";
    EXPECT_EQ(Pixel(130, 50), kGrey) << "an outline only";
    EXPECT_EQ(Pixel(109, 50), kGrey);
}

// The pixmap holds the image; ownership of a pixmap or a context moves with it, so the
// emptied owner frees nothing.
TEST_F(GraphicsTest, APixmapMadeFromAnImageHoldsItsPixelsAndMovesWithItsOwner) {
    const std::vector<uint8_t> rgb = {0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
    const ClientImage image = MyImage::CreateImageFromRGB(form.get(), rgb.data(), 2, 2);
    auto made =
        std::make_unique<OwnedPixmap>(Graphics::CreatePixmapFromImage(form.get(), image.get()));
    ASSERT_NE(made->Get(), 0u);
    const OwnedPixmap pixmap(std::move(*made));
    EXPECT_EQ(made->Get(), 0u);
    made.reset();
    XSync(display(), False);
    const ServerImage read(XGetImage(driver(), pixmap.Get(), 0, 0, 2, 2, AllPlanes, ZPixmap));
    ASSERT_TRUE(read);
    EXPECT_EQ(XGetPixel(read.get(), 0, 0) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(XGetPixel(read.get(), 1, 0) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(XGetPixel(read.get(), 0, 1) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(XGetPixel(read.get(), 1, 1) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(Graphics::CreatePixmapFromImage(form.get(), nullptr).Get(), 0u);
    EXPECT_EQ(Graphics::CreatePixmapFromImage(nullptr, image.get()).Get(), 0u);

    auto first = std::make_unique<OwnedGc>(display(), form->GetWindow(), 0, nullptr);
    const OwnedGc gc(std::move(*first));
    first.reset();
    XSetForeground(display(), gc.Get(), 0xFF0000);
    XFillRectangle(display(), form->GetWindow(), gc.Get(), 5, 5, 3, 3);
    EXPECT_EQ(Pixel(6, 6), kRed) << "the moved context still draws";
}

// An unmapped window has nothing to read back: a read is refused and a keyed copy draws
// nothing, without an X error.
TEST_F(GraphicsTest, AHiddenWindowIsNeitherReadNorDrawnOnByKeyedCopies) {
    auto hidden = MakeForm(300, 300, 100, 100);
    hidden->Hide();
    ASSERT_TRUE(PumpUntil([&] { return MapState(hidden->GetWindow()) != IsViewable; }));
    ASSERT_NE(hidden->GetWindow(), 0u);
    const ClientImage image =
        MyImage::CreateImageFromRGB(form.get(), std::vector<uint8_t>(3 * 4, 0xFF).data(), 2, 2);
    Graphics graphics(hidden.get());
    TempFolder folder;
    LogMark log;
    EXPECT_EQ(graphics.GetImage(0, 0, 10, 10), nullptr);
    graphics.PutImageTransparent(0, 0, 2, 2, image.get());
    XSync(display(), False);
    EXPECT_EQ(log.Take(), "");
}

TEST(GraphicsWithoutDisplayTest, SaysItHasNoContextAndEveryOperationIsSafe) {
    LogMark log;
    Graphics graphics(nullptr);
    EXPECT_EQ(log.Take(), "Errore nella creazione del GC\n");
    EXPECT_FALSE(graphics.HasContext());
    XPoint triangle[] = {{0, 0}, {10, 0}, {0, 10}};
    graphics.DrawPoint(1, 1, 0);
    graphics.DrawLine(0, 0, 10, 10, 1, 0);
    graphics.DrawLines(triangle, 3, 0);
    graphics.FillPolygon(triangle, 3, 1, 0, 0);
    graphics.DrawRectangle(0, 0, 10, 10, 2, 0);
    graphics.FillRectangle(0, 0, 10, 10, 1, 0, 0);
    graphics.DrawEllipse(0, 0, 10, 10, 0);
    graphics.FillEllipse(0, 0, 10, 10, 1, 0, 0);
    graphics.DrawText(0, 0, 100, 20, "text", 0, 0, 0);
    graphics.DrawString(0, 10, "text", 0);
    graphics.PutImage(0, 0, nullptr);
    EXPECT_EQ(graphics.TextHeight(), 0);
    EXPECT_EQ(graphics.TextWidth("abc"), 0);
    EXPECT_EQ(graphics.GetImage(0, 0, 1, 1), nullptr);
}

}  // namespace
}  // namespace sassorbi::testing
