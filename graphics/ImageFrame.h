#pragma once
// One frame of a multi-frame picture: a cell of a sheet (frames side by side and row under
// row, each the control's size) or one picture of a list. Optionally black is transparent
// over the background colour of the parent, or of the form.

#include <X11/Xlib.h>

#include <cstdint>
#include <vector>

#include "graphics/MyImage.h"
#include "graphics/DrawnControl.h"

namespace sassorbi {

class ImageFrame : public DrawnControl {
public:
    struct Index {
        int col;
        int row;
    };

    // The sheet stays the caller's.
    ImageFrame(GUIElement* parent, XImage* sheet, int col, int row);
    // The frames stay the caller's; frame col + row is shown.
    ImageFrame(GUIElement* parent, std::vector<XImage*> frames, int col, int row);
    // Embedded 16-colour pictures of w x h pixels, which also becomes the control's size; they
    // are decoded when first painted and the frames made from them are owned.
    ImageFrame(GUIElement* parent, std::vector<const uint8_t*> embedded, int w, int h, int col,
               int row);

    // Unchanged values change nothing; otherwise a created control is drawn again, after
    // being erased first when hide_first is set.
    void SetFrame(int col, int row, bool hide_first = false);
    Index GetFrame() const { return {col_, row_}; }
    void SetTransparent(bool transparent);

    void Paint() override;

private:
    ImageFrame(GUIElement* parent, int col, int row);
    void BuildEmbeddedFrames();
    // The image holding the current frame and where the frame starts in it; null when the
    // index lies outside the sheet or the list.
    XImage* FrameImage(int* src_x, int* src_y) const;

    XImage* sheet_ = nullptr;
    std::vector<XImage*> frames_;
    std::vector<const uint8_t*> embedded_;
    int embedded_width_ = 0;
    int embedded_height_ = 0;
    std::vector<ClientImage> owned_frames_;
    int col_;
    int row_;
    bool transparent_ = false;
};

}  // namespace sassorbi
