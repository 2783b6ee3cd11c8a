#pragma once
// The game's side of the joystick: starting and stopping the reader child, and polling the
// shared record it publishes. Without a joystick every query answers false.

#include <sys/types.h>

#include <string>

namespace sassorbi {

// Removes a shared record left by an earlier run, then forks the reader on /dev/input/js0
// (a recorded child that ends with _exit); its pid, or -1 after logging "Could not open
// joystick. Use the cursor keys to move.".
pid_t StartJoystickReader();

// The same on an explicit device path.
pid_t StartJoystickReaderOn(const std::string& device);

// SIGTERM to the reader, then a short wait so that it is reaped and gone; polls read all false
// from then on. No-op for pid <= 0.
void StopJoystickReader(pid_t pid);

// Copies the shared record into this process's polled values (all false when there is none).
void JoystickPoll();

// The polled values; false (or 0) unless the polled record was present.
bool JoyLeft();
bool JoyRight();
bool JoyUp();
bool JoyDown();
bool JoyButtonPressed();
int JoyButton();

// Removes the shared name at exit when this process started a reader or saw the record.
void JoystickShutdown();

}  // namespace sassorbi
