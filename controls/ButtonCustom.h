#pragma once
// The push button: a raised rectangle with a centred caption (or an image, or both) that
// looks pressed while the left mouse button or Return is held on it and runs its command
// when released over it.

#include <X11/Xlib.h>

#include <string>

#include "controls/CommandElement.h"
#include "graphics/DrawnControl.h"

namespace sassorbi {

class Graphics;

class ButtonCustom : public DrawnControl, public CommandElement {
public:
    ButtonCustom(GUIElement* parent, const std::string& caption);

    void SetText(const std::string& caption) override;
    void MouseDown(Point point) override;
    // Runs the command, then the OnClick callback.
    void Click(Point point) override;
    void KeyDown(KeySym key) override;
    bool KeyChar(char character) override;
    void GotFocus() override;
    void LostFocus() override;
    void Paint() override;

    // The caption colour when enabled and the colour of the focus rectangle; no repaint.
    virtual void SetTextColour(Colour colour);

    void SetContentHidden(bool hidden);
    // The images stay the caller's; the disabled one replaces the other while disabled.
    void SetImage(XImage* image);
    void SetDisabledImage(XImage* image);

    bool IsPressed() const { return pressed_; }

private:
    // Draws the new look at once, while the user still holds the button or key.
    void SetPressedAndShow(bool pressed);
    void DrawRelief(Graphics& graphics, int x, int y, int w, int h) const;
    void DrawFocusRectangle(Graphics& graphics, int x, int y, int w, int h) const;
    void DrawContent(Graphics& graphics, int x, int y, int w, int h, Colour back,
                     const std::string& caption) const;

    Colour text_colour_ = 0x000000;
    bool pressed_ = false;
    bool content_hidden_ = false;
    XImage* image_ = nullptr;
    XImage* disabled_image_ = nullptr;
};

}  // namespace sassorbi
