#include "controls/ChoicePictures.h"

#include <array>
#include <vector>

namespace sassorbi {
namespace {

using Embedded = std::array<uint8_t, kChoicePictureBytes>;
using Palette = std::array<uint32_t, 16>;
using Art = const char* const[kChoicePictureSize];

// Colour indices of the drawings below.
//   0 outside the circle: pure black, the transparent key of the option box's copy
//   1, 2 outer and inner shadow (top and left); 3, 4 outer and inner light (bottom, right)
//   5 inside; 6 the check mark or the dot
constexpr Art kBoxArt = {
    "11111111111111111113", "12222222222222222243", "12555555555555555543", "12555555555555555543",
    "12555555555555555543", "12555555555555555543", "12555555555555655543", "12555555555556655543",
    "12555555555566655543", "12555655555666555543", "12555665556665555543", "12555666566655555543",
    "12555566666555555543", "12555556665555555543", "12555555655555555543", "12555555555555555543",
    "12555555555555555543", "12555555555555555543", "12444444444444444443", "33333333333333333333",
};

constexpr Art kCircleArt = {
    "00000001111110000000", "00000111222211100000", "00011222255222211000", "00112255555555223300",
    "00122555555555544300", "01225555555555554430", "01255555555555555430", "11255555666655555433",
    "12255556666665555443", "12555556666665555543", "12555556666665555543", "12255556666665555443",
    "11255555666655555433", "01255555555555555430", "01225555555555554430", "00124555555555544300",
    "00134455555555443300", "00033444455444433000", "00000333444433300000", "00000003333330000000",
};

constexpr uint32_t kLightInside = 0xFFFFFF;
constexpr uint32_t kGreyInside = 0xC8C8C8;
// Near-black, so that the mark is never taken for the transparent key.
constexpr uint32_t kMark = 0x010101;
constexpr uint32_t kGreyMark = 0x808080;

// An unchecked picture paints its mark in the inside colour: one drawing serves both states.
constexpr Palette MakePalette(bool on, bool enabled) {
    const uint32_t inside = enabled ? kLightInside : kGreyInside;
    const uint32_t mark = !on ? inside : enabled ? kMark : kGreyMark;
    return {0x000000, 0x808080, 0x404040, 0xFFFFFF, 0xD4D4D4, inside, mark};
}

constexpr uint8_t Nibble(char digit) {
    return static_cast<uint8_t>(digit - '0');
}

// The embedded layout: palette, then rows bottom first, two pixels a byte, left pixel high.
constexpr Embedded Pack(Art& art, const Palette& palette) {
    Embedded out{};
    for (int i = 0; i < 16; ++i) {
        out[i * 3] = static_cast<uint8_t>(palette[i] >> 16);
        out[i * 3 + 1] = static_cast<uint8_t>(palette[i] >> 8);
        out[i * 3 + 2] = static_cast<uint8_t>(palette[i]);
    }
    constexpr int kRowBytes = kChoicePictureSize / 2;
    for (int row = 0; row < kChoicePictureSize; ++row) {
        const char* line = art[kChoicePictureSize - 1 - row];
        for (int j = 0; j < kRowBytes; ++j) {
            out[48 + row * kRowBytes + j] =
                static_cast<uint8_t>(Nibble(line[2 * j]) << 4 | Nibble(line[2 * j + 1]));
        }
    }
    return out;
}

constexpr Embedded kBoxOn = Pack(kBoxArt, MakePalette(true, true));
constexpr Embedded kBoxOnDisabled = Pack(kBoxArt, MakePalette(true, false));
constexpr Embedded kBoxOff = Pack(kBoxArt, MakePalette(false, true));
constexpr Embedded kBoxOffDisabled = Pack(kBoxArt, MakePalette(false, false));
constexpr Embedded kCircleOn = Pack(kCircleArt, MakePalette(true, true));
constexpr Embedded kCircleOnDisabled = Pack(kCircleArt, MakePalette(true, false));
constexpr Embedded kCircleOff = Pack(kCircleArt, MakePalette(false, true));
constexpr Embedded kCircleOffDisabled = Pack(kCircleArt, MakePalette(false, false));

int StateIndex(bool on, bool enabled) {
    return (on ? 0 : 2) + (enabled ? 0 : 1);
}

}  // namespace

const uint8_t* ChoicePicture(ChoiceShape shape, bool on, bool enabled) {
    static const Embedded* const kBoxes[] = {&kBoxOn, &kBoxOnDisabled, &kBoxOff, &kBoxOffDisabled};
    static const Embedded* const kCircles[] = {&kCircleOn, &kCircleOnDisabled, &kCircleOff,
                                               &kCircleOffDisabled};
    const int index = StateIndex(on, enabled);
    return (shape == ChoiceShape::kBox ? kBoxes : kCircles)[index]->data();
}

XImage* ChoicePictures::For(GUIElement* element, bool on, bool enabled) {
    if (images_[0] == nullptr) Build(element);
    return images_[StateIndex(on, enabled)].get();
}

void ChoicePictures::Build(GUIElement* element) {
    for (int on = 0; on < 2; ++on) {
        for (int enabled = 0; enabled < 2; ++enabled) {
            const std::vector<uint8_t> rgb = MyImage::DecodeEmbeddedImage(
                kChoicePictureSize, kChoicePictureSize, ChoicePicture(shape_, on, enabled));
            images_[StateIndex(on, enabled)] = MyImage::CreateImageFromRGB(
                element, rgb.data(), kChoicePictureSize, kChoicePictureSize);
        }
    }
}

}  // namespace sassorbi
