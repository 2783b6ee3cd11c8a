// The top-ten table on any file content. The input is a 32-bit little-endian score followed
// by the content of Data/Sassorbi/Score/Classifica.txt.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "devices/ScoreTable.h"
#include "fuzz/FuzzSupport.h"
#include "util/Files.h"
#include "util/Text.h"

namespace sassorbi {
namespace {

constexpr const char* kTable = "Sassorbi";
constexpr const char* kPath = "Data/Sassorbi/Score/Classifica.txt";
constexpr size_t kLongLine = 256;

// A table is complete when no line is too long for the reader.
bool HasLongLine(const std::string& text) {
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        if (end - start >= kLongLine) return true;
        start = end + 1;
    }
    return false;
}

std::string EightDigits(int32_t score) {
    const std::string digits = IntToString(score, '0', 8);
    return digits.substr(digits.size() - 8);
}

void AddTo(int32_t score, const std::string& text) {
    Check(!ScoreFolder(kTable).empty(), "the table's folder can be made");
    WriteInputFile(kPath, reinterpret_cast<const uint8_t*>(text.data()), text.size());
    ScoreTable table(kTable);
    std::vector<std::string> expected = table.ReadEntries();
    Check(!table.HasFailed(), "reading an existing table does not fail");
    const std::string entry = ScoreEntryText("FUZZ", 3);
    const bool added = table.AddScore(score, entry);
    Check(FileExists(kPath) && !FileExists(std::string(kPath) + ".tmp"),
          "the table is replaced whole, with no new file left over");
    if (HasLongLine(text)) {
        Check(!added, "a table read only in part is not saved over");
        Check(ReadWholeFile(kPath) == text, "a table read only in part stays untouched");
        return;
    }
    Check(added, "a score is added to a complete table");
    expected.push_back(EightDigits(score) + " " + entry);
    std::sort(expected.begin(), expected.end(), std::greater<std::string>());
    if (expected.size() > 10) expected.resize(10);
    std::string written;
    for (const std::string& line : expected)
        written += line + "\n";
    Check(ReadWholeFile(kPath) == written, "the ten best lines are written, best first");
}

}  // namespace
}  // namespace sassorbi

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) return 0;
    sassorbi::EnterPrivateFolder();
    const auto score = static_cast<int32_t>(sassorbi::Le32(data));
    sassorbi::AddTo(score, std::string(reinterpret_cast<const char*>(data) + 4, size - 4));
    return 0;
}
