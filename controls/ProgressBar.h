#pragma once
// The progress bar: a value within a range shown as a blue bar growing from the left inside a
// framed grey box. It takes no input.

#include "toolkit/Child.h"

namespace sassorbi {

class ProgressBar : public Child {
public:
    ProgressBar(GUIElement* parent, int minimum, int maximum);

    void Create() override;
    void Show() override;
    void ShowMapped() override;
    // Erases exactly the bar's area; the created flag stays set.
    void Hide() override;
    // A created bar is erased and drawn again at its new size or place.
    void SetSize(int width, int height) override;
    void SetLocation(int x, int y) override;
    void Paint() override;

    // Clamped to the range; the current value again changes nothing.
    void SetValue(int value);
    int GetValue() const { return value_; }
    void SetBorder(bool border);

private:
    void Repaint();

    int minimum_;
    int maximum_;
    int value_;
    bool border_ = true;
};

}  // namespace sassorbi
