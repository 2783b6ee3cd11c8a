#pragma once
// Client-side pictures: the one-time probe of the window's pixel layout, the builders that
// turn packed RGB buffers and embedded 16-colour pictures into client images in that
// layout, and MyImage, the control that shows one image inside a form.
//
// A packed RGB buffer is w x h pixels of three bytes (red, green, blue), top row first,
// with no row padding. An embedded picture is a 48-byte palette (16 RGB entries) followed
// by its rows, bottom row first, two pixels per byte (high nibble left).

#include <X11/Xlib.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "graphics/PictureControl.h"

namespace sassorbi {

// Frees a client image made by MyImage::CreateImageFromRGB.
struct ClientImageDeleter {
    void operator()(XImage* image) const;
};
using ClientImage = std::unique_ptr<XImage, ClientImageDeleter>;

class MyImage : public PictureControl {
public:
    // Byte offsets of red, green and blue inside a pixel, as probed.
    static int ixRosso;
    static int ixVerde;
    static int ixBlu;

    // Whether pixels of this size hold the three channel bytes where the probe found them.
    static bool HasChannelBytes(int bytes_per_pixel);
    // Measures the pixel layout of the element's display, once per run.
    static void ProbePixelLayout(GUIElement* element);
    static void ProbePixelLayout(Display* display, int screen_number);
    // A client image in the display's layout, or null for a null buffer. The buffer is
    // only read and must hold 3 x w x h bytes.
    static XImage* CreateImageFromRGB(GUIElement* element, const uint8_t* rgb, int w, int h);
    static XImage* CreateImageFromRGB(Display* display, int screen_number, const uint8_t* rgb,
                                      int w, int h);
    // A zero-filled (black) client image in the display's layout.
    static XImage* CreateBlankImage(Display* display, int screen_number, int w, int h);
    // Frees an image made by CreateImageFromRGB or CreateBlankImage; null is ignored.
    static void DestroyImage(XImage* image);
    // The packed RGB buffer of an embedded picture.
    static std::vector<uint8_t> DecodeEmbeddedImage(int w, int h, const uint8_t* embedded);

    // The image stays the caller's.
    MyImage(GUIElement* parent, XImage* image);
    // The picture of w x h pixels, which also becomes the control's size, is built from the
    // embedded data when first painted, and owned.
    MyImage(GUIElement* parent, const uint8_t* embedded, int w, int h);
    ~MyImage() override;

    virtual void SetImage(XImage* image);
    // The picture's own size goes with it: the data holds no more than w x h pixels.
    virtual void SetEmbeddedImage(const uint8_t* embedded, int w, int h);
    virtual void SetBorder(bool border);
    virtual void SetEnabledFlag(bool enabled);

    void Paint() override;

private:
    void ReleaseDerivedImage();
    void BuildDerivedImage();
    void Repaint();

    XImage* image_ = nullptr;
    const uint8_t* embedded_ = nullptr;
    int embedded_width_ = 0;
    int embedded_height_ = 0;
    bool owns_image_ = false;
    bool border_ = false;
};

}  // namespace sassorbi
