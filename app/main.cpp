// Sassorbi: steer a ship over a landmark at night, collect the diamonds, dodge the rocks.
//
// The entry point wires the system together in a fixed order and takes it down in reverse:
// a fresh log, the display connection, the joystick reader (a child process for the whole
// run), the game's window, the event loop until the game is left, then the reader, the
// shared joystick record, the window and the display.

#include <memory>
#include <string>

#include "util/Log.h"
#include "devices/Joystick.h"
#include "game/FormMain.h"
#include "toolkit/Application.h"
#include "toolkit/Screen.h"

int main() {
    using namespace sassorbi;
    ClearLog();
    const std::string title = std::string("Sassorbi ") + FormMain::Credit();
    auto screen = std::make_unique<sassorbi::Screen>(title.c_str());
    // Without a display there is nothing to play on; the log already says why.
    if (screen->HasError()) return 1;
    const pid_t joystick_reader = StartJoystickReader();
    auto game = std::make_unique<FormMain>(screen.get(), title);
    Application::Run(game.get());
    StopJoystickReader(joystick_reader);
    JoystickShutdown();
    game.reset();
    if (!screen->Close()) WriteLog("Chiusura screen non riuscita");
    return 0;
}
