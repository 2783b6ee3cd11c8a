#pragma once
// What sprites of one kind share: their play area, frame size and frame range, the pace of
// their animations and the picture strip they are cut from.

#include <string>

#include "game/SpriteTable.h"

namespace sassorbi {

struct SpriteKind {
    int AreaWidth = 800;
    int AreaHeight = 640;
    int SpriteWidth = 64;
    int SpriteHeight = 63;
    int FirstFrame = 0;
    int LastFrame = 0;
    int FrameInterval = 60;  // milliseconds between frame steps
    std::string Path;
    std::string KindName;  // "player", "diamante" or "asteroide"
    int SpeedBase = 100;   // range of the movement interval
    int SpeedOffset = 5;   // offset of the movement interval

    // The kind as the sprite table describes it, in a play area of the given size.
    void Set(const SpriteKindEntry& entry, int area_width, int area_height) {
        AreaWidth = area_width;
        AreaHeight = area_height;
        SpriteWidth = entry.strip->width;
        SpriteHeight = entry.strip->frame_height;
        FirstFrame = entry.first_frame;
        LastFrame = entry.last_frame;
        FrameInterval = entry.frame_interval;
        Path = std::string("Data/") + entry.strip->file;
        KindName = entry.name;
    }
};

}  // namespace sassorbi
