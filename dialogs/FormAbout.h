#pragma once
// The "Info..." dialog: a 600 x 210 window centred over its parent, with a framed picture on
// the left, a name line, a second line, a web link and a mail link, a framed description and
// an "OK" button. The links start an outside web browser and mail client. Every text and the
// picture come from the caller.

#include <X11/Xlib.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/ButtonCustom.h"
#include "controls/CellControl.h"
#include "controls/PanelChildren.h"
#include "graphics/MyImage.h"
#include "dialogs/DialogParent.h"
#include "toolkit/Form.h"

namespace sassorbi {

class FormAbout : public Form {
public:
    // The mail address is this prefix followed by the web address without its first
    // kWebPrefixLength characters.
    static constexpr const char* kMailPrefix = "info@";
    static constexpr size_t kWebPrefixLength = 12;

    // Disables and blocks the parent until the dialog closes.
    explicit FormAbout(Form* parent);

    // Store only: called before the dialog is shown.
    void SetNameText(const std::string& text) { name_text_ = text; }
    void SetSecondText(const std::string& text) { second_text_ = text; }
    void SetDescription(const std::string& text) { description_ = text; }
    void SetWebAddress(const std::string& address) { web_address_ = address; }
    // The picture stays the caller's.
    void SetPicture(XImage* picture, int width, int height);

    virtual void BuildControls();
    // Gives the parent back; always agrees to close.
    virtual bool ConfirmClose();
    virtual void ResizeHook();
    // Enter, Escape and Delete act as OK.
    virtual bool FormKeyChar(char character);
    virtual void FormKeyDown(KeySym key);
    virtual void FormKeyUp(KeySym key);
    // The OK button closes the dialog.
    virtual void CommandClicked(GUIElement* element);
    // Starts the browser or the mail client, without waiting for it.
    virtual void LinkClicked(GUIElement* element);

    // The mail address derived from the web address; empty for one too short to derive it.
    std::string MailAddress() const;
    // The program and arguments each link starts.
    std::vector<std::string> BrowserCommand() const;
    std::vector<std::string> MailCommand() const;

    PanelChildren* GetPanel() const { return panel_.get(); }
    MyImage* GetPictureControl() const { return picture_control_.get(); }
    CellControl* GetNameLabel() const { return name_label_.get(); }
    CellControl* GetSecondLabel() const { return second_label_.get(); }
    CellControl* GetWebLabel() const { return web_label_.get(); }
    CellControl* GetMailLabel() const { return mail_label_.get(); }
    CellControl* GetDescriptionLabel() const { return description_label_.get(); }
    ButtonCustom* GetOkButton() const { return ok_button_.get(); }

private:
    void InstallCallbacks();
    // A left-aligned label of the text column.
    std::unique_ptr<CellControl> MakeLabel(const std::string& text, int width, int height);
    void BuildPicture(int panel_height);
    void BuildLinks(int left);

    // Given back when the dialog closes, or when it is deleted while still open.
    DialogParent parent_;
    std::string name_text_;
    std::string second_text_;
    std::string description_;
    std::string web_address_;
    XImage* picture_ = nullptr;
    int picture_width_ = 0;
    int picture_height_ = 0;
    std::unique_ptr<PanelChildren> panel_;
    std::unique_ptr<MyImage> picture_control_;
    std::unique_ptr<CellControl> name_label_;
    std::unique_ptr<CellControl> second_label_;
    std::unique_ptr<CellControl> web_label_;
    std::unique_ptr<CellControl> mail_label_;
    std::unique_ptr<CellControl> description_label_;
    std::unique_ptr<ButtonCustom> ok_button_;
};

}  // namespace sassorbi
