#include "toolkit/Form.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <string>
#include <utility>
#include <vector>

#include "util/Log.h"
#include "toolkit/Application.h"
#include "toolkit/ElementRef.h"
#include "toolkit/Screen.h"

namespace sassorbi {
namespace {

char kClassName[] = "Sassorbi.exe";

// Key, button, crossing, motion, exposure and structure events: 0xAA07F.
constexpr long kInputMask = KeyPressMask | KeyReleaseMask | ButtonPressMask | ButtonReleaseMask |
                            EnterWindowMask | LeaveWindowMask | PointerMotionMask |
                            ButtonMotionMask | ExposureMask | StructureNotifyMask |
                            SubstructureNotifyMask;

bool ToTextProperty(std::string text, XTextProperty* property) {
    char* list[] = {text.data()};
    return XStringListToTextProperty(list, 1, property) != 0;
}

}  // namespace

Form::Form(uint64_t owner, bool dialog)
    : GUIElement(owner), dialog_(dialog), input_mask_(kInputMask) {
    SetKind("form");
    SetFormFlag(true);
    Application::AddForm(this);
}

Form* FormOf(GUIElement* element) {
    if (element == nullptr) return nullptr;
    return static_cast<Form*>(element->IsForm() ? element : element->GetOwnerForm());
}

Form::~Form() {
    Application::RemoveWindow(this);
    Application::RemoveWinForm(this);
    Form::DestroyWindow();
}

Display* Form::GetDisplay() const {
    return screen_ != nullptr ? screen_->GetDisplay() : nullptr;
}

int Form::GetActualWidth() {
    Window root;
    int x, y;
    unsigned width, height, border, depth;
    if (!IsCreated() || window_ == 0) return GetWidth();
    XGetGeometry(GetDisplay(), window_, &root, &x, &y, &width, &height, &border, &depth);
    return static_cast<int>(width);
}

int Form::GetActualHeight() {
    Window root;
    int x, y;
    unsigned width, height, border, depth;
    if (!IsCreated() || window_ == 0) return GetHeight();
    XGetGeometry(GetDisplay(), window_, &root, &x, &y, &width, &height, &border, &depth);
    return static_cast<int>(height);
}

// The window's origin on the screen, as the server knows it.
Point Form::GetLocation() const {
    if (!IsCreated() || window_ == 0) return GUIElement::GetLocation();
    Display* display = GetDisplay();
    Window child;
    Point origin;
    XTranslateCoordinates(display, window_, DefaultRootWindow(display), 0, 0, &origin.x, &origin.y,
                          &child);
    return origin;
}

// The window background chosen at creation stays; only the stored colour changes.
void Form::SetBackColor(Colour colour) {
    StoreBackColor(colour);
    if (IsCreated()) UpdateBackColor();
}

void Form::Show() {
    GUIElement::Show();
    if (IsCreated()) XRaiseWindow(GetDisplay(), window_);
}

void Form::ShowMapped() {
    GUIElement::Show();
    if (IsCreated()) XMapWindow(GetDisplay(), window_);
}

void Form::Hide() {
    GUIElement::Hide();
    if (IsCreated()) XUnmapWindow(GetDisplay(), window_);
}

// Focus can only go to a viewable window; asking for it earlier (a window manager has not
// mapped the window yet) would be refused by the server.
void Form::SetFocus() {
    if (IsCreated() && IsWindowViewable()) {
        XSetInputFocus(GetDisplay(), window_, RevertToNone, CurrentTime);
    }
    GUIElement::SetFocus();
}

bool Form::IsWindowViewable() const {
    XWindowAttributes attributes{};
    return window_ != 0 && XGetWindowAttributes(GetDisplay(), window_, &attributes) != 0 &&
           attributes.map_state == IsViewable;
}

void Form::Paint() {
    // Walk references: a control's paint may destroy controls.
    std::vector<ElementRef> children;
    for (GUIElement* child : Application::GetChildren(this))
        children.emplace_back(child);
    for (const ElementRef& ref : children) {
        GUIElement* child = ref.Get();
        if (child != nullptr && child->IsDrawable() && child->IsCreated()) child->Paint();
    }
}

void Form::SetBlocked(bool blocked) {
    if (IsCreated()) GUIElement::SetBlocked(blocked);
}

void Form::Create() {
    if (IsCreated()) return;
    if (GetDisplay() == nullptr) {
        WriteLog("E' necessario impostare il display");
        return;
    }
    CreateWindow();
    SetFocus();
    if (window_ == 0) {
        WriteLog("Errore creazione Form ");
        return;
    }
    AssignId();
    LoadAndMap();
}

void Form::CreateWindow() {
    Display* display = GetDisplay();
    const Colour back = GetBackColor() == kNoColour ? kDefaultBackColour : GetBackColor();
    const Point origin = GUIElement::GetLocation();
    window_ = XCreateSimpleWindow(
        display, DefaultRootWindow(display), origin.x, origin.y, static_cast<unsigned>(GetWidth()),
        static_cast<unsigned>(GetHeight()), 1, BlackPixel(display, screen_->GetScreenNumber()),
        static_cast<unsigned long>(back));
    if (window_ != 0) SetWindowManagerProperties();
}

void Form::SetWindowManagerProperties() {
    XSizeHints* size_hints = XAllocSizeHints();
    XWMHints* wm_hints = XAllocWMHints();
    XClassHint* class_hints = XAllocClassHint();
    if (size_hints != nullptr && wm_hints != nullptr && class_hints != nullptr) {
        SetSizeHints(size_hints, GetSize());
        SetWindowManagerHints(wm_hints);
        SetNames(size_hints, wm_hints, class_hints);
        Display* display = GetDisplay();
        delete_window_atom_ = XInternAtom(display, "WM_DELETE_WINDOW", False);
        ping_atom_ = XInternAtom(display, "_NET_WM_PING", False);
        Atom protocols[] = {delete_window_atom_, ping_atom_};
        XSetWMProtocols(display, window_, protocols, 2);
        XSelectInput(display, window_, input_mask_);
    } else {
        WriteLog("XAllocSizeHints/XAllocWMHints/XAllocClassHint failed");
    }
    for (void* hints : {static_cast<void*>(size_hints), static_cast<void*>(wm_hints),
                        static_cast<void*>(class_hints)}) {
        if (hints != nullptr) XFree(hints);
    }
    if (dialog_) MarkAsDialog();
    ApplyWindowIcon();
}

// Equal minimum and maximum sizes: the window manager does not let the user resize it.
void Form::SetSizeHints(XSizeHints* hints, Size size) const {
    const Point origin = GUIElement::GetLocation();
    hints->flags = PPosition | PSize | PMinSize | PMaxSize;
    hints->x = origin.x;
    hints->y = origin.y;
    hints->width = hints->min_width = hints->max_width = size.width;
    hints->height = hints->min_height = hints->max_height = size.height;
}

void Form::SetWindowManagerHints(XWMHints* hints) const {
    hints->flags = InputHint | StateHint | IconPixmapHint;
    hints->input = True;
    hints->initial_state = NormalState;
    hints->icon_pixmap = icon_;
}

void Form::SetNames(XSizeHints* size_hints, XWMHints* wm_hints, XClassHint* class_hints) {
    XTextProperty window_name{}, icon_name{};
    const bool has_window_name = ToTextProperty(GetText(), &window_name);
    const bool has_icon_name = ToTextProperty(kClassName, &icon_name);
    if (!has_window_name || !has_icon_name) WriteLog("XStringListToTextProperty - error");
    class_hints->res_name = kClassName;
    class_hints->res_class = kClassName;
    XSetWMProperties(GetDisplay(), window_, has_window_name ? &window_name : nullptr,
                     has_icon_name ? &icon_name : nullptr, nullptr, 0, size_hints, wm_hints,
                     class_hints);
    if (has_window_name) XFree(window_name.value);
    if (has_icon_name) XFree(icon_name.value);
}

void Form::MarkAsDialog() {
    Display* display = GetDisplay();
    const Atom type = XInternAtom(display, "_NET_WM_WINDOW_TYPE", False);
    const Atom dialog = XInternAtom(display, "_NET_WM_WINDOW_TYPE_DIALOG", False);
    XChangeProperty(display, window_, type, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&dialog), 1);
}

