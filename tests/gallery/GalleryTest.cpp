// The real gallery program on the test server: a click on its "Messaggio" button opens the
// message box, whose OK closes it; closing the gallery's window ends it with status 0.

#include <gtest/gtest.h>

#include "gallery/GalleryLayout.h"
#include "tests/support/GameProcess.h"
#include "tests/support/TempFolder.h"
#include "tests/support/XHarness.h"

namespace sassorbi::testing {
namespace {

class GalleryTest : public XServerTest {
protected:
    void SetUp() override {
        XServerTest::SetUp();
        gallery = std::make_unique<GameProcess>(driver(), SASSORBI_GALLERY);
    }
    void TearDown() override {
        gallery.reset();
        XServerTest::TearDown();
    }

    TempFolder folder;
    std::unique_ptr<GameProcess> gallery;
};

TEST_F(GalleryTest, AButtonOpensTheMessageBoxWhichClosesAndThenTheGalleryEnds) {
    gallery->Launch();
    const Window window = gallery->WaitForMainWindow(gallery::kTitle, 5000);
    ASSERT_NE(window, 0u);
    ASSERT_EQ(gallery->FindWindow(gallery::kMessageTitle, 0), 0u);

    gallery->Click(window, gallery::kDialogButtonX + gallery::kDialogButtonWidth / 2,
                   gallery::kMessageButtonY + gallery::kDialogButtonHeight / 2);
    const Window box = gallery->FindWindow(gallery::kMessageTitle, 5000);
    ASSERT_NE(box, 0u);

    // The box's OK button: 110 x 28 at (130, 110).
    gallery->Click(box, 185, 124);
    EXPECT_TRUE(WaitFor([&] { return gallery->FindWindow(gallery::kMessageTitle, 0) == 0; }, 5000));
    EXPECT_EQ(gallery->Close(), 0);
}

}  // namespace
}  // namespace sassorbi::testing
