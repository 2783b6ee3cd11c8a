#include "dialogs/DialogParent.h"

namespace sassorbi {

DialogParent::DialogParent(Form* parent, Form* dialog) : parent_(parent), dialog_(dialog) {
    if (parent == nullptr) return;
    parent->SetEnabled(false);
    parent->SetActiveDialog(dialog);
    parent->SetBlocked(true);
}

DialogParent::~DialogParent() {
    Form* parent = Get();
    if (parent != nullptr && parent->GetActiveDialog() == dialog_) Release();
}

void DialogParent::Release() {
    Form* parent = Get();
    if (parent == nullptr) return;
    parent->SetActiveDialog(nullptr);
    parent->SetEnabled(true);
    parent->SetBlocked(false);
}

}  // namespace sassorbi
