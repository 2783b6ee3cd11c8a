// The about box over a real parent form: closing keys, its layout, and the links, which start
// stand-in browser and mail programs first on PATH that record the arguments they get.

#include <X11/keysym.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "dialogs/FormAbout.h"
#include "graphics/MyImage.h"
#include "tests/controls/ControlTest.h"
#include "util/ChildProcesses.h"

namespace sassorbi::testing {
namespace {

constexpr char kAddress[] = "https://www.sassorbi.example";
constexpr int kPicture = 64;
// The text column starts at picture width + 45; the links sit at y 68.
constexpr int kLinkX = kPicture + 45;
constexpr int kMailX = kPicture + 255;
constexpr int kLinkY = 68 + 6;

int g_closed = 0;

class FormAboutTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        g_closed = 0;
        InstallStandIns();
        parent = MakeForm(100, 100, 800, 400);
        std::vector<uint8_t> red(kPicture * kPicture * 3, 0);
        for (size_t i = 0; i < red.size(); i += 3)
            red[i] = 0xFF;
        picture = MyImage::CreateImageFromRGB(parent.get(), red.data(), kPicture, kPicture);
    }

    void TearDown() override {
        // Lets a waiting stand-in end, so that no child outlives its folder.
        WriteFile("release", "");
        PumpUntil([] { return RunningChildCount() == 0; });
        about.reset();
        picture.reset();
        setenv("PATH", saved_path_.c_str(), 1);
        folder_.reset();
        ControlTest::TearDown();
    }

    // The browser records its arguments, one per line, then waits until released.
    void InstallStandIns() {
        folder_ = std::make_unique<TempFolder>();
        ASSERT_FALSE(folder_->path().empty());
        std::filesystem::create_directory("bin");
        WriteFile("bin/firefox",
                  "#!/bin/sh\nprintf '%s\\n' \"$@\" > browser.tmp\nmv browser.tmp browser.args\n"
                  "while [ ! -f release ]; do sleep 0.05; done\n");
        WriteFile("bin/thunderbird", "#!/bin/sh\nprintf '%s\\n' \"$@\" > mail.args\n");
        ASSERT_EQ(chmod("bin/firefox", 0755), 0);
        ASSERT_EQ(chmod("bin/thunderbird", 0755), 0);
        saved_path_ = std::getenv("PATH");
        setenv("PATH", (folder_->path() / "bin").string().append(":").append(saved_path_).c_str(),
               1);
    }

    void OpenAbout(const std::string& address) {
        about = std::make_unique<FormAbout>(parent.get());
        about->SetNameText("Sassorbi");
        about->SetSecondText("Galleria dei controlli");
        about->SetDescription("Un gioco di diamanti e asteroidi.");
        about->SetWebAddress(address);
        about->SetPicture(picture.get(), kPicture, kPicture);
        about->SetOnClosed([](GUIElement*) { ++g_closed; });
        about->Show();
        WaitViewable(*about);
        Focus(*about);
    }

    bool WaitFile(const std::string& name) {
        return PumpUntil([&] { return std::filesystem::exists(name); });
    }

    std::unique_ptr<Form> parent;
    ClientImage picture;
    std::unique_ptr<FormAbout> about;

private:
    std::unique_ptr<TempFolder> folder_;
    std::string saved_path_;
};

TEST_F(FormAboutTest, EnterEscapeAndDeleteCloseItLikeOk) {
    for (KeySym key : {XK_Return, XK_Escape, XK_Delete}) {
        g_closed = 0;
        OpenAbout(kAddress);
        EXPECT_FALSE(parent->IsEnabled());
        EXPECT_EQ(parent->GetActiveDialog(), about.get());
        TapKey(key);
        ASSERT_TRUE(PumpUntil([] { return g_closed == 1; })) << "key " << key;
        EXPECT_FALSE(about->IsCreated());
        EXPECT_TRUE(parent->IsEnabled());
        EXPECT_FALSE(parent->IsBlocked());
        EXPECT_EQ(parent->GetActiveDialog(), nullptr);
    }
}

