#include "gallery/FormGallery.h"

#include <string>
#include <utility>

#include "dialogs/FormMsgBox.h"
#include "gallery/GalleryLayout.h"
#include "gallery/GalleryPictures.h"
#include "toolkit/Application.h"

namespace sassorbi {
namespace {

const char* Answer(int result) {
    switch (result) {
        case FormMsgBox::kOk:
            return "OK";
        case FormMsgBox::kYes:
            return "YES";
        case FormMsgBox::kNo:
            return "NO";
        default:
            return "chiusa senza risposta";
    }
}

}  // namespace

FormGallery::FormGallery(Screen* screen) {
    SetScreen(screen);
    SetTitle(gallery::kTitle);
    SetSize(gallery::kWidth, gallery::kHeight);
    CenterOnScreen();
    SetBackColor(0xC0C0C0);
    SetOnLoad([](GUIElement* e, uint64_t) { static_cast<FormGallery*>(e)->BuildControls(); });
    // Closing the gallery's window ends the program.
    SetOnQueryClose([](GUIElement*) {
        Application::RequestQuit();
        return true;
    });
}

void FormGallery::DialogResult(int kind, int result) {
    ShowStatus("Risposta alla finestra " + std::to_string(kind) + ": " + Answer(result));
}

void FormGallery::ShowStatus(const std::string& text) {
    if (status_ != nullptr) status_->SetText(text);
}

void FormGallery::OpenMessage() {
    ShowMessage(1, this, "Questo e' un messaggio della galleria.", gallery::kMessageTitle);
}

void FormGallery::OpenQuestion() {
    AskYesNo(2, this, "Ti piace la galleria?", gallery::kQuestionTitle);
}

// A new box each time: the previous one, if any, has been closed.
void FormGallery::OpenAbout() {
    about_.reset();
    if (about_picture_ == nullptr) about_picture_ = MakeAboutPicture(this);
    about_ = std::make_unique<FormAbout>(this);
    about_->SetNameText("Sassorbi");
    about_->SetSecondText("Galleria dei controlli del toolkit");
    about_->SetDescription(
        "Diamanti da raccogliere e asteroidi da evitare, su un toolkit scritto apposta.");
    about_->SetWebAddress("https://www.sassorbi.example");
    about_->SetPicture(about_picture_.get(), kAboutPictureSize, kAboutPictureSize);
    about_->Show();
}

// The image frame goes round the four option pictures.
void FormGallery::NextFrame() {
    if (frame_ == nullptr) return;
    frame_->SetFrame((frame_->GetFrame().col + 1) % 4, 0);
}

// The horizontal slider drives the progress bar.
void FormGallery::SliderMoved(int value) {
    if (progress_ != nullptr) progress_->SetValue(value * 10);
    ShowStatus("Cursore: " + std::to_string(value));
}

CellControl* FormGallery::AddCaption(const std::string& text, int x, int y, int width) {
    auto caption = std::make_unique<CellControl>(this);
    caption->SetText(text);
    caption->SetTextAlign(0);
    caption->SetBackColor(GetBackColor());
    caption->SetSize(width, 18);
    caption->Move(x, y);
    caption->Create();
    return Keep(std::move(caption));
}

ButtonCustom* FormGallery::AddButton(const std::string& caption, int x, int y, int width,
                                     CommandElement::Command command) {
    auto button = std::make_unique<ButtonCustom>(this, caption);
    button->SetSize(width, 28);
    button->Move(x, y);
    button->SetCommand(command);
    button->Create();
    return Keep(std::move(button));
}

}  // namespace sassorbi
