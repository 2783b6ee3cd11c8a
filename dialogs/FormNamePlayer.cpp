#include "dialogs/FormNamePlayer.h"

#include "util/Shell.h"

namespace sassorbi {
namespace {

constexpr char kEnter = 13;
constexpr char kDelete = 127;

// The OK button's command: the dialog it sits in handles it.
void RouteCommand(GUIElement* element) {
    if (auto* dialog = dynamic_cast<FormNamePlayer*>(FormOf(element)))
        dialog->CommandClicked(element);
}

}  // namespace

std::string& PlayerName() {
    static std::string* name = new std::string();
    return *name;
}

FormNamePlayer::FormNamePlayer(Form* parent, uint64_t owner, const std::string& title)
    : Form(owner, true), parent_(parent, this) {
    PlayerName().clear();
    if (parent != nullptr) SetScreen(parent->GetScreen());
    SetSize(250, 115);
    SetTitle(title);
    InstallCallbacks();
}

FormNamePlayer::FormNamePlayer(uint64_t owner, const std::string& title)
    : FormNamePlayer(nullptr, owner, title) {}

void FormNamePlayer::InstallCallbacks() {
    SetOnLoad([](GUIElement* e, uint64_t) { static_cast<FormNamePlayer*>(e)->BuildControls(); });
    SetOnQueryClose([](GUIElement* e) { return static_cast<FormNamePlayer*>(e)->ConfirmClose(); });
    SetOnResize([](GUIElement* e) { static_cast<FormNamePlayer*>(e)->ResizeHook(); });
    SetOnKeyChar(
        [](GUIElement* e, char c) { return static_cast<FormNamePlayer*>(e)->FormKeyChar(c); });
    SetOnKeyDown([](GUIElement* e, KeySym k) { static_cast<FormNamePlayer*>(e)->FormKeyDown(k); });
    SetOnKeyUp([](GUIElement* e, KeySym k) { static_cast<FormNamePlayer*>(e)->FormKeyUp(k); });
}

// A centred message line, the name box below it and the OK button at the bottom.
void FormNamePlayer::BuildControls() {
    const int width = GetActualWidth();
    message_label_ = std::make_unique<CellControl>(this);
    message_label_->SetText(message_);
    message_label_->SetTextAlign(2);
    message_label_->SetSize(width, 14);
    message_label_->Move(0, 15);
    message_label_->Create();
    name_box_ = std::make_unique<TextBoxCustom>(this, "");
    name_box_->SetSize(width / 2, 20);
    name_box_->Move(width / 4, 45);
    name_box_->SetMaxLength(10);
    name_box_->SetMultiLine(false);
    name_box_->Create();
    ok_button_ = std::make_unique<ButtonCustom>(this, "OK");
    ok_button_->SetSize(80, 28);
    ok_button_->Move((width - 80) / 2, 80);
    ok_button_->SetCommand(RouteCommand);
    ok_button_->Create();
    name_box_->SetFocus();
}

bool FormNamePlayer::ConfirmClose() {
    OnClosing();
    parent_.Release();
    return true;
}

void FormNamePlayer::ResizeHook() {}

bool FormNamePlayer::FormKeyChar(char character) {
    if (character != kEnter && character != kDelete) return true;
    CommandClicked(ok_button_.get());
    return false;
}

void FormNamePlayer::FormKeyDown(KeySym) {}
void FormNamePlayer::FormKeyUp(KeySym) {}

// Acts only while the dialog is open: a Return that the focused OK button has already
// confirmed reaches the dialog too, and must not confirm a second time.
void FormNamePlayer::CommandClicked(GUIElement* element) {
    if (element == nullptr || ok_button_ == nullptr || element->GetId() != ok_button_->GetId() ||
        !IsCreated()) {
        return;
    }
    const std::string name = name_box_->GetText();
    if (name.empty()) {
        Beep();
        name_box_->SetFocus();
        return;
    }
    if (!ConfirmClose()) return;
    PlayerName() = name;
    DestroyWindow();
    Closed();
}

void FormNamePlayer::SetMessage(const std::string& message) {
    message_ = message;
    if (IsCreated() && message_label_ != nullptr) message_label_->SetText(message);
}

}  // namespace sassorbi
