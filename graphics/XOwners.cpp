#include "graphics/XOwners.h"

#include <utility>

namespace sassorbi {

OwnedPixmap::OwnedPixmap(Display* display, Drawable drawable, int w, int h, int depth)
    : display_(display),
      pixmap_(XCreatePixmap(display, drawable, static_cast<unsigned>(w), static_cast<unsigned>(h),
                            static_cast<unsigned>(depth))) {}

OwnedPixmap::~OwnedPixmap() {
    Free();
}

OwnedPixmap::OwnedPixmap(OwnedPixmap&& other) noexcept
    : display_(other.display_), pixmap_(std::exchange(other.pixmap_, 0)) {}

OwnedPixmap& OwnedPixmap::operator=(OwnedPixmap&& other) noexcept {
    if (this != &other) {
        Free();
        display_ = other.display_;
        pixmap_ = std::exchange(other.pixmap_, 0);
    }
    return *this;
}

void OwnedPixmap::Free() {
    if (pixmap_ != 0) XFreePixmap(display_, pixmap_);
    pixmap_ = 0;
}

OwnedGc::OwnedGc(Display* display, Drawable drawable, unsigned long mask, XGCValues* values)
    : display_(display), gc_(XCreateGC(display, drawable, mask, values)) {}

OwnedGc::~OwnedGc() {
    Free();
}

OwnedGc::OwnedGc(OwnedGc&& other) noexcept
    : display_(other.display_), gc_(std::exchange(other.gc_, nullptr)) {}

OwnedGc& OwnedGc::operator=(OwnedGc&& other) noexcept {
    if (this != &other) {
        Free();
        display_ = other.display_;
        gc_ = std::exchange(other.gc_, nullptr);
    }
    return *this;
}

void OwnedGc::Free() {
    if (gc_ != nullptr) XFreeGC(display_, gc_);
    gc_ = nullptr;
}

}  // namespace sassorbi
