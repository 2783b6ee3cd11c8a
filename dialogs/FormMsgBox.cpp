#include "dialogs/FormMsgBox.h"

#include <utility>

#include "toolkit/Application.h"

namespace sassorbi {
namespace {

constexpr int kWidth = 250;
constexpr int kHeight = 150;
constexpr char kTab = 9;
constexpr char kEnter = 13;

FormMsgBox* BoxOf(GUIElement* element) {
    return dynamic_cast<FormMsgBox*>(FormOf(element));
}

// The buttons' command: the box they sit in handles it.
void RouteCommand(GUIElement* element) {
    if (FormMsgBox* box = BoxOf(element)) box->CommandClicked(element);
}

Form* MainForm() {
    const auto& forms = Application::GetForms();
    return forms.empty() ? nullptr : static_cast<Form*>(forms.front());
}

FormMsgBox* Open(int kind, bool yes_mode, Form* parent, const std::string& message,
                 const std::string& title) {
    Application::SetSharedMessageBox(nullptr);
    if (parent == nullptr) parent = MainForm();
    Screen* screen = parent != nullptr ? parent->GetScreen() : nullptr;
    auto box = std::make_unique<FormMsgBox>(kind, yes_mode, screen, parent, title, message);
    FormMsgBox* opened = box.get();
    Application::SetSharedMessageBox(std::move(box));
    return opened;
}

}  // namespace

FormMsgBox::FormMsgBox(int kind, bool yes_mode, Screen* screen, Form* parent,
                       const std::string& title, const std::string& message)
    : Form(0, false), parent_(parent, this), message_(message), yes_mode_(yes_mode), kind_(kind) {
    if (screen != nullptr) SetScreen(screen);
    SetSize(kWidth, kHeight);
    if (parent != nullptr) {
        const Point at = parent->GetLocation();
        const Size size = parent->GetSize();
        Move(at.x + (size.width - kWidth) / 2, at.y + (size.height - kHeight) / 2);
    }
    SetTitle(title);
    InstallCallbacks();
    SetBackColor(0xAAAAAA);
    Create();
}

FormMsgBox::~FormMsgBox() {
    DestroyWindow();
}

void FormMsgBox::InstallCallbacks() {
    SetOnLoad([](GUIElement* e, uint64_t) { static_cast<FormMsgBox*>(e)->BuildControls(); });
    SetOnQueryClose([](GUIElement* e) { return static_cast<FormMsgBox*>(e)->ConfirmClose(); });
    SetOnClosed([](GUIElement* e) { static_cast<FormMsgBox*>(e)->ReportResult(); });
    SetOnResize([](GUIElement* e) { static_cast<FormMsgBox*>(e)->ResizeHook(); });
    SetOnKeyChar([](GUIElement*, char) { return true; });
    SetOnKeyDown([](GUIElement* e, KeySym k) { static_cast<FormMsgBox*>(e)->FormKeyDown(k); });
    SetOnKeyUp([](GUIElement* e, KeySym k) { static_cast<FormMsgBox*>(e)->FormKeyUp(k); });
    SetOnClick([](GUIElement* e, uint64_t, Point p) { static_cast<FormMsgBox*>(e)->FormClick(p); });
    SetOnMouseDown(
        [](GUIElement* e, uint64_t, Point p) { static_cast<FormMsgBox*>(e)->FormMouseDown(p); });
}

void FormMsgBox::Configure(int kind, bool yes_mode, const std::string& title,
                           const std::string& message) {
    kind_ = kind;
    yes_mode_ = yes_mode;
    SetTitle(title);
    SetMessage(message);
}

// The framed message above, the answer buttons below: "NO" left, "OK" or "YES" right.
void FormMsgBox::BuildControls() {
    const Size size = GetSize();
    label_ = std::make_unique<CellControl>(this);
    label_->SetBorder(true);
    label_->SetBackColor(0xB7B7B7);
    label_->SetForeColor(0x000000);
    label_->SetText(message_);
    label_->SetSize(size.width - 20, size.height - 60);
    label_->Move(10, 10);
    label_->Create();
    main_button_ = std::make_unique<ButtonCustom>(this, yes_mode_ ? "YES" : "OK");
    main_button_->SetSize(110, 28);
    main_button_->Move(size.width - 120, size.height - 40);
    main_button_->SetCommand(RouteCommand);
    main_button_->Create();
    second_button_ = std::make_unique<ButtonCustom>(this, "NO");
    second_button_->SetSize(110, 28);
    second_button_->Move(10, size.height - 40);
    second_button_->SetCommand(RouteCommand);
    second_button_->Create();
    if (!yes_mode_) second_button_->Hide();
}

bool FormMsgBox::ConfirmClose() {
    parent_.Release();
    return true;
}

void FormMsgBox::ReportResult() {
    if (Form* parent = parent_.Get()) parent->DialogResult(kind_, result_);
}

void FormMsgBox::ResizeHook() {}

bool FormMsgBox::FormKeyChar(char) {
    return true;
}

bool FormMsgBox::KeyFilter(char character) {
    return character != kTab && character != kEnter;
}

void FormMsgBox::FormKeyDown(KeySym) {}
void FormMsgBox::FormKeyUp(KeySym) {}
void FormMsgBox::FormHookA(GUIElement*) {}
void FormMsgBox::FormClick(Point) {}
void FormMsgBox::FormMouseDown(Point) {}
void FormMsgBox::FormHookB(GUIElement*) {}
void FormMsgBox::FormHookC(GUIElement*) {}
void FormMsgBox::FormHookD(GUIElement*) {}

// Acts only while the box is open. Closed reports the answer to the parent, which may open
// the next message box and so delete this one: nothing may follow it.
void FormMsgBox::CommandClicked(GUIElement* element) {
    if (element == nullptr || !IsCreated() || !ConfirmClose()) return;
    if (main_button_ != nullptr && element->GetId() == main_button_->GetId()) {
        result_ = yes_mode_ ? kYes : kOk;
    } else if (second_button_ != nullptr && element->GetId() == second_button_->GetId()) {
        result_ = kNo;
    }
    DestroyWindow();
    Closed();
}

void FormMsgBox::SetMessage(const std::string& message) {
    message_ = message;
    if (IsCreated() && label_ != nullptr) label_->SetText(message);
}

void RouteHookA(GUIElement* element) {
    if (FormMsgBox* box = BoxOf(element)) box->FormHookA(element);
}
void RouteHookB(GUIElement* element) {
    if (FormMsgBox* box = BoxOf(element)) box->FormHookB(element);
}
void RouteHookC(GUIElement* element) {
    if (FormMsgBox* box = BoxOf(element)) box->FormHookC(element);
}
void RouteHookD(GUIElement* element) {
    if (FormMsgBox* box = BoxOf(element)) box->FormHookD(element);
}

FormMsgBox* ShowMessage(int kind, Form* parent, const std::string& message,
                        const std::string& title) {
    return Open(kind, false, parent, message, title);
}

FormMsgBox* ShowMessage(Form* parent, const std::string& message, const std::string& title) {
    return Open(0, false, parent, message, title);
}

FormMsgBox* ShowMessage(const std::string& message, const std::string& title) {
    return Open(0, false, nullptr, message, title);
}

FormMsgBox* AskYesNo(int kind, Form* parent, const std::string& message, const std::string& title) {
    return Open(kind, true, parent, message, title);
}

FormMsgBox* AskYesNo(int kind, const std::string& message, const std::string& title) {
    return Open(kind, true, nullptr, message, title);
}

}  // namespace sassorbi
