// The line reader on any file content, checked against the lines the bytes hold.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "util/Files.h"

namespace sassorbi {
namespace {

constexpr const char* kPath = "input.txt";
constexpr size_t kLongLine = 256;

// The lines the reader must give: every line of the text up to the first one of 256 bytes
// or more; a last line without a line feed counts unless it is empty.
std::vector<std::string> ExpectedLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        const std::string line =
            text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (line.size() >= kLongLine) break;
        lines.push_back(line);
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return lines;
}

void ReadInput(const std::string& text) {
    TextFile file(kPath);
    const std::vector<std::string> lines = file.ReadLines();
    Check(!file.HasFailed() && !file.WasNotOpened(), "an existing file is read without failure");
    Check(lines == ExpectedLines(text), "the lines are those of the file, up to a long one");
    std::string all;
    for (const std::string& line : lines)
        all += line + "\r\n";
    Check(file.ReadAll() == all, "ReadAll is every line followed by CR LF");
}

}  // namespace
}  // namespace sassorbi

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    sassorbi::EnterPrivateFolder();
    sassorbi::WriteInputFile(sassorbi::kPath, data, size);
    sassorbi::ReadInput(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
