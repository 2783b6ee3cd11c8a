#include "graphics/MyImage.h"

#include "graphics/ControlArea.h"
#include "graphics/Graphics.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"

namespace sassorbi {

MyImage::MyImage(GUIElement* parent, XImage* image)
    : DrawnControl(parent, "image", TagRule::kAlwaysId, MoveRule::kEraseAndRedraw), image_(image) {}

MyImage::MyImage(GUIElement* parent, const uint8_t* embedded, int w, int h)
    : DrawnControl(parent, "image", TagRule::kAlwaysId, MoveRule::kEraseAndRedraw),
      embedded_(embedded),
      embedded_width_(w),
      embedded_height_(h) {
    GUIElement::SetSize(w, h);
}

void MyImage::ReleaseDerivedImage() {
    if (!derived_image_) return;
    derived_image_.reset();
    image_ = nullptr;
}

// Decoded at the picture's own size, whatever the control's.
void MyImage::BuildDerivedImage() {
    const std::vector<uint8_t> rgb =
        DecodeEmbeddedImage(embedded_width_, embedded_height_, embedded_);
    derived_image_ = CreateImageFromRGB(this, rgb.empty() ? nullptr : rgb.data(), embedded_width_,
                                        embedded_height_);
    image_ = derived_image_.get();
}

void MyImage::SetImage(XImage* image) {
    if (derived_image_) {
        ReleaseDerivedImage();
        embedded_ = nullptr;
    }
    image_ = image;
    Repaint();
}

void MyImage::SetEmbeddedImage(const uint8_t* embedded, int w, int h) {
    ReleaseDerivedImage();
    embedded_ = embedded;
    embedded_width_ = w;
    embedded_height_ = h;
    Repaint();
}

void MyImage::SetBorder(bool border) {
    border_ = border;
    Repaint();
}

void MyImage::SetEnabledFlag(bool enabled) {
    SetEnabled(enabled);
}

void MyImage::Paint() {
    if (Application::IsFormLoading() || !IsCreated()) return;
    Graphics graphics(static_cast<Form*>(GetOwnerForm()));
    const Point at = ToFormCoordinates(GetLocation().x, GetLocation().y);
    const int w = GetWidth(), h = GetHeight();
    if (embedded_ != nullptr && image_ == nullptr) BuildDerivedImage();
    // A picture smaller than the control leaves the rest in the surrounding colour, to the
    // last row and column: nothing of a larger picture before it may stay.
    if (image_ == nullptr || image_->width < w || image_->height < h)
        graphics.FillRectangle(at.x, at.y, w + 1, h + 1, 0, kNoColour, SurroundingColour(*this));
    if (image_ != nullptr) graphics.PutImage(at.x, at.y, w, h, image_);
    if (!border_) return;
    graphics.DrawLine(at.x, at.y, at.x + w - 1, at.y, 0x000000);
    graphics.DrawLine(at.x, at.y + h - 1, at.x, at.y, 0x000000);
    graphics.DrawLine(at.x + w - 1, at.y, at.x + w - 1, at.y + h - 1, 0xFFFFFF);
    graphics.DrawLine(at.x, at.y + h - 1, at.x + w - 1, at.y + h - 1, 0xFFFFFF);
}

}  // namespace sassorbi
