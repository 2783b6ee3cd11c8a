#pragma once
// What the control and dialog tests share: whole areas of a window read back in one request,
// and a fake aplay, first on PATH inside a temporary working folder, that logs every sound
// it is asked to play, so that a beep can be seen to start a process.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "graphics/MyImage.h"
#include "graphics/XOwners.h"
#include "tests/support/Pictures.h"
#include "tests/support/TempFolder.h"
#include "tests/support/XHarness.h"
#include "util/Files.h"

namespace sassorbi::testing {

constexpr unsigned long kBlack = 0x000000;
constexpr unsigned long kWhite = 0xFFFFFF;
constexpr unsigned long kGrey = 0xAAAAAA;
constexpr unsigned long kDisabledGrey = 0x9B9B9B;

class ControlTest : public XServerTest {
protected:
    void TearDown() override {
        if (!saved_path_.empty()) setenv("PATH", saved_path_.c_str(), 1);
        folder_.reset();
        XServerTest::TearDown();
    }

    // Every pixel of the area, row by row.
    std::vector<unsigned long> Pixels(Window window, int x, int y, int w, int h) {
        XSync(display(), False);
        std::vector<unsigned long> pixels;
        const ServerImage image(XGetImage(driver(), window, x, y, static_cast<unsigned>(w),
                                          static_cast<unsigned>(h), AllPlanes, ZPixmap));
        if (!image) return pixels;
        for (int row = 0; row < h; ++row) {
            for (int column = 0; column < w; ++column)
                pixels.push_back(XGetPixel(image.get(), column, row) & 0xFFFFFF);
        }
        return pixels;
    }

    int CountColour(Window window, int x, int y, int w, int h, unsigned long colour) {
        int count = 0;
        for (unsigned long pixel : Pixels(window, x, y, w, h))
            count += pixel == colour;
        return count;
    }

    // A w x h picture of one colour, in the window's layout.
    ClientImage SolidPicture(GUIElement* element, int w, int h, unsigned long colour) {
        const std::vector<uint8_t> rgb = SolidRGB(w, h, static_cast<uint32_t>(colour));
        return MyImage::CreateImageFromRGB(element, rgb.data(), w, h);
    }

    // Runs the test in a temporary folder with the fake aplay first on PATH, and with
    // Data/beep.wav when asked.
    void InstallFakeAplay(bool with_beep_sound) {
        folder_ = std::make_unique<TempFolder>();
        ASSERT_FALSE(folder_->path().empty());
        ASSERT_TRUE(CreateFolder("bin"));
        WriteFile("bin/aplay", "#!/bin/sh\necho \"$@\" >> aplay.log\n");
        ASSERT_EQ(chmod("bin/aplay", 0755), 0);
        if (with_beep_sound) {
            ASSERT_TRUE(CreateFolder("Data"));
            WriteFile("Data/beep.wav", "RIFF");
        }
        saved_path_ = std::getenv("PATH");
        setenv("PATH", (folder_->path() / "bin").string().append(":").append(saved_path_).c_str(),
               1);
    }

    // The sounds the fake aplay has been asked to play, one per line.
    int BeepsPlayed() {
        const std::string log = ReadFile("aplay.log");
        int lines = 0;
        for (char c : log)
            lines += c == '\n';
        return lines;
    }

    // Lets every started aplay finish: the count then is final.
    int BeepsAfterSettling(int expected) {
        PumpUntil([&] { return BeepsPlayed() >= expected; });
        Settle();
        return BeepsPlayed();
    }

    // Types characters whose key symbol is their own code (lower-case letters, digits, ".").
    void Type(const std::string& text) {
        for (char c : text)
            TapKey(static_cast<KeySym>(c));
        Settle();
    }

private:
    std::unique_ptr<TempFolder> folder_;
    std::string saved_path_;
};

}  // namespace sassorbi::testing
