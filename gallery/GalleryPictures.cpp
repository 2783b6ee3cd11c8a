#include "gallery/GalleryPictures.h"

#include <cstdlib>
#include <vector>

namespace sassorbi {
namespace {

void SetPixel(std::vector<uint8_t>& rgb, int index, uint8_t red, uint8_t green, uint8_t blue) {
    rgb[index * 3] = red;
    rgb[index * 3 + 1] = green;
    rgb[index * 3 + 2] = blue;
}

}  // namespace

ClientImage MakeAboutPicture(GUIElement* element) {
    constexpr int kSize = kAboutPictureSize;
    std::vector<uint8_t> rgb(kSize * kSize * 3);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const int from_centre = std::abs(x - kSize / 2) + std::abs(y - kSize / 2);
            if (from_centre < kSize / 3) {
                SetPixel(rgb, y * kSize + x, 0x40, static_cast<uint8_t>(0xA0 + from_centre), 0xFF);
            } else {
                SetPixel(rgb, y * kSize + x, 0x10, 0x10, static_cast<uint8_t>(0x30 + y / 2));
            }
        }
    }
    return MyImage::CreateImageFromRGB(element, rgb.data(), kSize, kSize);
}

ClientImage MakeHolderPicture(GUIElement* element) {
    std::vector<uint8_t> rgb(kHolderWidth * kHolderHeight * 3);
    for (int y = 0; y < kHolderHeight; ++y) {
        for (int x = 0; x < kHolderWidth; ++x) {
            SetPixel(rgb, y * kHolderWidth + x, static_cast<uint8_t>(x * 255 / kHolderWidth),
                     static_cast<uint8_t>(y * 255 / kHolderHeight), 0x80);
        }
    }
    return MyImage::CreateImageFromRGB(element, rgb.data(), kHolderWidth, kHolderHeight);
}

}  // namespace sassorbi
