// The frame scaler on X servers of the test's own: with RENDER and without it (the client
// fallback), with MIT-SHM and without, at factors 2 and 3 and centred in a larger window.
// Every window pixel is read back and compared with the frame pixel it must show.

#include <gtest/gtest.h>
#include <X11/Xutil.h>

#include <memory>
#include <string>
#include <vector>

#include "game/FrameScaler.h"
#include "game/ScreenBuffer.h"
#include "graphics/XOwners.h"
#include "tests/support/PrivateXServer.h"

namespace sassorbi::testing {
namespace {

constexpr Size kFrame{160, 120};
constexpr unsigned long kWhite = 0xFFFFFF;

struct ServerKind {
    int factor;
    bool render;
    bool shm;
};

std::string Describe(const ::testing::TestParamInfo<ServerKind>& info) {
    return "Factor" + std::to_string(info.param.factor) +
           (info.param.render ? "Render" : "Client") + (info.param.shm ? "Shm" : "NoShm");
}

// Distinct enough that a pixel taken from a neighbour of the right one is seen.
unsigned long Pattern(int x, int y, int step) {
    return (static_cast<unsigned long>((x * 3 + step * 40) & 0xFF) << 16) |
           (static_cast<unsigned long>((y * 5 + step) & 0xFF) << 8) |
           static_cast<unsigned long>((x ^ y) & 0xFF);
}

class FrameScalerTest : public ::testing::TestWithParam<ServerKind> {
protected:
    void SetUp() override {
        std::vector<std::string> arguments = {"-screen", "0", "1024x768x24"};
        if (!GetParam().render) arguments.insert(arguments.end(), {"-extension", "RENDER"});
        if (!GetParam().shm) arguments.insert(arguments.end(), {"-extension", "MIT-SHM"});
        server_ = std::make_unique<PrivateXServer>(arguments);
        ASSERT_NE(server_->Driver(), nullptr) << "Xvfb did not start";
        display_ = server_->Driver();
        picture_ =
            ScreenBuffer::Create(display_, DefaultScreen(display_), kFrame.width, kFrame.height);
        ASSERT_NE(picture_, nullptr);
        EXPECT_EQ(picture_->IsShared(), GetParam().shm);
    }

    void TearDown() override {
        scaler_.reset();
        if (window_ != 0) XDestroyWindow(display_, window_);
        picture_.reset();
    }

    // A white window of the size, mapped, and a scaler onto it placed by the window's size.
    void OpenWindow(Size size) {
        window_ = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0,
                                      static_cast<unsigned>(size.width),
                                      static_cast<unsigned>(size.height), 0, 0, kWhite);
        XSelectInput(display_, window_, ExposureMask);
        XMapWindow(display_, window_);
        XEvent event;
        XWindowEvent(display_, window_, ExposureMask, &event);
        window_size_ = size;
        scaler_ = FrameScaler::Create(display_, DefaultScreen(display_), window_, kFrame);
        ASSERT_NE(scaler_, nullptr);
        EXPECT_EQ(scaler_->UsesRender(), GetParam().render);
        scaler_->SetPlacement(PlaceFrame(kFrame, size));
    }

    void Paint(const Rect& area, int step) {
        for (int y = area.y; y < area.y + area.h; ++y) {
            for (int x = area.x; x < area.x + area.w; ++x)
                XPutPixel(picture_->GetImage(), x, y, Pattern(x, y, step));
        }
    }

    unsigned long PictureAt(int x, int y) {
        return XGetPixel(picture_->GetImage(), x, y) & 0xFFFFFF;
    }

