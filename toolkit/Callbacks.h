#pragma once
// The plain function pointers through which an application reacts to an element's events.
// Each receives the element first; a null callback is skipped.

#include <X11/X.h>

#include <cstdint>

#include "toolkit/Geometry.h"

namespace sassorbi {

class GUIElement;

using LoadCallback = void (*)(GUIElement* element, uint64_t tag);
using PointCallback = void (*)(GUIElement* element, uint64_t tag, Point point);
using ValueCallback = void (*)(GUIElement* element, uint64_t tag, int64_t value);
using KeyCallback = void (*)(GUIElement* element, KeySym key);
using CharCallback = bool (*)(GUIElement* element, char character);
using ElementCallback = void (*)(GUIElement* element);
using QueryCallback = bool (*)(GUIElement* element);
using MoveCallback = void (*)(GUIElement* element, int x, int y);
using ValuesCallback = void (*)(GUIElement* element, int64_t first, int64_t second);

}  // namespace sassorbi
