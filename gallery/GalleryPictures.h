#pragma once
// The pictures the gallery shows, drawn in code: no picture file is needed.

#include "graphics/MyImage.h"

namespace sassorbi {

constexpr int kAboutPictureSize = 96;
constexpr int kHolderWidth = 96;
constexpr int kHolderHeight = 64;

// A diamond on a night sky, for the about box.
ClientImage MakeAboutPicture(GUIElement* element);
// A colour gradient, for the image holder.
ClientImage MakeHolderPicture(GUIElement* element);

}  // namespace sassorbi
