#pragma once
// The picture that reaches the window every frame. Where the server offers MIT-SHM and the
// segment attaches, the image lives in shared memory and is put without copying it through
// the socket; otherwise it is an ordinary client image sent with XPutImage.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>

#include <memory>

namespace sassorbi {

class ScreenBuffer {
public:
    // A black buffer of w x h in the display's pixel layout; null when none can be made.
    static std::unique_ptr<ScreenBuffer> Create(Display* display, int screen_number, int w, int h);
    ~ScreenBuffer();
    ScreenBuffer(const ScreenBuffer&) = delete;
    ScreenBuffer& operator=(const ScreenBuffer&) = delete;

    XImage* GetImage() const { return image_; }
    bool IsShared() const { return shared_; }
    // Shows the buffer at (0, 0) and waits until the server has it, so it may be written again.
    void Put(Window window, GC gc);

private:
    ScreenBuffer(Display* display, XImage* image, bool shared);
    static XImage* CreateShared(Display* display, int screen_number, int w, int h,
                                XShmSegmentInfo* segment);

    Display* display_;
    XImage* image_;
    bool shared_;
    XShmSegmentInfo segment_{};
};

}  // namespace sassorbi
