#pragma once
// Where the gallery puts what its end-to-end tests click: the window and the dialog buttons.

namespace sassorbi::gallery {

constexpr char kTitle[] = "Sassorbi - galleria dei controlli";
constexpr int kWidth = 820;
constexpr int kHeight = 560;

// The three buttons that open the dialogs, one under the other in the right column.
constexpr int kDialogButtonX = 610;
constexpr int kDialogButtonWidth = 190;
constexpr int kDialogButtonHeight = 28;
constexpr int kMessageButtonY = 430;
constexpr int kQuestionButtonY = 470;
constexpr int kAboutButtonY = 510;

constexpr char kMessageTitle[] = "Messaggio";
constexpr char kQuestionTitle[] = "Domanda";

}  // namespace sassorbi::gallery
