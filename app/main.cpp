// Sassorbi: steer a ship over a landmark at night, collect the diamonds, dodge the rocks.
//
// The entry point wires the system together in a fixed order and takes it down in reverse:
// a fresh log, the display connection, the main window, the event loop until the game is
// left, then the window and the display.

#include <memory>
#include <string>

#include "app/Log.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Screen.h"

namespace {

using sassorbi::Application;
using sassorbi::Form;
using sassorbi::GUIElement;

const std::string kWindowTitle = "Sassorbi - diamonds by night, rocks from the sky";

bool QuitOnClose(GUIElement*) {
    Application::RequestQuit();
    return true;
}

// The main window, 800 x 600 and centred.
std::unique_ptr<Form> CreateMainForm(sassorbi::Screen* screen) {
    auto form = std::make_unique<Form>();
    form->SetScreen(screen);
    form->SetTitle(kWindowTitle);
    form->SetSize(800, 600);
    form->CenterOnScreen();
    form->SetOnQueryClose(QuitOnClose);
    form->Show();
    return form;
}

}  // namespace

int main() {
    sassorbi::ClearLog();
    auto screen = std::make_unique<sassorbi::Screen>(kWindowTitle.c_str());
    // Without a display there is nothing to play on; the log already says why.
    if (screen->HasError()) return 1;
    std::unique_ptr<Form> main_form = CreateMainForm(screen.get());
    Application::Run(main_form.get());
    main_form.reset();
    if (!screen->Close()) sassorbi::WriteLog("Chiusura screen non riuscita");
    return 0;
}
