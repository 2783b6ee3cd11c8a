#pragma once
// Owners of the X resources the program makes. Each frees its resource the one right way:
// the two image families differ in who allocated the pixels, so they are different types
// and one cannot be handed to the other's release.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <memory>

namespace sassorbi {

// A client image whose pixels the toolkit allocated (the image builders, CutImage).
struct ClientImageDeleter {
    void operator()(XImage* image) const;
};
using ClientImage = std::unique_ptr<XImage, ClientImageDeleter>;

// An image Xlib allocated, pixels included (a read-back with XGetImage).
struct ServerImageDeleter {
    void operator()(XImage* image) const { XDestroyImage(image); }
};
using ServerImage = std::unique_ptr<XImage, ServerImageDeleter>;

// A pixmap, freed on the display it was made on.
class OwnedPixmap {
public:
    OwnedPixmap() = default;
    // A w x h pixmap of the given depth on the screen of the drawable.
    OwnedPixmap(Display* display, Drawable drawable, int w, int h, int depth);
    ~OwnedPixmap();
    OwnedPixmap(OwnedPixmap&& other) noexcept;
    OwnedPixmap& operator=(OwnedPixmap&& other) noexcept;

    Pixmap Get() const { return pixmap_; }
    explicit operator bool() const { return pixmap_ != 0; }

private:
    void Free();

    Display* display_ = nullptr;
    Pixmap pixmap_ = 0;
};

// A graphics context, freed on the display it was made on.
class OwnedGc {
public:
    OwnedGc() = default;
    OwnedGc(Display* display, Drawable drawable, unsigned long mask, XGCValues* values);
    ~OwnedGc();
    OwnedGc(OwnedGc&& other) noexcept;
    OwnedGc& operator=(OwnedGc&& other) noexcept;

    GC Get() const { return gc_; }
    explicit operator bool() const { return gc_ != nullptr; }

private:
    void Free();

    Display* display_ = nullptr;
    GC gc_ = nullptr;
};

}  // namespace sassorbi
