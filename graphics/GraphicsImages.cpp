// Images onto the target: plain copies, colour-key copies and read-backs. Every copy is
// clipped to the source image and to the part of the target that can be read (of a window,
// what is visible on the screen), so no request reads past an image buffer or asks X for
// pixels it cannot give.

#include <X11/Xutil.h>

#include <algorithm>

#include "util/Log.h"
#include "graphics/Graphics.h"
#include "graphics/MyImage.h"
#include "graphics/PixelCopy.h"
#include "toolkit/Form.h"
#include "toolkit/Screen.h"

namespace sassorbi {
namespace {

// Shrinks [start, start + length) to [low, high), moving the source start along with it.
void ClipSpan(int* start, int* length, int* source, int low, int high) {
    if (*start < low) {
        *length -= low - *start;
        *source += low - *start;
        *start = low;
    }
    *length = std::min(*length, high - *start);
}

}  // namespace

// Clips the area to what X can read back of the target; false when nothing is left.
bool Graphics::VisibleArea(int* x, int* y, int* w, int* h, int* src_x, int* src_y) {
    if (on_window_) return VisibleOnScreen(x, y, w, h, src_x, src_y);
    Window root;
    int origin_x = 0, origin_y = 0;
    unsigned width = 0, height = 0, border = 0, depth = 0;
    if (!XGetGeometry(display_, target_, &root, &origin_x, &origin_y, &width, &height, &border,
                      &depth)) {
        return false;
    }
    ClipSpan(x, w, src_x, 0, static_cast<int>(width));
    ClipSpan(y, h, src_y, 0, static_cast<int>(height));
    return *w > 0 && *h > 0;
}

// A window is read from the screen: only its part inside the screen can be read.
bool Graphics::VisibleOnScreen(int* x, int* y, int* w, int* h, int* src_x, int* src_y) {
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(display_, target_, &attributes) ||
        attributes.map_state != IsViewable) {
        return false;
    }
    int origin_x = 0, origin_y = 0;
    Window child;
    XTranslateCoordinates(display_, target_, attributes.root, 0, 0, &origin_x, &origin_y, &child);
    const int screen_width = WidthOfScreen(attributes.screen);
    const int screen_height = HeightOfScreen(attributes.screen);
    ClipSpan(x, w, src_x, std::max(0, -origin_x),
             std::min(attributes.width, screen_width - origin_x));
    ClipSpan(y, h, src_y, std::max(0, -origin_y),
             std::min(attributes.height, screen_height - origin_y));
    return *w > 0 && *h > 0;
}

void Graphics::PutImage(int x, int y, XImage* image) {
    PutImage(x, y, 0, 0, image);
}

void Graphics::PutImage(int x, int y, int w, int h, XImage* image) {
    PutImage(x, y, w, h, image, 0, 0);
}

void Graphics::PutImage(int x, int y, int w, int h, XImage* image, int src_x, int src_y) {
    if (!CanDraw() || image == nullptr) return;
    if (w == 0) w = image->width;
    if (h == 0) h = image->height;
    ClipSpan(&src_x, &w, &x, 0, image->width);
    ClipSpan(&src_y, &h, &y, 0, image->height);
    if (w <= 0 || h <= 0) return;
    XPutImage(display_, target_, gc_.Get(), image, src_x, src_y, x, y, static_cast<unsigned>(w),
              static_cast<unsigned>(h));
    Flush();
}

void Graphics::PutImageTransparent(int x, int y, int w, int h, XImage* image, Colour key) {
    PutSubImageTransparent(x, y, w, h, image, 0, 0, key);
}

// The pixels under the area are read back, the image's non-key pixels laid over them, and
// the result put in one request; the caller's image stays as it was.
void Graphics::PutSubImageTransparent(int x, int y, int w, int h, XImage* image, int src_x,
                                      int src_y, Colour key) {
    if (!CanDraw() || image == nullptr) return;
    MyImage::ProbePixelLayout(display_, screen_number_);
    if (w == 0) w = image->width;
    if (h == 0) h = image->height;
    ClipSpan(&src_x, &w, &x, 0, image->width);
    ClipSpan(&src_y, &h, &y, 0, image->height);
    if (w <= 0 || h <= 0 || !VisibleArea(&x, &y, &w, &h, &src_x, &src_y)) return;
    ServerImage background(XGetImage(display_, target_, x, y, static_cast<unsigned>(w),
                                     static_cast<unsigned>(h), AllPlanes, ZPixmap));
    if (!background) return;
    BlitKeyed(*image, src_x, src_y, w, h, background.get(), 0, 0, key);
    XPutImage(display_, target_, gc_.Get(), background.get(), 0, 0, x, y, static_cast<unsigned>(w),
              static_cast<unsigned>(h));
    Flush();
}

ServerImage Graphics::GetImage(int x, int y, int w, int h) {
    if (!CanDraw() || w <= 0 || h <= 0) return nullptr;
    MyImage::ProbePixelLayout(display_, screen_number_);
    int clipped_x = x, clipped_y = y, clipped_w = w, clipped_h = h, ignored_x = 0, ignored_y = 0;
    if (!VisibleArea(&clipped_x, &clipped_y, &clipped_w, &clipped_h, &ignored_x, &ignored_y) ||
        clipped_w != w || clipped_h != h) {
        return nullptr;
    }
    return ServerImage(XGetImage(display_, target_, x, y, static_cast<unsigned>(w),
                                 static_cast<unsigned>(h), AllPlanes, ZPixmap));
}

OwnedPixmap Graphics::CreatePixmapFromImage(GUIElement* element, XImage* image) {
    Form* form = FormOf(element);
    if (form == nullptr || form->GetDisplay() == nullptr || image == nullptr) return {};
    Display* display = form->GetDisplay();
    const Drawable target = form->GetWindow() != 0 ? form->GetWindow() : DefaultRootWindow(display);
    OwnedPixmap pixmap(display, target, image->width, image->height, image->depth);
    XGCValues values{};
    const OwnedGc gc(display, pixmap.Get(), GCCapStyle | GCJoinStyle, &values);
    if (!gc) {
        WriteLog("Errore XCreateGC");
        return pixmap;
    }
    XPutImage(display, pixmap.Get(), gc.Get(), image, 0, 0, 0, 0,
              static_cast<unsigned>(image->width), static_cast<unsigned>(image->height));
    return pixmap;
}

}  // namespace sassorbi