    // How many window pixels differ from what they must show: inside the scaled frame the
    // picture's pixel at (x / factor, y / factor), outside it black.
    int CountWrongPixels() {
        const ServerImage shown(
            XGetImage(display_, window_, 0, 0, static_cast<unsigned>(window_size_.width),
                      static_cast<unsigned>(window_size_.height), AllPlanes, ZPixmap));
        const FramePlacement& placement = scaler_->GetPlacement();
        const int n = placement.factor;
        int wrong = 0;
        for (int y = 0; y < window_size_.height; ++y) {
            for (int x = 0; x < window_size_.width; ++x) {
                const int fx = x - placement.offset.x, fy = y - placement.offset.y;
                const bool inside =
                    fx >= 0 && fy >= 0 && fx < kFrame.width * n && fy < kFrame.height * n;
                const unsigned long expected = inside ? PictureAt(fx / n, fy / n) : 0;
                if ((XGetPixel(shown.get(), x, y) & 0xFFFFFF) != expected) ++wrong;
            }
        }
        return wrong;
    }

    std::unique_ptr<PrivateXServer> server_;
    Display* display_ = nullptr;
    std::unique_ptr<ScreenBuffer> picture_;
    Window window_ = 0;
    Size window_size_;
    std::unique_ptr<FrameScaler> scaler_;
};

TEST_P(FrameScalerTest, EveryWindowPixelShowsItsFramePixelFrameAfterFrame) {
    const int n = GetParam().factor;
    OpenWindow({kFrame.width * n, kFrame.height * n});
    EXPECT_EQ(scaler_->GetPlacement().factor, n);
    Paint({0, 0, kFrame.width, kFrame.height}, 0);
    scaler_->ShowPicture(picture_.get(), {{0, 0, kFrame.width, kFrame.height}});
    EXPECT_EQ(CountWrongPixels(), 0);

    // Frames in which only some areas changed, and only those are shown; the last areas
    // reach past the frame's edges and are clipped.
    const std::vector<std::vector<Rect>> frames = {
        {{10, 10, 20, 30}},
        {{0, 0, 1, 1}, {159, 119, 1, 1}, {70, 50, 45, 63}},
        {{-5, 100, 30, 40}, {150, -3, 20, 10}},
    };
    for (size_t step = 0; step < frames.size(); ++step) {
        for (const Rect& area : frames[step]) {
            const int left = std::max(area.x, 0), top = std::max(area.y, 0);
            Paint({left, top, std::min(area.x + area.w, kFrame.width) - left,
                   std::min(area.y + area.h, kFrame.height) - top},
                  static_cast<int>(step) + 1);
        }
        scaler_->ShowPicture(picture_.get(), frames[step]);
        EXPECT_EQ(CountWrongPixels(), 0) << "after frame " << step + 1;
    }
}

TEST_P(FrameScalerTest, OnlyTheAreasShownChangeOnTheWindow) {
    const int n = GetParam().factor;
    OpenWindow({kFrame.width * n, kFrame.height * n});
    Paint({0, 0, kFrame.width, kFrame.height}, 0);
    scaler_->ShowPicture(picture_.get(), {{0, 0, kFrame.width, kFrame.height}});
    const unsigned long before = PictureAt(100, 100);
    Paint({0, 0, kFrame.width, kFrame.height}, 9);
    scaler_->ShowPicture(picture_.get(), {{0, 0, 50, 50}});
    const ServerImage shown(
        XGetImage(display_, window_, 0, 0, static_cast<unsigned>(kFrame.width * n),
                  static_cast<unsigned>(kFrame.height * n), AllPlanes, ZPixmap));
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(XGetPixel(shown.get(), 10 * n, 10 * n) & 0xFFFFFF, PictureAt(10, 10));
    EXPECT_EQ(XGetPixel(shown.get(), 100 * n, 100 * n) & 0xFFFFFF, before);
}

TEST_P(FrameScalerTest, DrawingIntoTheFrameReachesTheWindowScaled) {
    const int n = GetParam().factor;
    OpenWindow({kFrame.width * n, kFrame.height * n});
    Paint({0, 0, kFrame.width, kFrame.height}, 0);
    scaler_->ShowPicture(picture_.get(), {{0, 0, kFrame.width, kFrame.height}});
    const OwnedGc gc(display_, scaler_->GetFrame(), 0, nullptr);
    XSetForeground(display_, gc.Get(), 0x123456);
    XFillRectangle(display_, scaler_->GetFrame(), gc.Get(), 30, 20, 7, 5);
    Paint({30, 20, 7, 5}, 0);
    for (int y = 20; y < 25; ++y) {
        for (int x = 30; x < 37; ++x)
            XPutPixel(picture_->GetImage(), x, y, 0x123456);
    }
    scaler_->ShowArea({30, 20, 7, 5});
    EXPECT_EQ(CountWrongPixels(), 0);
}

TEST_P(FrameScalerTest, InALargerWindowTheFrameIsCentredAtTheLargestFactorWithBlackBorders) {
    // 700 x 500 holds the 160 x 120 frame four times: 640 x 480, 30 and 10 pixels of border.
    OpenWindow({700, 500});
    EXPECT_EQ(scaler_->GetPlacement().factor, 4);
    EXPECT_EQ(scaler_->GetPlacement().offset.x, 30);
    EXPECT_EQ(scaler_->GetPlacement().offset.y, 10);
    Paint({0, 0, kFrame.width, kFrame.height}, 0);
    scaler_->ShowPicture(picture_.get(), {{0, 0, kFrame.width, kFrame.height}});
    scaler_->ShowAll();
    EXPECT_EQ(CountWrongPixels(), 0);
}

// Nothing can be shown of an empty frame: no scaler of either kind is made for it.
TEST_P(FrameScalerTest, AnEmptyFrameGetsNoScaler) {
    OpenWindow({320, 240});
    EXPECT_EQ(FrameScaler::Create(display_, DefaultScreen(display_), window_, {0, 120}), nullptr);
    EXPECT_EQ(FrameScaler::Create(display_, DefaultScreen(display_), window_, {160, 0}), nullptr);
}

TEST(FramePlacementTest, TheLargestWholeFactorThatFitsCentredInTheWindow) {
    const Size frame{800, 600};
    const struct {
        Size window;
        int factor, x, y;
    } cases[] = {
        {{800, 600}, 1, 0, 0},       {{1600, 1200}, 2, 0, 0},     {{1920, 1080}, 1, 560, 240},
        {{2560, 1440}, 2, 480, 120}, {{3840, 2160}, 3, 720, 180}, {{2400, 1801}, 3, 0, 0},
        {{640, 480}, 1, -80, -60},
    };
    for (const auto& c : cases) {
        const FramePlacement placement = PlaceFrame(frame, c.window);
        EXPECT_EQ(placement.factor, c.factor) << c.window.width << "x" << c.window.height;
        EXPECT_EQ(placement.offset.x, c.x) << c.window.width << "x" << c.window.height;
        EXPECT_EQ(placement.offset.y, c.y) << c.window.width << "x" << c.window.height;
        EXPECT_EQ(placement.IsIdentity(), c.window.width == 800 && c.window.height == 600);
    }
}

TEST(FramePlacementTest, AutomaticScaleFitsAboutNinetyPercentOfTheWorkArea) {
    const Size frame{800, 600};
    EXPECT_EQ(AutoScaleFactor(frame, {1920, 1050}), 1);
    EXPECT_EQ(AutoScaleFactor(frame, {1778, 1334}), 2) << "1600 x 1200 is just 90%";
    EXPECT_EQ(AutoScaleFactor(frame, {1777, 1334}), 1);
    EXPECT_EQ(AutoScaleFactor(frame, {2560, 1400}), 2);
    EXPECT_EQ(AutoScaleFactor(frame, {3840, 2120}), 3);
    EXPECT_EQ(AutoScaleFactor(frame, {640, 480}), 1) << "never below 1";
}

INSTANTIATE_TEST_SUITE_P(Servers, FrameScalerTest,
                         ::testing::Values(ServerKind{2, true, true}, ServerKind{3, true, true},
                                           ServerKind{3, true, false}, ServerKind{2, false, true},
                                           ServerKind{3, false, false}),
                         Describe);

}  // namespace
}  // namespace sassorbi::testing
