#pragma once
// Plays WAV files with the external player aplay without blocking the game; at most one
// sound plays at a time, and starting one stops the one before.

#include <sys/types.h>

#include <string>

namespace sassorbi {

class SoundPlayer {
public:
    SoundPlayer() = default;
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Starts the file in the background, again and again while repeat; a missing file is
    // logged and leaves the current sound playing.
    void Play(const std::string& path, bool repeat = false);
    // Stops the current sound, then plays the file and returns when it has ended.
    void PlaySync(const std::string& path);
    // Stops the current sound and every player it started.
    void Stop();

    // Whether the current sound's process is still running; an ended one is reaped here.
    bool IsPlaying();
    // The process playing the current sound (the leader of its group), 0 when none.
    pid_t Pid() const { return pid_; }

private:
    pid_t pid_ = 0;
    bool is_playing_ = false;
};

}  // namespace sassorbi
