#pragma once
// The base of every control its form draws. It takes its id at creation, paints when shown,
// erases itself in what surrounds it when hidden (the next Show creates and paints it again)
// and follows a change of size or place the way the control asks. A control adds only its
// painting and its input.

#include <string>

#include "toolkit/Child.h"

namespace sassorbi {

class DrawnControl : public Child {
public:
    // Id and tag by the control's rule; a first creation also sets the created and visible
    // flags and runs OnCreated(), while a created control, hidden or shown, stays as it is.
    void Create() override;
    // Creates when needed, then paints.
    void Show() override;
    void ShowMapped() override;
    void SetSize(int width, int height) override;
    void SetLocation(int x, int y) override;
    // Erases the area and clears the created flag.
    void Hide() override;

    // Stores the enabled flag and repaints.
    virtual void Enable(bool enabled);

protected:
    // What the tag becomes when the control is created.
    enum class TagRule {
        kIdWhenGiven,  // the id, when the control gets one
        kAlwaysId,     // the id, at every creation
        kUsers,        // left as the user set it
    };
    // What a new size or place does to a created control.
    enum class MoveRule {
        kStoreOnly,
        kRepaint,         // stored, then painted again
        kEraseAndRedraw,  // erased, stored, then created and painted again
    };

    DrawnControl(GUIElement* parent, const std::string& kind, TagRule tag_rule, MoveRule move_rule);

    // Runs at every creation, once the flags are set: what the control builds for its life
    // on screen.
    virtual void OnCreated();
    // What hiding leaves: exactly the control's w x h pixels in what surrounds it.
    virtual void EraseArea();
    void Repaint();

private:
    TagRule tag_rule_;
    MoveRule move_rule_;
};

}  // namespace sassorbi
