#pragma once
// The moving sprites of a frame as they asked to be drawn, kept until the next frame. Their
// pixels go into the screen buffer only inside the damaged areas, in drawing order, and a
// sprite whose drawing differs from the last frame's damages both where it was and where it
// is now; a sprite gone from the list damages where it was.

#include <X11/Xlib.h>

#include <vector>

#include "game/DamageRegion.h"

namespace sassorbi {

// One picture copy: the area of the screen buffer it covers, already clipped to it, and
// where in the image that area starts.
struct SpriteDraw {
    const XImage* image = nullptr;
    int src_x = 0;
    int src_y = 0;
    Rect area;
    bool transparent = true;

    bool operator==(const SpriteDraw& other) const {
        return image == other.image && src_x == other.src_x && src_y == other.src_y &&
               area == other.area && transparent == other.transparent;
    }
};

class FrameSprites {
public:
    // Starts recording a frame; draws go to the sprite last started.
    void Begin();
    void StartSprite(int id, int frame);
    void Add(const SpriteDraw& draw);
    bool IsRecording() const { return recording_; }
    // Ends the recording: the changes since the last frame are added to the damage.
    void End(DamageRegion* damage);
    // The recorded sprites' pixels inside the area of target, in drawing order.
    void Replay(const Rect& area, XImage* target) const;
    // The last frame is unknown: the next one damages every sprite it draws.
    void Forget();

private:
    struct Trace {
        int id = 0;
        int frame = 0;
        std::vector<SpriteDraw> draws;

        bool operator==(const Trace& other) const {
            return id == other.id && frame == other.frame && draws == other.draws;
        }
    };
    static void AddAreas(const Trace& trace, DamageRegion* damage);

    std::vector<Trace> last_;
    std::vector<Trace> current_;
    bool recording_ = false;
};

}  // namespace sassorbi
