#pragma once
// The small dialog in which the player types a name at the end of a game. It disables the
// form that opened it while it is open; a confirmed, non-empty name is left in PlayerName()
// and the dialog closes, which raises its Closed for the game to read the name.

#include <X11/Xlib.h>

#include <cstdint>
#include <memory>
#include <string>

#include "controls/ButtonCustom.h"
#include "controls/CellControl.h"
#include "controls/TextBoxCustom.h"
#include "dialogs/DialogParent.h"
#include "toolkit/Form.h"

namespace sassorbi {

// The name confirmed in the last name-entry dialog; emptied whenever one is constructed.
std::string& PlayerName();

class FormNamePlayer : public Form {
public:
    // Disables and blocks the parent (which may be null) until the dialog closes.
    FormNamePlayer(Form* parent, uint64_t owner, const std::string& title);
    // Without a parent: the caller gives the screen with SetScreen before showing it.
    FormNamePlayer(uint64_t owner, const std::string& title);

    virtual void BuildControls();
    // Gives the parent back; always agrees to close.
    virtual bool ConfirmClose();
    virtual void ResizeHook();
    // Enter and Delete confirm, as the OK button does.
    virtual bool FormKeyChar(char character);
    virtual void FormKeyDown(KeySym key);
    virtual void FormKeyUp(KeySym key);
    // The OK action: refuses an empty name, else confirms it and closes the dialog.
    virtual void CommandClicked(GUIElement* element);

    void SetMessage(const std::string& message);

    TextBoxCustom* GetNameBox() const { return name_box_.get(); }
    CellControl* GetMessageLabel() const { return message_label_.get(); }
    ButtonCustom* GetOkButton() const { return ok_button_.get(); }

private:
    void InstallCallbacks();

    // Given back when the dialog closes, or when it is deleted while still open.
    DialogParent parent_;
    std::unique_ptr<TextBoxCustom> name_box_;
    std::unique_ptr<CellControl> message_label_;
    std::unique_ptr<ButtonCustom> ok_button_;
    std::string message_;
};

}  // namespace sassorbi
