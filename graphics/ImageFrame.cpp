#include "graphics/ImageFrame.h"

#include <utility>

#include "graphics/ControlArea.h"
#include "graphics/Graphics.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"

namespace sassorbi {

ImageFrame::ImageFrame(GUIElement* parent, int col, int row)
    : DrawnControl(parent, "imageframe", TagRule::kAlwaysId, MoveRule::kEraseAndRedraw),
      col_(col),
      row_(row) {}

ImageFrame::ImageFrame(GUIElement* parent, XImage* sheet, int col, int row)
    : ImageFrame(parent, col, row) {
    sheet_ = sheet;
}

ImageFrame::ImageFrame(GUIElement* parent, std::vector<XImage*> frames, int col, int row)
    : ImageFrame(parent, col, row) {
    frames_ = std::move(frames);
}

ImageFrame::ImageFrame(GUIElement* parent, std::vector<const uint8_t*> embedded, int w, int h,
                       int col, int row)
    : ImageFrame(parent, col, row) {
    embedded_ = std::move(embedded);
    embedded_width_ = w;
    embedded_height_ = h;
    GUIElement::SetSize(w, h);
}

void ImageFrame::SetFrame(int col, int row, bool hide_first) {
    if (col == col_ && row == row_) return;
    col_ = col;
    row_ = row;
    if (!IsCreated()) return;
    if (hide_first) Hide();
    Create();
    Paint();
}

void ImageFrame::SetTransparent(bool transparent) {
    transparent_ = transparent;
    Paint();
}

// Decoded at the pictures' own size: the embedded data holds no more than that.
void ImageFrame::BuildEmbeddedFrames() {
    if (embedded_.empty() || !owned_frames_.empty()) return;
    for (const uint8_t* picture : embedded_) {
        const std::vector<uint8_t> rgb =
            MyImage::DecodeEmbeddedImage(embedded_width_, embedded_height_, picture);
        owned_frames_.emplace_back(MyImage::CreateImageFromRGB(
            this, rgb.empty() ? nullptr : rgb.data(), embedded_width_, embedded_height_));
        frames_.push_back(owned_frames_.back().get());
    }
}

XImage* ImageFrame::FrameImage(int* src_x, int* src_y) const {
    *src_x = 0;
    *src_y = 0;
    if (sheet_ == nullptr) {
        const int64_t index = int64_t{col_} + row_;
        if (index < 0 || index >= static_cast<int64_t>(frames_.size())) return nullptr;
        return frames_[static_cast<size_t>(index)];
    }
    const int64_t x = int64_t{GetWidth()} * col_;
    const int64_t y = int64_t{GetHeight()} * row_;
    if (x < 0 || y < 0 || x >= sheet_->width || y >= sheet_->height) return nullptr;
    *src_x = static_cast<int>(x);
    *src_y = static_cast<int>(y);
    return sheet_;
}

void ImageFrame::Paint() {
    if (Application::IsFormLoading() || !IsCreated()) return;
    const int w = GetWidth(), h = GetHeight();
    if (w <= 0 || h <= 0) return;
    BuildEmbeddedFrames();
    Graphics graphics(static_cast<Form*>(GetOwnerForm()));
    const Point at = ToFormCoordinates(GetLocation().x, GetLocation().y);
    int src_x = 0, src_y = 0;
    XImage* image = FrameImage(&src_x, &src_y);
    // The whole w x h area, so no pixel of an earlier frame stays under a transparent one or
    // beside one smaller than the control.
    const bool covers = image != nullptr && image->width - src_x >= w && image->height - src_y >= h;
    if (transparent_ || !covers) {
        graphics.FillRectangle(at.x, at.y, w + 1, h + 1, 0, kNoColour, SurroundingColour(*this));
    }
    if (image == nullptr) return;
    if (transparent_) {
        graphics.PutSubImageTransparent(at.x, at.y, w, h, image, src_x, src_y);
    } else {
        graphics.PutImage(at.x, at.y, w, h, image, src_x, src_y);
    }
}

}  // namespace sassorbi
