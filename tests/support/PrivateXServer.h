#pragma once
// An Xvfb of a test's own, for screens the shared test server does not have (another depth,
// a font path without the usual fonts). Stopped when the object goes.

#include <X11/Xlib.h>
#include <sys/types.h>

#include <string>
#include <vector>

namespace sassorbi::testing {

class PrivateXServer {
public:
    // Starts Xvfb with the extra arguments; Name() is empty when it did not start.
    explicit PrivateXServer(const std::vector<std::string>& arguments);
    ~PrivateXServer();
    PrivateXServer(const PrivateXServer&) = delete;
    PrivateXServer& operator=(const PrivateXServer&) = delete;

    // ":N", for DISPLAY.
    const std::string& Name() const { return name_; }
    // A connection of the test's own to it.
    Display* Driver() const { return driver_; }

private:
    pid_t pid_ = 0;
    std::string name_;
    Display* driver_ = nullptr;
};

}  // namespace sassorbi::testing
