#include "toolkit/EventDispatch.h"

#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <vector>

#include "toolkit/Application.h"
#include "toolkit/ElementRef.h"
#include "toolkit/Form.h"
#include "toolkit/KeyRepeat.h"
#include "toolkit/PressedKeys.h"

namespace sassorbi {
namespace {

KeyTranslation Translate(XKeyEvent& event) {
    char text[50] = {};
    KeySym key = NoSymbol;
    const int length = XLookupString(&event, text, sizeof text, &key, nullptr);
    const auto first = length > 0 ? static_cast<unsigned char>(text[0]) : 0;
    return {key, first <= 127 ? static_cast<char>(first) : '\0'};
}

PressedKeys& Pressed() {
    static PressedKeys keys;
    return keys;
}

// The first tab stop after the focused control (by id), wrapping to the form's first one.
GUIElement* NextTabStop(Form* form, GUIElement* focused) {
    const std::vector<GUIElement*> children = Application::GetChildren(form);
    for (GUIElement* child : children) {
        const bool after = focused == nullptr || static_cast<unsigned>(child->GetId()) >
                                                     static_cast<unsigned>(focused->GetId());
        if (after && child->IsTabStop()) return child;
    }
    for (GUIElement* child : children) {
        if (child->IsTabStop()) return child;
    }
    return nullptr;
}

void NavigateTab(Form* form) {
    GUIElement* focused = Application::GetFocusedElement();
    ElementRef target(NextTabStop(form, focused));
    if (!target) return;
    if (focused != nullptr) focused->LostFocus();
    if (GUIElement* element = target.Get()) {
        Application::SetFocusedElement(element);
        element->GotFocus();
    }
}

void OnKeyPress(Form* form, XKeyEvent& event) {
    if (!form->IsEnabled()) return;
    const KeyTranslation key = Translate(event);
    Pressed().Press(event, key);
    ElementRef form_ref(form);
    if (GUIElement* focused = Application::GetFocusedElement()) focused->KeyDown(key.key);
    if (form_ref) form->KeyDown(key.key);
}

// Characters are delivered on release; a release gives what its press translated to. Tab
// moves the focus unless the focused control takes Tab as an ordinary key (it is not a tab
// stop).
void OnKeyRelease(Display* display, Form* form, XKeyEvent& event, bool detectable_auto_repeat) {
    if (!detectable_auto_repeat && IsAutoRepeatRelease(display, event)) return;
    const std::optional<KeyTranslation> pressed = Pressed().Release(event);
    if (!form->IsEnabled()) return;
    const KeyTranslation key = pressed ? *pressed : Translate(event);
    ElementRef form_ref(form);
    GUIElement* focused = Application::GetFocusedElement();
    if (key.key == XK_Tab && (focused == nullptr || focused->IsTabStop())) {
        NavigateTab(form);
    } else if (focused != nullptr) {
        if (key.character != 0) focused->KeyChar(key.character);
        if (GUIElement* still = Application::GetFocusedElement()) still->KeyUp(key.key);
    }
    if (form_ref && key.character != 0) form->KeyChar(key.character);
    if (form_ref) form->KeyUp(key.key);
}

// Whether the press or release belongs to the focused control itself.
bool IsOnFocused(GUIElement* focused, Form* form, Point point) {
    return focused != nullptr && focused->HitTest(point) && focused->GetParent() == form;
}

void LoseFocus(GUIElement* focused) {
    if (focused == nullptr) return;
    focused->LostFocus();
    Application::ClearFocus();
}

// Pressing on a control focuses it; pressing on an empty part of the form unfocuses all.
void OnLeftPress(Form* form, Point point) {
    ElementRef form_ref(form);
    GUIElement* focused = Application::GetFocusedElement();
    if (IsOnFocused(focused, form, point)) {
        focused->MouseDown(point);
    } else if (GUIElement* found = Application::FindElementAt(form, point)) {
        ElementRef target(found);
        if (focused != nullptr && focused != found) focused->LostFocus();
        if (target && focused != found) found->GotFocus();
        if (target) found->MouseDown(point);
        if (target) Application::SetFocusedElement(found);
    } else {
        LoseFocus(focused);
    }
    if (form_ref) form->MouseDown(point);
}

// A control is clicked only when the button goes down and up on it.
void OnLeftRelease(Form* form, Point point) {
    ElementRef form_ref(form);
    GUIElement* focused = Application::GetFocusedElement();
    // A control inside a panel is found by the search, not by its own (panel-relative) test.
    if (IsOnFocused(focused, form, point) ||
        (focused != nullptr && Application::FindElementAt(form, point) == focused)) {
        focused->Click(point);
    } else {
        LoseFocus(focused);
    }
    if (form_ref) form->Click(point);
}

void OnButtonPress(Form* form, const XButtonEvent& event) {
    const Point point{event.x, event.y};
    if (!form->IsEnabled()) {
        form->MouseDown(point);
    } else if (event.button == Button1) {
        OnLeftPress(form, point);
    } else if (event.button <= Button4) {
        form->OtherButtonDown(point);
    }
}

void OnButtonRelease(Form* form, const XButtonEvent& event) {
    const Point point{event.x, event.y};
    if (!form->IsEnabled()) {
        form->Click(point);
    } else if (event.button == Button1) {
        OnLeftRelease(form, point);
    } else if (event.button <= Button4) {
        form->OtherButtonUp(point);
    }
}

// Dragging reaches a focused control that follows drags (sliders, scroll bars) wherever the
// pointer goes.
void OnMotion(Form* form, const XMotionEvent& event) {
    if (!form->IsEnabled()) return;
    ElementRef form_ref(form);
    GUIElement* focused = Application::GetFocusedElement();
    if (focused != nullptr && focused->FollowsDrags()) focused->MouseMove(event.x, event.y);
    if (form_ref) form->MouseMove(event.x, event.y);
}

// A window manager's own notice (sent, not the server's) tells the place on the root, and
// may come before the server has made the size it announces: the size is taken only from
// the server's notice, which always follows a real change, so a resize is never missed.
void OnConfigure(Form* form, const XConfigureEvent& event) {
    ElementRef form_ref(form);
    Size size = form->GetSize();
    if (!event.send_event) {
        // Resized sees the old size still stored.
        if (event.width != size.width || event.height != size.height) form->Resized();
        size = {event.width, event.height};
    }
    if (form_ref) form->SetBounds(event.x, event.y, size.width, size.height);
}

// Whoever pings (a window manager, a watchdog) learns that events are still handled: the
// message goes back unchanged but for its window, which becomes the root.
void AnswerPing(Display* display, XClientMessageEvent event) {
    const Window root = DefaultRootWindow(display);
    event.window = root;
    XEvent pong{};
    pong.xclient = event;
    XSendEvent(display, root, False, SubstructureNotifyMask | SubstructureRedirectMask, &pong);
    XFlush(display);
}

void OnClientMessage(Display* display, Form* form, const XClientMessageEvent& event, Form* main) {
    const long first = event.data.l[0];
    if (form->GetPingAtom() != None && static_cast<Atom>(first) == form->GetPingAtom()) {
        AnswerPing(display, event);
    } else if (form->GetDeleteWindowAtom() != None &&
               static_cast<Atom>(first) == form->GetDeleteWindowAtom()) {
        // The main form's own close handling decides whether the game ends.
        if (form == main) {
            main->QueryClose();
            return;
        }
        ElementRef form_ref(form);
        if (!form->QueryClose() || !form_ref) return;
        form->DestroyWindow();
        if (form_ref) form->Closed();
    } else if (event.message_type == 0 && first == 1) {
        form->OnUserMessage();
    }
}

}  // namespace

void DispatchEvent(Display* display, XEvent& event, Form* main, bool detectable_auto_repeat) {
    if (event.type == MappingNotify) {
        // Keep key translation right after an input tool remaps keys.
        XRefreshKeyboardMapping(&event.xmapping);
        return;
    }
    const Window window =
        event.type == ConfigureNotify ? event.xconfigure.window : event.xany.window;
    Form* form = Application::FindFormByWindow(window);
    if (form == nullptr) return;
    switch (event.type) {
        case KeyPress:
            OnKeyPress(form, event.xkey);
            break;
        case KeyRelease:
            OnKeyRelease(display, form, event.xkey, detectable_auto_repeat);
            break;
        case ButtonPress:
            OnButtonPress(form, event.xbutton);
            break;
        case ButtonRelease:
            OnButtonRelease(form, event.xbutton);
            break;
        case MotionNotify:
            OnMotion(form, event.xmotion);
            break;
        case EnterNotify:
            form->MouseEnter();
            break;
        case LeaveNotify:
            form->MouseLeave();
            break;
        case Expose:
            form->Paint();
            break;
        case ConfigureNotify:
            OnConfigure(form, event.xconfigure);
            break;
        case ClientMessage:
            OnClientMessage(display, form, event.xclient, main);
            break;
        case FocusOut:
            if (event.xfocus.detail != NotifyInferior) form->OnFocusOut();
            break;
        default:
            break;
    }
}

}  // namespace sassorbi
