// Sassorbi: steer a ship over a landmark at night, collect the diamonds, dodge the rocks.
//
// The command line is read first: an option such as --help is answered without a display.
// Then the entry point wires the system together in a fixed order and takes it down in reverse:
// a fresh log, the display connection, the joystick reader (a child process for the whole
// run), the game's window, the event loop until the game is left, then the reader, the
// shared joystick record, the window and the display.

#include <cstdio>
#include <memory>
#include <string>

#include "app/CommandLine.h"
#include "util/Log.h"
#include "devices/Joystick.h"
#include "game/FormMain.h"
#include "toolkit/Application.h"
#include "toolkit/Screen.h"

namespace {

// Options such as --help answer and end the program before anything else is touched.
int Answer(const sassorbi::CommandLine& line) {
    std::fputs(line.output.c_str(), stdout);
    std::fputs(line.error.c_str(), stderr);
    return line.exit_status;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace sassorbi;
    const CommandLine line = ParseCommandLine(argc, argv);
    if (!line.run) return Answer(line);
    ClearLog();
    const std::string title = std::string("Sassorbi ") + FormMain::Credit();
    auto screen = std::make_unique<sassorbi::Screen>(title.c_str());
    // Without a display there is nothing to play on; the log already says why.
    if (screen->HasError()) return 1;
    const pid_t joystick_reader = StartJoystickReader();
    auto game = std::make_unique<FormMain>(screen.get(), title, line.options.scale);
    Application::Run(game.get());
    StopJoystickReader(joystick_reader);
    JoystickShutdown();
    game.reset();
    if (!screen->Close()) WriteLog("Chiusura screen non riuscita");
    return 0;
}
