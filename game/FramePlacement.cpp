#include "game/FramePlacement.h"

#include <algorithm>

namespace sassorbi {
namespace {

// The share of the work area a scaled window may take, in tenths.
constexpr int kWorkAreaTenths = 9;

int LargestFittingFactor(Size frame, Size room) {
    if (frame.width <= 0 || frame.height <= 0) return 1;
    return std::max(1, std::min(room.width / frame.width, room.height / frame.height));
}

}  // namespace

FramePlacement PlaceFrame(Size frame, Size window) {
    FramePlacement placement;
    placement.factor = LargestFittingFactor(frame, window);
    placement.offset.x = (window.width - frame.width * placement.factor) / 2;
    placement.offset.y = (window.height - frame.height * placement.factor) / 2;
    return placement;
}

int AutoScaleFactor(Size frame, Size work_area) {
    const Size room{work_area.width * kWorkAreaTenths / 10,
                    work_area.height * kWorkAreaTenths / 10};
    return LargestFittingFactor(frame, room);
}

}  // namespace sassorbi