TEST_F(FormAboutTest, ClickingOkClosesItAndGivesTheParentBack) {
    OpenAbout(kAddress);
    const ButtonCustom* ok = about->GetOkButton();
    ClickAt(*about, ok->GetLocation().x + 40, ok->GetLocation().y + 14);
    ASSERT_TRUE(PumpUntil([] { return g_closed == 1; }));
    EXPECT_FALSE(about->IsCreated());
    EXPECT_TRUE(parent->IsEnabled());
    EXPECT_EQ(parent->GetActiveDialog(), nullptr);
}

TEST_F(FormAboutTest, ItShowsThePictureFramedAndTheTextsBesideIt) {
    OpenAbout(kAddress);
    const Window window = about->GetWindow();
    EXPECT_EQ(TextProperty(window, "WM_NAME"), "Info...");
    EXPECT_EQ(AtomListProperty(window, "_NET_WM_WINDOW_TYPE"),
              std::vector<std::string>{"_NET_WM_WINDOW_TYPE_DIALOG"});
    EXPECT_EQ(PixelAt(window, 10, 23), kBlack) << "the panel's sunken frame";
    EXPECT_EQ(CountColour(window, 15, 28, kPicture, kPicture, 0xFF0000), kPicture * kPicture);
    EXPECT_EQ(about->GetMailLabel()->GetText(), "info@sassorbi.example");
    EXPECT_EQ(about->GetMailLabel()->GetLocation().x, kMailX);
    EXPECT_EQ(about->GetOkButton()->GetLocation().x, kPicture + (600 - kPicture - 55) / 2 + 5);
    EXPECT_GT(CountColour(window, kLinkX, 68, 200, 12, 0x0000FF), 0) << "a blue link";
}

TEST_F(FormAboutTest, TheWebLinkStartsTheBrowserAndTheBoxStaysResponsive) {
    OpenAbout(kAddress);
    ClickAt(*about, kLinkX + 10, kLinkY);
    ASSERT_TRUE(WaitFile("browser.args"));
    EXPECT_EQ(ReadFile("browser.args"), std::string(kAddress) + "\n");
    EXPECT_TRUE(about->IsCreated());
    TapKey(XK_Escape);
    ASSERT_TRUE(PumpUntil([] { return g_closed == 1; }));
    EXPECT_EQ(RunningChildCount(), 1u) << "closed while the browser still runs";
}

TEST_F(FormAboutTest, TheMailLinkComposesAMessageToTheDerivedAddress) {
    OpenAbout(kAddress);
    ClickAt(*about, kMailX + 10, kLinkY);
    ASSERT_TRUE(WaitFile("mail.args"));
    EXPECT_EQ(ReadFile("mail.args"), "-compose\nto=info@sassorbi.example\n");
}

TEST_F(FormAboutTest, AnAddressIsOneArgumentAndNeverACommand) {
    const std::string address = "https://www.x.example;touch pwned $(touch pwned2)";
    OpenAbout(address);
    ClickAt(*about, kLinkX + 10, kLinkY);
    ASSERT_TRUE(WaitFile("browser.args"));
    EXPECT_EQ(ReadFile("browser.args"), address + "\n");
    EXPECT_FALSE(std::filesystem::exists("pwned"));
    EXPECT_FALSE(std::filesystem::exists("pwned2"));
}

TEST_F(FormAboutTest, ShortAddressesGiveAnEmptyOrBareMailAddress) {
    OpenAbout("https://x");
    EXPECT_EQ(about->GetMailLabel()->GetText(), "");
    about = std::make_unique<FormAbout>(parent.get());
    about->SetWebAddress("https://www.");
    EXPECT_EQ(about->MailAddress(), "info@");
}

}  // namespace
}  // namespace sassorbi::testing
