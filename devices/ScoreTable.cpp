#include "devices/ScoreTable.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>

#include "util/DataFolder.h"
#include "util/Files.h"
#include "util/Log.h"
#include "util/Text.h"

namespace sassorbi {
namespace {

constexpr const char* kTableFile = "Classifica.txt";
constexpr const char* kNewTableFile = "Classifica.txt.tmp";
constexpr size_t kTableSize = 10;
constexpr int kScoreWidth = 8;
constexpr int kNameWidth = 12;

void (*replace_hook)() = nullptr;

// The reader stops silently at an over-long line or an error; the lines it gave must
// account for every byte of a regular file for the table to be complete.
bool AccountsForWholeFile(const std::string& path, const std::vector<std::string>& lines) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    off_t with_line_feeds = 0;
    for (const std::string& line : lines)
        with_line_feeds += static_cast<off_t>(line.size()) + 1;
    // The last line may lack its line feed.
    return info.st_size == with_line_feeds || info.st_size + 1 == with_line_feeds;
}

// Why a table that exists was not read to its end, naming the file and the line.
std::string UnreadPart(const std::string& path, size_t lines_read) {
    struct stat info {};
    if (stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) return path + " is not a file";
    return "line " + std::to_string(lines_read + 1) + " of " + path +
           " is longer than 255 characters or cannot be read";
}

// Data written through the page cache is not yet on disk; fsync makes it so.
bool SyncPath(const std::string& path, int flags) {
    const int descriptor = open(path.c_str(), flags | O_CLOEXEC);
    if (descriptor < 0) return false;
    const bool synced = fsync(descriptor) == 0;
    close(descriptor);
    return synced;
}

// Replaces the file as a whole: a crash leaves either the old table or the new one.
bool WriteTable(const std::string& folder, const std::vector<std::string>& lines) {
    const std::string new_path = folder + kNewTableFile;
    if (!TextFile(new_path).WriteLines(lines) || !SyncPath(new_path, O_RDONLY)) {
        RemoveFile(new_path);
        return false;
    }
    if (replace_hook != nullptr) replace_hook();
    if (std::rename(new_path.c_str(), (folder + kTableFile).c_str()) != 0) {
        RemoveFile(new_path);
        return false;
    }
    SyncPath(folder, O_RDONLY | O_DIRECTORY);  // Makes the rename itself durable.
    return true;
}

std::string ScoreField(int32_t score) {
    const std::string digits = IntToString(score, '0', kScoreWidth);
    return digits.substr(digits.size() - kScoreWidth);
}

// Each folder is made in turn; empty when one is neither there nor creatable.
std::string AddFolder(const std::string& parent, const std::string& name) {
    const std::string path = AddPathSeparator(parent) + name;
    return CreateFolder(path) ? path : std::string();
}

}  // namespace

std::string ScoreFolder(const std::string& table_name) {
    const std::string table = AddFolder(DataFolder(), table_name);
    if (table.empty()) return table;
    const std::string score = AddFolder(table, "Score");
    return score.empty() ? score : score + "/";
}

std::string ScoreEntryText(const std::string& player_name, int level) {
    return PadRight(player_name, ' ', kNameWidth) + " Level " + std::to_string(level);
}

void SetScoreReplaceHook(void (*hook)()) {
    replace_hook = hook;
}

std::vector<std::string> ScoreTable::ReadEntries() {
    failed_ = false;
    read_completely_ = false;
    const std::string folder = ScoreFolder(table_name_);
    if (folder.empty()) {
        failed_ = true;
        return {};
    }
    const std::string path = folder + kTableFile;
    if (!FileExists(path)) {
        read_completely_ = true;
        return {};
    }
    std::vector<std::string> lines = TextFile(path).ReadLines();
    read_completely_ = AccountsForWholeFile(path, lines);
    return lines;
}

bool ScoreTable::SaveEntries(std::vector<std::string> lines) {
    failed_ = false;
    // Whole-line byte order: the fixed-width score field sorts first, highest first.
    std::sort(lines.begin(), lines.end(), std::greater<std::string>());
    if (lines.size() > kTableSize) lines.resize(kTableSize);
    const std::string folder = ScoreFolder(table_name_);
    if (folder.empty()) {
        failed_ = true;
        return false;
    }
    return WriteTable(folder, lines);
}

bool ScoreTable::AddScore(int32_t score, const std::string& entry_text) {
    std::vector<std::string> lines = ReadEntries();
    if (failed_) return false;
    // Saving over a table read only in part would lose the rest of it.
    if (!read_completely_) {
        WriteLogString("Score not stored: " +
                       UnreadPart(ScoreFolder(table_name_) + kTableFile, lines.size()));
        return false;
    }
    lines.push_back(ScoreField(score) + " " + entry_text);
    return SaveEntries(std::move(lines));
}

}  // namespace sassorbi
