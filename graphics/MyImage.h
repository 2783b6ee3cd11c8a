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
#include <vector>

#include "graphics/DrawnControl.h"
#include "graphics/XOwners.h"

namespace sassorbi {

class MyImage : public DrawnControl {
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
    static ClientImage CreateImageFromRGB(GUIElement* element, const uint8_t* rgb, int w, int h);
    static ClientImage CreateImageFromRGB(Display* display, int screen_number, const uint8_t* rgb,
                                          int w, int h);
    // A zero-filled (black) client image in the display's layout.
    static ClientImage CreateBlankImage(Display* display, int screen_number, int w, int h);
    // What ClientImage frees its images with; null is ignored.
    static void DestroyImage(XImage* image);
    // The packed RGB buffer of an embedded picture.
    static std::vector<uint8_t> DecodeEmbeddedImage(int w, int h, const uint8_t* embedded);

    // The image stays the caller's.
    MyImage(GUIElement* parent, XImage* image);
    // The picture of w x h pixels, which also becomes the control's size, is built from the
    // embedded data when first painted, and owned.
    MyImage(GUIElement* parent, const uint8_t* embedded, int w, int h);

    virtual void SetImage(XImage* image);
    // The picture's own size goes with it: the data holds no more than w x h pixels.
    virtual void SetEmbeddedImage(const uint8_t* embedded, int w, int h);
    virtual void SetBorder(bool border);
    virtual void SetEnabledFlag(bool enabled);

    void Paint() override;

private:
    void ReleaseDerivedImage();
    void BuildDerivedImage();

    // The image shown: the caller's, or the one derived from the embedded picture.
    XImage* image_ = nullptr;
    ClientImage derived_image_;
    const uint8_t* embedded_ = nullptr;
    int embedded_width_ = 0;
    int embedded_height_ = 0;
    bool border_ = false;
};

}  // namespace sassorbi
