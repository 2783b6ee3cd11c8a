#pragma once
// The 20 x 20 pictures of the check box and the option box: built into the program as
// embedded 16-colour images and turned into client images for one form when first painted.

#include <X11/Xlib.h>

#include <cstdint>

#include "graphics/MyImage.h"

namespace sassorbi {

class GUIElement;

// Side of every choice picture, in pixels.
constexpr int kChoicePictureSize = 20;
// An embedded 16-colour picture of 20 x 20 pixels: 48 palette bytes, then 20 rows of 10.
constexpr int kChoicePictureBytes = 48 + kChoicePictureSize * kChoicePictureSize / 2;

enum class ChoiceShape { kBox, kCircle };

// The embedded picture of one state: on is checked or selected.
const uint8_t* ChoicePicture(ChoiceShape shape, bool on, bool enabled);

// The four client images of one control, made on its form's display at the first paint.
class ChoicePictures {
public:
    explicit ChoicePictures(ChoiceShape shape) : shape_(shape) {}

    // Null until the pictures have been made for the element's form.
    XImage* For(GUIElement* element, bool on, bool enabled);

private:
    void Build(GUIElement* element);

    ChoiceShape shape_;
    ClientImage images_[4];
};

}  // namespace sassorbi
