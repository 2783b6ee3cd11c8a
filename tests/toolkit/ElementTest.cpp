// The element model on its own: geometry, flags, focus snapshots, loading and clicks.

#include <gtest/gtest.h>
#include <unistd.h>

#include "tests/support/ProbeControl.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"

namespace sassorbi::testing {
namespace {

// A control that records every window-system hook it is asked to apply.
class HookProbe : public ProbeControl {
public:
    explicit HookProbe(GUIElement* parent) : ProbeControl(parent, "h", 10, 20, 30, 40) {}
    void ApplyLocation() override { hooks.push_back("ApplyLocation"); }
    void ApplyBringToFront() override { hooks.push_back("ApplyBringToFront"); }
    void ApplySendToBack() override { hooks.push_back("ApplySendToBack"); }
    void OnChildAdded(GUIElement* child) override {
        hooks.push_back("OnChildAdded:" + child->GetName());
    }

    std::vector<std::string> hooks;
};

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

TEST(ElementTest, TheBaseSizeQueriesAnswerTheStoredWidthAndHeight) {
    Form form;
    ProbeControl probe(&form, "p", 10, 20, 30, 40);
    EXPECT_EQ(probe.GetActualWidth(), 30);
    EXPECT_EQ(probe.GetActualHeight(), 40);
    EXPECT_EQ(probe.GetExtent().width, 30);
    EXPECT_EQ(probe.GetExtent().height, 40);
}

// Before creation the setters only store; afterwards each reaches its own hook.
TEST(ElementTest, StackingAndPlacingReachTheirHooksOnlyOnceCreated) {
    Form form;
    HookProbe probe(&form);
    ProbeControl added(&form, "added", 0, 0, 5, 5);
    probe.SetLocationPoint({3, 4});
    probe.BringToFront();
    probe.Raise();
    probe.SendToBack();
    probe.AddChild(&added);
    EXPECT_TRUE(probe.hooks.empty());
    EXPECT_EQ(probe.GetLocation().x, 3);
    EXPECT_EQ(probe.GetLocation().y, 4);

    probe.ShowMapped();
    EXPECT_TRUE(probe.IsCreated());
    EXPECT_TRUE(probe.IsVisible());
    probe.SetLocationPoint({7, 8});
    probe.BringToFront();
    probe.Raise();
    probe.SendToBack();
    probe.AddChild(&added);
    probe.AddChild(nullptr);
    EXPECT_EQ(probe.hooks,
              (std::vector<std::string>{"ApplyLocation", "ApplyBringToFront", "ApplyBringToFront",
                                        "ApplySendToBack", "OnChildAdded:added"}));
    EXPECT_EQ(probe.GetLocation().x, 7);
    EXPECT_EQ(probe.GetLocation().y, 8);
}

TEST(ElementTest, SpareEventsAndMovedPassTheirValuesToTheirCallbacks) {
    Form form;
    ProbeControl probe(&form, "p", 0, 0, 10, 10);
    probe.SetTag(42);
    static std::vector<std::string> calls;
    calls.clear();
    probe.SpareEvent1(1);
    probe.SpareEvent2(2, 3);
    probe.SpareEvent3(4, 5);
    probe.Moved();
    EXPECT_TRUE(calls.empty()) << "missing callbacks are skipped";
    probe.SetOnSpareEvent1([](GUIElement* e, uint64_t tag, int64_t value) {
        calls.push_back(e->GetName() + " 1:" + std::to_string(tag) + "," + std::to_string(value));
    });
    probe.SetOnSpareEvent2([](GUIElement* e, int64_t first, int64_t second) {
        calls.push_back(e->GetName() + " 2:" + std::to_string(first) + "," +
                        std::to_string(second));
    });
    probe.SetOnSpareEvent3([](GUIElement* e, int64_t first, int64_t second) {
        calls.push_back(e->GetName() + " 3:" + std::to_string(first) + "," +
                        std::to_string(second));
    });
    probe.SetOnMoved([](GUIElement* e) { calls.push_back(e->GetName() + " moved"); });
    probe.SpareEvent1(-7);
    probe.SpareEvent2(8, -9);
    probe.SpareEvent3(10, 11);
    probe.Moved();
    EXPECT_EQ(calls, (std::vector<std::string>{"p 1:42,-7", "p 2:8,-9", "p 3:10,11", "p moved"}));
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
