#include "toolkit/WorkArea.h"

#include <X11/Xatom.h>

#include <vector>

namespace sassorbi {
namespace {

// A CARDINAL list property of the root window; empty when it is not set.
std::vector<long> RootCardinals(Display* display, int screen_number, const char* name) {
    Atom type;
    int format;
    unsigned long count = 0, after;
    unsigned char* data = nullptr;
    std::vector<long> values;
    if (XGetWindowProperty(display, RootWindow(display, screen_number),
                           XInternAtom(display, name, False), 0, 1024, False, XA_CARDINAL, &type,
                           &format, &count, &after, &data) == Success &&
        data != nullptr && format == 32) {
        // Format 32 properties come back as longs, whatever their size.
        const auto* longs = reinterpret_cast<const long*>(data);
        values.assign(longs, longs + count);
    }
    if (data != nullptr) XFree(data);
    return values;
}

}  // namespace

Size WorkAreaSize(Display* display, int screen_number) {
    const Size screen{DisplayWidth(display, screen_number), DisplayHeight(display, screen_number)};
    // Four values per desktop: x, y, width, height.
    const std::vector<long> areas = RootCardinals(display, screen_number, "_NET_WORKAREA");
    const std::vector<long> current = RootCardinals(display, screen_number, "_NET_CURRENT_DESKTOP");
    // The desktop is any client's say: one past the areas (negative as a long too) names none.
    const long number = current.empty() ? 0 : current[0];
    if (number < 0 || static_cast<unsigned long>(number) >= areas.size() / 4) return screen;
    const size_t desktop = static_cast<size_t>(number);
    const long width = areas[4 * desktop + 2], height = areas[4 * desktop + 3];
    if (width <= 0 || height <= 0 || width > screen.width || height > screen.height) return screen;
    return {static_cast<int32_t>(width), static_cast<int32_t>(height)};
}

}  // namespace sassorbi
