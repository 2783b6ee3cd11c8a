#pragma once
// The game's sprite kinds and the picture strips they are cut from, in one place: the asset
// generator draws the strips to these sizes, the data check verifies the files against them,
// and the game loads the strips and animates each kind by them. A strip is one picture file
// of the Data folder with its frames stacked top to bottom, first frame at the top.

namespace sassorbi {

struct StripSpec {
    const char* file;  // in the Data folder
    int width;         // the strip's size, which is also each frame's width
    int height;
    int frame_height;
    int frames;  // frames drawn in the strip
};

struct SpriteKindEntry {
    const char* name;
    const StripSpec* strip;
    int first_frame;  // the frames its animation cycles through
    int last_frame;
    int frame_interval;  // milliseconds between frame steps
};

// The eighth frame of the ship is one row short.
inline constexpr StripSpec kPlayerStrip = {"player.bin", 50, 399, 50, 8};
// Ten frames, then ten transparent rows.
inline constexpr StripSpec kAsteroidStrip = {"asteroide_notte.bin", 45, 640, 63, 10};
inline constexpr StripSpec kDiamondStrip = {"diamante.bin", 32, 32, 32, 1};
inline constexpr const StripSpec* kSpriteStrips[] = {&kPlayerStrip, &kAsteroidStrip,
                                                     &kDiamondStrip};

inline constexpr SpriteKindEntry kPlayerKind = {"player", &kPlayerStrip, 0, 7, 100};
// A single frame: no frame animation.
inline constexpr SpriteKindEntry kDiamondKind = {"diamante", &kDiamondStrip, 0, 0, 60};
// Two kinds of asteroid turn opposite ways on one strip; its frame 5 is never shown.
inline constexpr SpriteKindEntry kAsteroidKindA = {"asteroide", &kAsteroidStrip, 0, 4, 200};
inline constexpr SpriteKindEntry kAsteroidKindB = {"asteroide", &kAsteroidStrip, 6, 9, 200};

constexpr bool FramesInStrip(const SpriteKindEntry& kind) {
    return 0 <= kind.first_frame && kind.first_frame <= kind.last_frame &&
           kind.last_frame < kind.strip->frames;
}
static_assert(FramesInStrip(kPlayerKind) && FramesInStrip(kDiamondKind) &&
                  FramesInStrip(kAsteroidKindA) && FramesInStrip(kAsteroidKindB),
              "every kind's frames lie in its strip");

}  // namespace sassorbi
