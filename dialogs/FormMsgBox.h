#pragma once
// The message box: a 250 x 150 window centred over a parent form, with a message in a framed
// label and either one "OK" button or the pair "YES" and "NO". Opening it returns at once;
// the parent is disabled and blocked while it is open and later receives the answer through
// its DialogResult, with a number the caller chose. At most one message box exists at a time.

#include <X11/Xlib.h>

#include <memory>
#include <string>

#include "controls/ButtonCustom.h"
#include "controls/CellControl.h"
#include "dialogs/DialogParent.h"
#include "toolkit/Form.h"

namespace sassorbi {

class Screen;

class FormMsgBox : public Form {
public:
    // Answers delivered to the parent's DialogResult; kNoAnswer when closed without a button.
    static constexpr int kNoAnswer = 0;
    static constexpr int kOk = 1;
    static constexpr int kYes = 3;
    static constexpr int kNo = 4;

    // Disables and blocks the parent and creates the window at once.
    FormMsgBox(int kind, bool yes_mode, Screen* screen, Form* parent, const std::string& title,
               const std::string& message);
    // A box deleted while still open gives its parent back, without an answer.
    ~FormMsgBox() override;

    virtual void Configure(int kind, bool yes_mode, const std::string& title,
                           const std::string& message);
    virtual void BuildControls();
    // Gives the parent back; always agrees to close.
    virtual bool ConfirmClose();
    // The parent's DialogResult with (kind, result).
    virtual void ReportResult();
    virtual void ResizeHook();
    virtual bool FormKeyChar(char character);
    // False for Tab and Enter.
    virtual bool KeyFilter(char character);
    virtual void FormKeyDown(KeySym key);
    virtual void FormKeyUp(KeySym key);
    virtual void FormHookA(GUIElement* element);
    virtual void FormClick(Point point);
    virtual void FormMouseDown(Point point);
    virtual void FormHookB(GUIElement* element);
    virtual void FormHookC(GUIElement* element);
    // A button: sets the result and closes the box.
    virtual void CommandClicked(GUIElement* element);
    virtual void FormHookD(GUIElement* element);
    virtual void SetMessage(const std::string& message);

    int GetDialogKind() const { return kind_; }
    int GetResult() const { return result_; }
    bool IsYesMode() const { return yes_mode_; }
    CellControl* GetMessageLabel() const { return label_.get(); }
    ButtonCustom* GetMainButton() const { return main_button_.get(); }
    ButtonCustom* GetSecondButton() const { return second_button_.get(); }

private:
    void InstallCallbacks();

    // Given back when the dialog closes, or when it is deleted while still open.
    DialogParent parent_;
    std::string message_;
    bool yes_mode_;
    int kind_;
    int result_ = kNoAnswer;
    std::unique_ptr<CellControl> label_;
    std::unique_ptr<ButtonCustom> main_button_;
    std::unique_ptr<ButtonCustom> second_button_;
};

// Routes a control's event to FormHookA .. FormHookD of the message box it sits in.
void RouteHookA(GUIElement* element);
void RouteHookB(GUIElement* element);
void RouteHookC(GUIElement* element);
void RouteHookD(GUIElement* element);

// The entry points: each deletes the open message box, if any, and opens a new one. A null
// parent means the main form (the first registered).
FormMsgBox* ShowMessage(int kind, Form* parent, const std::string& message,
                        const std::string& title);
FormMsgBox* ShowMessage(Form* parent, const std::string& message, const std::string& title);
FormMsgBox* ShowMessage(const std::string& message, const std::string& title);
FormMsgBox* AskYesNo(int kind, Form* parent, const std::string& message, const std::string& title);
FormMsgBox* AskYesNo(int kind, const std::string& message, const std::string& title);

}  // namespace sassorbi
