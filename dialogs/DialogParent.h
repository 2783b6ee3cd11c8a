#pragma once
// The form a dialog is open over: disabled and blocked, with the dialog as its active dialog,
// until the dialog gives it back by closing or by being deleted while still open; a parent
// destroyed meanwhile is never touched.

#include "toolkit/ElementRef.h"
#include "toolkit/Form.h"

namespace sassorbi {

class DialogParent {
public:
    // The parent may be null: a dialog without a parent blocks nothing.
    DialogParent(Form* parent, Form* dialog);
    ~DialogParent();
    DialogParent(const DialogParent&) = delete;
    DialogParent& operator=(const DialogParent&) = delete;

    // The parent, or null when there is none or it has been destroyed.
    Form* Get() const { return static_cast<Form*>(parent_.Get()); }
    // Enables and unblocks the parent and forgets the dialog over it.
    void Release();

private:
    ElementRef parent_;
    Form* dialog_;
};

}  // namespace sassorbi
