#pragma once
// The progress bar: a value within a range shown as a blue bar growing from the left inside a
// framed grey box. It takes no input.

#include "graphics/DrawnControl.h"

namespace sassorbi {

class ProgressBar : public DrawnControl {
public:
    ProgressBar(GUIElement* parent, int minimum, int maximum);

    // Erases exactly the bar's area; the created flag stays set.
    void Hide() override;
    void Paint() override;

    // Clamped to the range; the current value again changes nothing.
    void SetValue(int value);
    int GetValue() const { return value_; }
    void SetBorder(bool border);

private:
    int minimum_;
    int maximum_;
    int value_;
    bool border_ = true;
};

}  // namespace sassorbi
