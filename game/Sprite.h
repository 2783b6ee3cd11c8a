#pragma once
// A rectangular game object cut from a picture strip (frames stacked vertically) and drawn
// into its form's layers: moving sprites into the screen buffer, static ones into the static
// layer, where they stay part of the background until erased.

#include <X11/Xlib.h>

#include <string>

#include "graphics/MyImage.h"

namespace sassorbi {

class FormGames;
class Graphics;

class GameElement {
public:
    virtual ~GameElement() = default;
    // Restores what lies under the sprite where it was last drawn.
    virtual void Erase() = 0;
    virtual void SetFrame(int index) = 0;
    virtual void Draw(Graphics* graphics) = 0;
    // After each frame step of a frame animation.
    virtual void FrameChanged(int index) = 0;
};

class Sprite : public GameElement {
public:
    // The strip stays the caller's.
    Sprite(FormGames* owner, XImage* strip, int width, int height);

    void Erase() override;
    void SetFrame(int index) override;
    void Draw(Graphics* graphics) override;
    void FrameChanged(int index) override;

    int GetFrame() const { return frame_ - 1; }
    void SetPosition(int x, int y);
    int GetX() const { return x_; }
    int GetY() const { return y_; }
    int GetWidth() const { return width_; }
    int GetHeight() const { return height_; }
    int GetId() const { return id_; }
    const std::string& GetTypeName() const { return type_name_; }
    bool IsStatic() const { return static_; }
    bool IsDrawn() const { return drawn_; }
    void ForgetOldPosition();
    // Restores the background over a rectangle, clipped to the play area.
    void EraseArea(int x, int y, int w, int h);
    // Whether the rectangles, shrunk by the insets, overlap; touching ones do not.
    bool Overlaps(const Sprite& other, int inset, int other_inset) const;

protected:
    void SetTypeName(const std::string& name) { type_name_ = name; }
    void SetStatic(bool value) { static_ = value; }
    FormGames* GetOwner() const { return owner_; }

private:
    void CutFrame();

    std::string type_name_ = "sprite";
    FormGames* owner_;
    XImage* strip_;
    int width_;
    int height_;
    int frame_ = 1;  // index + 1
    int drawn_frame_ = -1;
    int x_ = 0;
    int y_ = 0;
    bool drawn_ = false;
    int id_;
    int old_x_ = -1;
    int old_y_ = -1;
    ClientImage frame_image_;
    bool static_ = false;
    bool transparent_ = true;
};

}  // namespace sassorbi