void Form::ApplyWindowIcon() {
    if (window_ == 0) return;
    Display* display = GetDisplay();
    const Atom property = XInternAtom(display, "_NET_WM_ICON", False);
    // The property goes to the server in one request; one longer than the server takes is
    // refused (BadLength) and would leave the previous icon showing.
    long longest = XExtendedMaxRequestSize(display);
    if (longest == 0) longest = XMaxRequestSize(display);
    constexpr size_t kRequestHeader = 7;  // ChangeProperty's own words and a big length
    const bool fits = window_icon_.size() + kRequestHeader <= static_cast<size_t>(longest);
    if (!fits) {
        WriteLogString("Icona troppo grande: " + std::to_string(window_icon_.size()) + " numeri");
    }
    if (window_icon_.empty() || !fits) {
        XDeleteProperty(display, window_, property);
        return;
    }
    // Format 32 data is handed to Xlib as longs, whatever their size.
    XChangeProperty(display, window_, property, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(window_icon_.data()),
                    static_cast<int>(window_icon_.size()));
}

// OnLoad runs before the window is mapped, so the first expose paints every control.
void Form::LoadAndMap() {
    Application::SetFormLoading(true);
    Load(GetTag() != 0 ? GetTag() : static_cast<uint64_t>(GetId()));
    Application::SetFormLoading(false);
    SetCreatedFlag(true);
    UpdateBackColor();
    OnCreated();
    XMapWindow(GetDisplay(), window_);
    SetVisibleFlag(true);
    XFlush(GetDisplay());
}

