#pragma once
// What every fuzz target shares: a private working folder for the files the readers open,
// quiet standard output, and property checks that stop the run like a crash.

#include <cstddef>
#include <cstdint>
#include <string>

namespace sassorbi {

// Makes a fresh temporary folder the working directory (once), so that relative paths such
// as log.txt and Data/ stay out of the caller's folder; the folder is removed at exit.
// Standard output goes to /dev/null: WriteLog prints every message there.
void EnterPrivateFolder();

// Writes the bytes to the file, replacing it; aborts when that fails.
void WriteInputFile(const std::string& path, const uint8_t* data, size_t size);

// The whole file, or an empty string when it cannot be read.
std::string ReadWholeFile(const std::string& path);

// Removes log.txt, which refused inputs append to at every run.
void ForgetLog();

// Reports the broken property and aborts, so that libFuzzer keeps the input.
void Check(bool holds, const char* property);

// Little-endian values from the start of a buffer the caller has checked is long enough.
uint16_t Le16(const uint8_t* bytes);
uint32_t Le32(const uint8_t* bytes);

}  // namespace sassorbi
