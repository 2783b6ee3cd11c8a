#pragma once
// The toolkit's showcase: one window holding every control, each wired to a status line, and
// buttons that open the message box (both kinds) and the about box.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "controls/ButtonCustom.h"
#include "controls/CellControl.h"
#include "controls/CheckBox.h"
#include "controls/OptionBox.h"
#include "controls/PanelChildren.h"
#include "controls/ProgressBar.h"
#include "controls/ScrollBar.h"
#include "controls/Slider.h"
#include "controls/TextBoxCustom.h"
#include "dialogs/FormAbout.h"
#include "graphics/ImageFrame.h"
#include "graphics/MyImage.h"
#include "toolkit/Form.h"

namespace sassorbi {

class Screen;

class FormGallery : public Form {
public:
    explicit FormGallery(Screen* screen);

    // The message boxes' answers land on the status line.
    void DialogResult(int kind, int result) override;

    void ShowStatus(const std::string& text);
    void OpenMessage();
    void OpenQuestion();
    void OpenAbout();
    void NextFrame();
    void SliderMoved(int value);

    CellControl* GetStatus() const { return status_.get(); }

private:
    void BuildControls();
    void BuildLabels();
    void BuildButtons();
    void BuildTextBoxes();
    void BuildChoices();
    void BuildRanges();
    void BuildPanel();
    void BuildPictures();
    void BuildDialogButtons();
    CellControl* AddCaption(const std::string& text, int x, int y, int width);
    ButtonCustom* AddButton(const std::string& caption, int x, int y, int width,
                            CommandElement::Command command);
    // Hands the control to the gallery, which owns every control it shows.
    template <typename Control>
    Control* Keep(std::unique_ptr<Control> control) {
        Control* kept = control.get();
        controls_.push_back(std::move(control));
        return kept;
    }

    // Every control, in creation order; the gallery owns them all.
    std::vector<std::unique_ptr<GUIElement>> controls_;
    std::unique_ptr<CellControl> status_;
    ProgressBar* progress_ = nullptr;
    ImageFrame* frame_ = nullptr;
    ClientImage picture_;
    ClientImage about_picture_;
    std::unique_ptr<FormAbout> about_;
};

}  // namespace sassorbi
