#include "dialogs/FormAbout.h"

#include "util/ChildProcesses.h"

namespace sassorbi {
namespace {

constexpr int kWidth = 600;
constexpr int kHeight = 210;
constexpr char kEnter = 13;
constexpr char kEscape = 27;
constexpr char kDelete = 127;
constexpr Colour kLinkColour = 0x0000FF;

// The about box an element sits in.
FormAbout* AboutOf(GUIElement* element) {
    return dynamic_cast<FormAbout*>(FormOf(element));
}

void RouteCommand(GUIElement* element) {
    if (FormAbout* about = AboutOf(element)) about->CommandClicked(element);
}

void RouteLink(GUIElement* element, uint64_t, Point) {
    if (FormAbout* about = AboutOf(element)) about->LinkClicked(element);
}

bool RouteKeyChar(GUIElement* element, char character) {
    FormAbout* about = AboutOf(element);
    return about == nullptr || about->FormKeyChar(character);
}

bool SameElement(const GUIElement* element, const GUIElement* other) {
    return element != nullptr && other != nullptr && element->GetId() == other->GetId();
}

}  // namespace

FormAbout::FormAbout(Form* parent)
    : Form(parent != nullptr ? parent->GetOwner() : 0, true), parent_(parent, this) {
    SetTitle("Info...");
    SetSize(kWidth, kHeight);
    if (parent != nullptr) {
        // The dialog opens on its parent's display.
        SetScreen(parent->GetScreen());
        const Point at = parent->GetLocation();
        const Size size = parent->GetSize();
        Move(at.x + (size.width - kWidth) / 2, at.y + (size.height - kHeight) / 2);
    }
    InstallCallbacks();
}

void FormAbout::SetPicture(XImage* picture, int width, int height) {
    picture_ = picture;
    picture_width_ = width;
    picture_height_ = height;
}

void FormAbout::InstallCallbacks() {
    SetOnLoad([](GUIElement* e, uint64_t) { static_cast<FormAbout*>(e)->BuildControls(); });
    SetOnQueryClose([](GUIElement* e) { return static_cast<FormAbout*>(e)->ConfirmClose(); });
    SetOnKeyChar(RouteKeyChar);
    SetOnKeyDown([](GUIElement* e, KeySym k) { static_cast<FormAbout*>(e)->FormKeyDown(k); });
    SetOnKeyUp([](GUIElement* e, KeySym k) { static_cast<FormAbout*>(e)->FormKeyUp(k); });
}

std::unique_ptr<CellControl> FormAbout::MakeLabel(const std::string& text, int width, int height) {
    auto label = std::make_unique<CellControl>(this);
    label->SetText(text);
    label->SetTextAlign(0);
    label->SetSize(width, height);
    return label;
}

// The framed picture on the left; the texts, links and OK button in a column on the right.
void FormAbout::BuildControls() {
    const int height = GetActualHeight();
    const int text_width = GetActualWidth() - (picture_width_ + 55);
    const int left = picture_width_ + 45;
    BuildPicture(height - 73);
    name_label_ = MakeLabel(name_text_, text_width, 25);
    name_label_->SetForeColor(0xFFFFFF);
    name_label_->Move(left, 17);
    name_label_->Create();
    second_label_ = MakeLabel(second_text_, text_width, 25);
    second_label_->Move(left, 38);
    second_label_->Create();
    BuildLinks(left);
    description_label_ = MakeLabel(description_, text_width, height - 145);
    description_label_->SetBorder(true);
    description_label_->Move(left, 95);
    description_label_->Create();
    ok_button_ = std::make_unique<ButtonCustom>(this, "OK");
    ok_button_->SetSize(80, 28);
    ok_button_->Move(picture_width_ + text_width / 2 - 40 + 45, height - 37);
    ok_button_->SetCommand(RouteCommand);
    ok_button_->Create();
}

void FormAbout::BuildPicture(int panel_height) {
    panel_ = std::make_unique<PanelChildren>(this);
    panel_->SetSize(picture_width_ + 20, panel_height);
    panel_->Move(10, 23);
    panel_->SetBorder(true);
    panel_->Create();
    picture_control_ = std::make_unique<MyImage>(panel_.get(), picture_);
    picture_control_->SetSize(picture_width_, picture_height_);
    picture_control_->Move(5, 5);
    picture_control_->Create();
}

void FormAbout::BuildLinks(int left) {
    web_label_ = MakeLabel(web_address_, 200, 12);
    web_label_->SetForeColor(kLinkColour);
    web_label_->SetMarked(true);
    web_label_->SetOnMouseDown(RouteLink);
    web_label_->SetLocation(left, 68);
    web_label_->Create();
    mail_label_ = MakeLabel(MailAddress(), 150, 12);
    mail_label_->SetForeColor(kLinkColour);
    mail_label_->SetMarked(true);
    mail_label_->SetOnMouseDown(RouteLink);
    mail_label_->SetLocation(picture_width_ + 255, 68);
    mail_label_->Create();
}

bool FormAbout::ConfirmClose() {
    OnClosing();
    parent_.Release();
    return true;
}

void FormAbout::ResizeHook() {}

bool FormAbout::FormKeyChar(char character) {
    if (character != kEnter && character != kEscape && character != kDelete) return true;
    CommandClicked(ok_button_.get());
    return false;
}

void FormAbout::FormKeyDown(KeySym) {}
void FormAbout::FormKeyUp(KeySym) {}

// Acts only while the dialog is open: a Return the focused OK button has already taken
// reaches the dialog too.
void FormAbout::CommandClicked(GUIElement* element) {
    if (!IsCreated() || !SameElement(element, ok_button_.get()) || !ConfirmClose()) return;
    DestroyWindow();
    Closed();
}

// The programs get the address as one argument, never through a shell, so no address can
// run a command; the child is recorded and reaped by the loop.
void FormAbout::LinkClicked(GUIElement* element) {
    if (SameElement(element, web_label_.get())) {
        SpawnProgram(BrowserCommand());
    } else if (SameElement(element, mail_label_.get())) {
        SpawnProgram(MailCommand());
    }
}

std::string FormAbout::MailAddress() const {
    if (web_address_.size() < kWebPrefixLength) return std::string();
    return kMailPrefix + web_address_.substr(kWebPrefixLength);
}

std::vector<std::string> FormAbout::BrowserCommand() const {
    if (web_address_.empty()) return {"firefox"};
    return {"firefox", web_address_};
}

std::vector<std::string> FormAbout::MailCommand() const {
    const std::string address = mail_label_ != nullptr ? mail_label_->GetText() : MailAddress();
    return {"thunderbird", "-compose", "to=" + address};
}

}  // namespace sassorbi
