// The gallery's controls, one section of the window at a time, each wired to the status line.

#include "controls/ChoicePictures.h"
#include "gallery/FormGallery.h"
#include "gallery/GalleryLayout.h"
#include "gallery/GalleryPictures.h"

namespace sassorbi {
namespace {

constexpr Colour kWhite = 0xFFFFFF;

FormGallery* GalleryOf(GUIElement* element) {
    return dynamic_cast<FormGallery*>(element->GetOwnerForm());
}

void Say(GUIElement* element, const std::string& text) {
    if (FormGallery* gallery = GalleryOf(element)) gallery->ShowStatus(text);
}

void ButtonPressed(GUIElement* element) {
    Say(element, "Pulsante premuto");
}

void CheckToggled(GUIElement* element) {
    auto* box = static_cast<CheckBox*>(element);
    Say(element, box->GetText() + (box->IsChecked() ? ": si'" : ": no"));
}

void OptionChosen(GUIElement* element) {
    auto* options = static_cast<OptionBox*>(element);
    Say(element, "Livello: " + options->GetCaption(options->GetSelected()));
}

void OnSliderMoved(GUIElement* element, int value) {
    if (FormGallery* gallery = GalleryOf(element)) gallery->SliderMoved(value);
}

void TallSliderMoved(GUIElement* element, int value) {
    Say(element, "Cursore verticale: " + std::to_string(value));
}

void Scrolled(GUIElement* element, int64_t value, int position) {
    Say(element, "Barra: " + std::to_string(value) + ", " + std::to_string(position));
}

void OnMessageButton(GUIElement* element) {
    if (FormGallery* gallery = GalleryOf(element)) gallery->OpenMessage();
}

void OnQuestionButton(GUIElement* element) {
    if (FormGallery* gallery = GalleryOf(element)) gallery->OpenQuestion();
}

void OnAboutButton(GUIElement* element) {
    if (FormGallery* gallery = GalleryOf(element)) gallery->OpenAbout();
}

void OnFrameButton(GUIElement* element) {
    if (FormGallery* gallery = GalleryOf(element)) gallery->NextFrame();
}

}  // namespace

void FormGallery::BuildControls() {
    BuildLabels();
    BuildButtons();
    BuildTextBoxes();
    BuildChoices();
    BuildRanges();
    BuildPanel();
    BuildPictures();
    BuildDialogButtons();
    status_ = std::make_unique<CellControl>(this);
    status_->SetBorder(true);
    status_->SetBackColor(kWhite);
    status_->SetTextAlign(0);
    status_->SetText("Pronto");
    status_->SetSize(570, 26);
    status_->Move(20, 510);
    status_->Create();
}

// Label cells: plain, framed, highlighted and marked.
void FormGallery::BuildLabels() {
    AddCaption("Etichette", 20, 10, 200);
    const char* texts[] = {"Semplice", "Con bordo", "Evidenziata", "Con asterisco"};
    for (int i = 0; i < 4; ++i) {
        auto cell = std::make_unique<CellControl>(this);
        cell->SetText(texts[i]);
        cell->SetSize(220, 22);
        cell->Move(20, 32 + 26 * i);
        cell->SetBorder(i == 1);
        cell->SetHighlight(i == 2);
        cell->SetMark(i == 3);
        cell->Create();
        Keep(std::move(cell));
    }
}

void FormGallery::BuildButtons() {
    AddCaption("Pulsanti", 20, 140, 200);
    AddButton("Premi", 20, 162, 100, ButtonPressed);
    AddButton("Spento", 130, 162, 100, ButtonPressed)->Enable(false);
}

// One text box per mode, each with its name on the left.
void FormGallery::BuildTextBoxes() {
    AddCaption("Caselle di testo", 20, 200, 200);
    const char* names[] = {"Riga", "Cifre", "Segreta", "Data", "Righe"};
    for (int i = 0; i < 5; ++i) {
        const int y = 222 + 26 * i;
        AddCaption(names[i], 20, y, 70);
        auto box = std::make_unique<TextBoxCustom>(this, i == 4 ? "Prima riga" : "");
        box->SetMultiLine(i == 4);
        box->SetDigitsOnly(i == 1);
        box->SetPassword(i == 2);
        box->SetDateMode(i == 3);
        box->SetSize(150, i == 4 ? 60 : 20);
        box->Move(95, y);
        box->Create();
        Keep(std::move(box));
    }
}

void FormGallery::BuildChoices() {
    AddCaption("Scelte", 280, 10, 260);
    const char* captions[] = {"Suono", "Musica", "Spenta"};
    for (int i = 0; i < 3; ++i) {
        auto box = std::make_unique<CheckBox>(this, captions[i]);
        box->SetSize(130, 26);
        box->Move(280, 32 + 30 * i);
        box->SetChecked(i == 1);
        box->SetCommand(CheckToggled);
        box->Create();
        Keep(std::move(box))->Enable(i != 2);
    }
    auto options = std::make_unique<OptionBox>(this);
    options->AddItem("Facile", "1");
    options->AddItem("Medio", "2");
    options->AddItem("Difficile", "3");
    options->SetSize(130, 78);
    options->Move(420, 32);
    options->SetSelected(0);
    options->SetCommand(OptionChosen);
    options->Create();
    Keep(std::move(options));
}

// Sliders, scroll bars and the progress bar that the horizontal slider drives.
void FormGallery::BuildRanges() {
    AddCaption("Cursori e barre", 280, 130, 260);
    auto wide = std::make_unique<Slider>(this, false, 0, 10);
    wide->SetSize(200, 36);
    wide->Move(280, 150);
    wide->SetOnValueChanged(OnSliderMoved);
    wide->Create();
    Keep(std::move(wide));
    auto tall = std::make_unique<Slider>(this, true, 0, 5);
    tall->SetSize(40, 150);
    tall->Move(500, 150);
    tall->SetOnValueChanged(TallSliderMoved);
    tall->Create();
    Keep(std::move(tall));
    auto progress = std::make_unique<ProgressBar>(this, 0, 100);
    progress->Move(280, 200);
    progress->Create();
    progress_ = Keep(std::move(progress));
    auto across = std::make_unique<ScrollBar>(this, 0, 1000);
    across->SetSize(192, 21);
    across->Move(280, 240);
    across->SetOnScroll(Scrolled);
    across->Create();
    Keep(std::move(across));
    auto down = std::make_unique<ScrollBar>(this, 0, 300);
    down->SetVertical(true);
    down->SetSize(21, 150);
    down->Move(555, 150);
    down->SetOnScroll(Scrolled);
    down->Create();
    Keep(std::move(down));
}

// A framed, titled panel; its children paint inside it.
void FormGallery::BuildPanel() {
    auto panel = std::make_unique<PanelChildren>(this);
    panel->SetText("Pannello con figli");
    panel->SetBorder(true);
    panel->SetSize(200, 110);
    panel->Move(600, 20);
    panel->Create();
    PanelChildren* inside = Keep(std::move(panel));
    auto cell = std::make_unique<CellControl>(inside);
    cell->SetText("Dentro il pannello");
    cell->SetSize(180, 22);
    cell->Move(10, 20);
    cell->Create();
    Keep(std::move(cell));
    auto box = std::make_unique<CheckBox>(inside, "Figlio");
    box->SetSize(150, 26);
    box->Move(10, 55);
    box->SetCommand(CheckToggled);
    box->Create();
    Keep(std::move(box));
}

// An image holder with a drawn picture, and an image frame going round four pictures.
void FormGallery::BuildPictures() {
    AddCaption("Immagini", 600, 150, 200);
    picture_ = MakeHolderPicture(this);
    auto holder = std::make_unique<MyImage>(this, picture_.get());
    holder->SetSize(kHolderWidth, kHolderHeight);
    holder->SetBorder(true);
    holder->Move(600, 172);
    holder->Create();
    Keep(std::move(holder));
    std::vector<const uint8_t*> frames;
    for (bool on : {true, false}) {
        for (bool enabled : {true, false})
            frames.push_back(ChoicePicture(ChoiceShape::kCircle, on, enabled));
    }
    auto frame =
        std::make_unique<ImageFrame>(this, frames, kChoicePictureSize, kChoicePictureSize, 0, 0);
    frame->SetTransparent(true);
    frame->Move(710, 176);
    frame->Create();
    frame_ = Keep(std::move(frame));
    AddButton("Cambia", 710, 204, 80, OnFrameButton);
}

void FormGallery::BuildDialogButtons() {
    using namespace gallery;
    AddCaption("Finestre", kDialogButtonX, kMessageButtonY - 24, kDialogButtonWidth);
    AddButton("Messaggio", kDialogButtonX, kMessageButtonY, kDialogButtonWidth, OnMessageButton);
    AddButton("Domanda", kDialogButtonX, kQuestionButtonY, kDialogButtonWidth, OnQuestionButton);
    AddButton("Info...", kDialogButtonX, kAboutButtonY, kDialogButtonWidth, OnAboutButton);
}

}  // namespace sassorbi
