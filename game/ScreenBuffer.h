#pragma once
// The picture that reaches the window every frame. Where the server offers MIT-SHM and the
// segment attaches, the image lives in shared memory and is put without copying it through
// the socket; otherwise it is an ordinary client image sent with XPutImage.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>

#include <memory>
#include <vector>

#include "game/DamageRegion.h"
#include "graphics/XOwners.h"
#include "toolkit/Geometry.h"

namespace sassorbi {

class ScreenBuffer {
public:
    // A black buffer of w x h in the display's pixel layout; null when none can be made.
    static std::unique_ptr<ScreenBuffer> Create(Display* display, int screen_number, int w, int h);
    ~ScreenBuffer();
    ScreenBuffer(const ScreenBuffer&) = delete;
    ScreenBuffer& operator=(const ScreenBuffer&) = delete;

    // The image, once the server has read what the last frame sent from it.
    XImage* GetImage();
    bool IsShared() const { return shared_; }
    // Presents a finished frame: the areas of the buffer at the same place of the window, or
    // moved by an offset, or on a pixmap that the window shows scaled.
    // Every frame reaches the window here and nowhere else.
    void Put(Drawable target, GC gc, const std::vector<Rect>& areas, Point offset = {});

private:
    explicit ScreenBuffer(Display* display);
    static ServerImage CreateShared(Display* display, int screen_number, int w, int h,
                                    XShmSegmentInfo* segment);

    Display* display_;
    // Xlib's record over the shared segment (its pixels are the segment's), or a client image.
    ServerImage shared_image_;
    ClientImage client_image_;
    XImage* image_ = nullptr;  // whichever of the two this buffer has
    bool shared_ = false;
    XShmSegmentInfo segment_{};
    // The request of the last shared put until the server is known to be done with it.
    unsigned long pending_request_ = 0;
};

}  // namespace sassorbi
