// The element model on its own: geometry, flags, focus snapshots, loading and clicks.

#include <gtest/gtest.h>
#include <unistd.h>

#include "tests/support/ProbeControl.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"

namespace sassorbi::testing {
namespace {

TEST(ElementTest, GeometrySettersStoreAndReachTheHookOnlyWhenCreatedAndChanged) {
    Form form;
    ProbeControl probe(&form, "p", 10, 20, 30, 40);
    probe.SetSize(50, 60);
    EXPECT_EQ(probe.apply_size_calls, 0) << "not created yet: only stored";
    probe.Show();
    probe.SetSize(50, 60);
    EXPECT_EQ(probe.apply_size_calls, 0) << "same size: nothing to apply";
    probe.SetSize(51, 60);
    EXPECT_EQ(probe.apply_size_calls, 1);
    EXPECT_EQ(probe.GetSize().width, 51);

    probe.Move(-5, 7);
    EXPECT_EQ(probe.GetLocation().x, 0);
    EXPECT_EQ(probe.GetLocation().y, 7);
}

TEST(ElementTest, HitTestCountsBothEdgesAndNeedsACreatedVisibleElement) {
    Form form;
    ProbeControl probe(&form, "p", 0, 0, 10, 10);
    EXPECT_FALSE(probe.HitTest({5, 5})) << "not created";
    probe.Show();
    EXPECT_TRUE(probe.HitTest({0, 0}));
    EXPECT_TRUE(probe.HitTest({10, 10}));
    EXPECT_FALSE(probe.HitTest({11, 5}));
    probe.Hide();
    EXPECT_FALSE(probe.HitTest({5, 5})) << "hidden";
}

TEST(ElementTest, BlockedAndMarkedExcludeEachOther) {
    Form form;
    ProbeControl probe(&form, "p", 0, 0, 10, 10);
    probe.SetMarked(true);
    probe.SetBlocked(true);
    EXPECT_TRUE(probe.IsBlocked());
    EXPECT_FALSE(probe.IsMarked());
    probe.SetMarked(true);
    probe.SetBlocked(false);
    EXPECT_TRUE(probe.IsMarked()) << "clearing one leaves the other as it was";
}

TEST(ElementTest, MissingCallbacksAnswerTrue) {
    Form form;
    ProbeControl probe(&form, "p", 0, 0, 10, 10);
    EXPECT_TRUE(probe.KeyChar('a'));
    EXPECT_TRUE(probe.QueryClose());
    probe.SetOnKeyChar([](GUIElement*, char) { return false; });
    EXPECT_FALSE(probe.KeyChar('a'));
}

TEST(ElementTest, LoadRunsOnLoadOnceAndKeepsAnEarlierTag) {
    Form form;
    ProbeControl probe(&form, "p", 0, 0, 10, 10);
    static int loads = 0;
    static uint64_t seen_tag = 0;
    probe.SetOnLoad([](GUIElement*, uint64_t tag) {
        ++loads;
        seen_tag = tag;
    });
    probe.SetTag(77);
    probe.Load(5);
    probe.Load(6);
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(seen_tag, 77u);
    EXPECT_EQ(probe.GetTag(), 77u);

    ProbeControl untagged(&form, "u", 0, 0, 10, 10);
    EXPECT_EQ(untagged.GetTag(), 0u) << "no tag until one is given";
    untagged.Load(5);
    EXPECT_EQ(untagged.GetTag(), 5u) << "an element without a tag takes the one it is loaded with";
}

TEST(ElementTest, LostFocusRaisesTextChangedOnlyWhenTheTextChanged) {
    Form form;
    ProbeControl probe(&form, "p", 0, 0, 10, 10);
    RecordEvents(&probe);
    probe.SetText("abc");
    probe.GotFocus();
    probe.LostFocus();
    probe.GotFocus();
    probe.SetText("abd");
    probe.LostFocus();
    EXPECT_EQ(EventsOf("p"), (std::vector<std::string>{"p.GotFocus", "p.LostFocus", "p.GotFocus",
                                                       "p.LostFocus", "p.TextChanged"}));
}

TEST(ElementTest, DoubleClickNeedsASecondClickWithinHalfASecond) {
    Form form;
    ProbeControl probe(&form, "p", 0, 0, 10, 10);
    RecordEvents(&probe);
    probe.Click({1, 1});
    EXPECT_EQ(CountEvents("p.DoubleClick"), 0) << "a first click is never double";
    probe.Click({1, 1});
    EXPECT_EQ(CountEvents("p.DoubleClick"), 1);
    usleep(600 * 1000);
    probe.Click({1, 1});
    EXPECT_EQ(CountEvents("p.DoubleClick"), 1) << "too late after the previous click";
    EXPECT_EQ(CountEvents("p.Click"), 3);
}

TEST(ElementTest, AClickCallbackMayDeleteItsOwnElement) {
    Form form;
    auto* probe = new ProbeControl(&form, "p", 0, 0, 10, 10);
    probe->SetOnClick(
        [](GUIElement* element, uint64_t, Point) { delete static_cast<ProbeControl*>(element); });
    probe->Click({1, 1});
    EXPECT_EQ(Application::ElementCount(), 1u) << "only the form is left";
}

TEST(ElementTest, IdsFollowCreationOrderAndFormsAndControlsShareTheCounter) {
    Form form;
    ProbeControl first(&form, "a", 0, 0, 10, 10);
    ProbeControl second(&form, "b", 0, 0, 10, 10);
    EXPECT_EQ(first.GetId(), 0) << "no id before creation";
    second.Show();
    first.Show();
    EXPECT_EQ(second.GetId() + 1, first.GetId());
    EXPECT_EQ(first.GetTag(), static_cast<uint64_t>(first.GetId()));
}

TEST(ElementTest, OwnerFormAndFormCoordinatesWalkThroughPanels) {
    Form form;
    ProbeControl panel(&form, "panel", 30, 40, 100, 100, "panel");
    ProbeControl inner(&panel, "inner", 5, 6, 10, 10);
    EXPECT_EQ(inner.GetOwnerForm(), &form);
    const Point point = inner.ToFormCoordinates(5, 6);
    EXPECT_EQ(point.x, 35);
    EXPECT_EQ(point.y, 46);
}

}  // namespace
}  // namespace sassorbi::testing
