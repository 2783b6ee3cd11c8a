#pragma once
// The program's one connection to the X server and the facts about its default screen.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace sassorbi {

class Screen {
public:
    // Opens the display named by the environment; the first Screen becomes the default one.
    explicit Screen(const char* title);
    ~Screen();
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    // False when no display is open; otherwise frees the visual list and closes the display.
    bool Close();

    Display* GetDisplay() const { return display_; }
    int GetScreenNumber() const { return screen_number_; }
    int GetWidth() const { return width_; }
    int GetHeight() const { return height_; }
    int GetDepth() const { return depth_; }
    const XVisualInfo* GetVisualInfo() const { return visuals_; }
    int GetVisualCount() const { return visual_count_; }
    const char* GetTitle() const { return title_; }
    bool HasError() const { return error_ != 0; }
    // Whether the server reports held keys without fake releases.
    bool HasDetectableAutoRepeat() const { return detectable_auto_repeat_; }

    // The first Screen ever constructed, or null.
    static Screen* GetDefaultScreen();
    static int DefaultScreenWidth();
    static int DefaultScreenHeight();

private:
    void OpenDisplay();
    void RequestDetectableAutoRepeat();

    int screen_number_ = 0;
    Display* display_ = nullptr;
    XVisualInfo* visuals_ = nullptr;
    int visual_count_ = 0;
    const char* title_;
    int error_ = 0;
    int width_ = 800;
    int height_ = 600;
    int depth_ = 8;
    bool detectable_auto_repeat_ = false;
};

}  // namespace sassorbi
