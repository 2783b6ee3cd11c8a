#pragma once
// The slider: picks one integer between a minimum and a maximum on a track with one tick per
// value and a triangular pointer at the current value; horizontal or vertical, optionally
// with its limits written at the ends. It remembers where it drew its ticks, to turn later
// pointer positions back into values.

#include <X11/Xlib.h>

#include <cstdint>
#include <vector>

#include "graphics/DrawnControl.h"

namespace sassorbi {

class Graphics;

class Slider : public DrawnControl {
public:
    using ValueChangedCallback = void (*)(GUIElement* element, int value);

    Slider(GUIElement* parent, bool vertical, int minimum, int maximum);

    void SetFocus() override;
    void GotFocus() override;
    void LostFocus() override;
    void Click(Point point) override;
    // Starts a drag and picks the value at the point.
    void MouseDown(Point point) override;
    void MouseMove(int x, int y) override;
    // The arrows step by one, round from one end to the other.
    void KeyDown(KeySym key) override;
    // The space bar acts as Down.
    bool KeyChar(char character) override;
    void Paint() override;

    void SetColour(Colour colour);
    void SetShowLimits(bool show);
    void SetOnValueChanged(ValueChangedCallback callback) { on_value_changed_ = callback; }
    // Clamped to the range; raises no callback.
    void SetValue(int value);
    int GetValue() const { return value_; }
    // OnValueChanged with the value, then OnTextChanged.
    void RaiseValueChanged();
    // The ticks drawn: one per value, but never two on one pixel.
    const std::vector<XPoint>& GetTickPoints() const { return ticks_; }

private:
    // Where a value sits on the track: pixels from the track's start, and steps from the minimum.
    struct TickAt {
        int offset;
        int64_t step;
    };

    // Steps, whose count may be 0 for a single-valued slider: layouts divide by Steps(). In 64
    // bits, so that the full int range has a count too.
    int64_t Range() const { return int64_t{maximum_} - minimum_; }
    int64_t Steps() const { return Range() > 0 ? Range() : 1; }
    void ApplySizeRules();
    int OffsetOf(int64_t step, int span) const;
    std::vector<TickAt> TicksAlong(int span) const;
    void AddTick(int x, int y, int64_t step);
    void PaintVertical(Graphics& graphics, int x, int y, int w, int h, Colour fore, Colour back);
    void PaintHorizontal(Graphics& graphics, int x, int y, int w, int h, Colour fore, Colour back);
    void Step(int delta);
    void PickValue(int x, int y);

    bool vertical_;
    int minimum_;
    int maximum_;
    int value_;
    bool show_limits_ = true;
    Colour colour_ = 0x000000;
    bool dragging_ = false;
    std::vector<XPoint> ticks_;
    std::vector<int64_t> tick_steps_;  // the value of each tick, in steps from the minimum
    ValueChangedCallback on_value_changed_ = nullptr;
};

}  // namespace sassorbi
