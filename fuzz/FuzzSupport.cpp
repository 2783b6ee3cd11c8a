#include "fuzz/FuzzSupport.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace sassorbi {
namespace {

std::string& PrivateFolder() {
    static std::string folder;
    return folder;
}

void RemovePrivateFolder() {
    std::error_code ignored;
    std::filesystem::current_path("/", ignored);
    std::filesystem::remove_all(PrivateFolder(), ignored);
}

}  // namespace

void EnterPrivateFolder() {
    if (!PrivateFolder().empty()) return;
    // In memory where possible: rewriting a file on a disk's file system flushes it at every
    // close, which would slow the fuzzer down a hundredfold.
    char in_memory[] = "/dev/shm/sassorbi_fuzz_XXXXXX";
    char on_disk[] = "/tmp/sassorbi_fuzz_XXXXXX";
    char* name = mkdtemp(in_memory);
    if (name == nullptr) name = mkdtemp(on_disk);
    Check(name != nullptr, "a private temporary folder can be made");
    PrivateFolder() = name;
    Check(chdir(name) == 0, "the private folder can become the working directory");
    std::atexit(RemovePrivateFolder);
    const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
    Check(null >= 0 && dup2(null, STDOUT_FILENO) >= 0, "standard output can be silenced");
    close(null);
}

void WriteInputFile(const std::string& path, const uint8_t* data, size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    Check(file != nullptr, "the input file can be created");
    const bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
    Check(std::fclose(file) == 0 && written, "the input file can be written");
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void ForgetLog() {
    std::remove("log.txt");
}

void Check(bool holds, const char* property) {
    if (holds) return;
    std::fprintf(stderr, "Property broken: %s\n", property);
    std::abort();
}

uint16_t Le16(const uint8_t* bytes) {
    return static_cast<uint16_t>(bytes[0] | bytes[1] << 8);
}

uint32_t Le32(const uint8_t* bytes) {
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

}  // namespace sassorbi