void Form::ApplyLocation() {
    if (window_ == 0) return;
    const Point origin = GUIElement::GetLocation();
    XMoveWindow(GetDisplay(), window_, origin.x, origin.y);
}

// The window stays fixed-size, at its new size.
void Form::ApplySize() {
    if (window_ == 0) return;
    XSizeHints hints{};
    SetSizeHints(&hints, GetSize());
    XSetWMNormalHints(GetDisplay(), window_, &hints);
    XResizeWindow(GetDisplay(), window_, static_cast<unsigned>(GetWidth()),
                  static_cast<unsigned>(GetHeight()));
}

void Form::ApplyBringToFront() {
    if (window_ != 0) XRaiseWindow(GetDisplay(), window_);
}

void Form::ApplySendToBack() {
    if (window_ != 0) XLowerWindow(GetDisplay(), window_);
}

void Form::OnChildAdded(GUIElement*) {}
void Form::FormHook() {}
void Form::OnClosing() {}
std::string Form::GetTitle() {
    return GetTextValue();
}

void Form::SetTitle(const std::string& title) {
    SetText(title);
    if (!IsCreated()) return;
    XTextProperty name{};
    if (!ToTextProperty(GetText(), &name)) {
        WriteLog("XStringListToTextProperty - out of memory");
        return;
    }
    XSetWMName(GetDisplay(), window_, &name);
    XSetWMIconName(GetDisplay(), window_, &name);
    XFree(name.value);
}

std::string Form::GetTitleValue() {
    return GetTitle();
}
void Form::SetTitleFrom(const std::string& title) {
    SetTitle(std::string(title));
}
void Form::OnCreated() {}
void Form::OnUserMessage() {}
void Form::FormHook2() {}
void Form::SetFlagC(bool value) {
    flag_c_ = value;
}
void Form::SetFlagD(bool value) {
    flag_d_ = value;
}
void Form::SetFlagE(bool value) {
    flag_e_ = value;
}

void Form::DestroyWindow() {
    SetCreatedFlag(false);
    Display* display = GetDisplay();
    if (window_ == 0 || display == nullptr) return;
    Application::ClearFocus();
    XUnmapWindow(display, window_);
    XDestroyWindow(display, window_);
    window_ = 0;
}

void Form::DialogResult(int, int) {}
bool Form::IsDialog() const {
    return dialog_;
}

void Form::SetIcon(Pixmap icon) {
    icon_ = icon;
    if (!IsCreated()) return;
    XWMHints hints{};
    SetWindowManagerHints(&hints);
    XSetWMHints(GetDisplay(), window_, &hints);
}

void Form::SetWindowIcon(std::vector<unsigned long> icon) {
    window_icon_ = std::move(icon);
    ApplyWindowIcon();
}

void Form::SetClientSize(int width, int height) {
    SetClientSizeEx(width, height, true);
}

// Grows the stored size by what the server lacks, so the client area gets the size asked.
void Form::SetClientSizeEx(int width, int height, bool adjust) {
    if (!IsCreated()) return;
    const int dw = std::max(0, GetWidth() - GetActualWidth());
    const int dh = std::max(0, GetHeight() - GetActualHeight());
    if (adjust) {
        const Point location = GetLocation();
        SetLocation(location.x - dw, location.y - 2 * dh);
    }
    SetSize(width + dw, height + dh);
}

void Form::SetFlagF(bool value) {
    flag_f_ = value;
}
void Form::SetFlagG(bool value) {
    flag_g_ = value;
}
void Form::SetActiveDialog(Form* dialog) {
    active_dialog_ = dialog;
}
void Form::SetBounds(int x, int y, int width, int height) {
    StoreBounds(x, y, width, height);
}
void Form::SetScreen(Screen* screen) {
    screen_ = screen;
}
Screen* Form::GetScreen() const {
    return screen_;
}

void Form::CenterOnScreen() {
    const int screen_width =
        screen_ != nullptr ? screen_->GetWidth() : Screen::DefaultScreenWidth();
    const int screen_height =
        screen_ != nullptr ? screen_->GetHeight() : Screen::DefaultScreenHeight();
    const Size size = GetSize();
    Move((screen_width - size.width) / 2, (screen_height - size.height) / 2);
}

void Form::ShowForm() {
    if (!IsCreated()) Create();
    SetVisibleFlag(true);
}

void Form::ShowFormAlias() {
    ShowForm();
}
Window Form::GetWindow() const {
    return window_;
}

void Form::SetMarkedOn() {
    if (IsCreated()) SetMarked(true);
}

void Form::SetMarkedOff() {
    if (IsCreated()) SetMarked(false);
}

void Form::OnFocusOut() {}

void Form::AddInputMask(long mask) {
    input_mask_ |= mask;
    if (window_ != 0) XSelectInput(GetDisplay(), window_, input_mask_);
}

}  // namespace sassorbi
