#include "util/Files.h"

#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace sassorbi {
namespace {

// The reader's line buffer: a line must fit with its terminating zero.
constexpr size_t kLineBufferSize = 256;

bool IsSeparator(char c) {
    return c == '/' || c == '\\' || c == ':';
}

}  // namespace

bool FileExists(const std::string& path) {
    return access(path.c_str(), F_OK) == 0;
}

int64_t FileSize(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) return 0;
    return static_cast<int64_t>(info.st_size);
}

bool RemoveFile(const std::string& path) {
    return std::remove(path.c_str()) == 0;
}

bool CreateFolder(const std::string& path) {
    if (FileExists(path)) return true;
    return mkdir(path.c_str(), 0777) == 0;
}

std::string AddPathSeparator(const std::string& path) {
    if (path.empty() || IsSeparator(path.back())) return path;
    return path + "/";
}

std::string FileName(const std::string& path) {
    size_t cut = path.find_last_of("/\\");
    if (cut == std::string::npos) cut = path.find_last_of(':');
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

BinaryFile::BinaryFile(const std::string& path) : stream_(std::fopen(path.c_str(), "rb")) {
    failed_ = stream_ == nullptr;
}

BinaryFile::~BinaryFile() {
    Close();
}

size_t BinaryFile::ReadAt(int64_t offset, void* buffer, size_t count) {
    if (failed_ || stream_ == nullptr) return 0;
    if (fseeko(stream_, static_cast<off_t>(offset), SEEK_SET) != 0) {
        failed_ = true;
        return 0;
    }
    const size_t read = std::fread(buffer, 1, count, stream_);
    // A short read at the end of the file is expected; only a stream error is a failure.
    if (std::ferror(stream_)) failed_ = true;
    return read;
}

void BinaryFile::Close() {
    if (stream_ == nullptr) return;
    std::fclose(stream_);
    stream_ = nullptr;
}

std::vector<std::string> TextFile::ReadLines() {
    failed_ = false;
    not_opened_ = false;
    std::vector<std::string> lines;
    std::FILE* stream = std::fopen(path_.c_str(), "r");
    if (stream == nullptr) {
        SetNotOpened();
        return lines;
    }
    std::string line;
    for (int c = std::fgetc(stream); c != EOF; c = std::fgetc(stream)) {
        if (c != '\n') {
            line.push_back(static_cast<char>(c));
            if (line.size() >= kLineBufferSize) break;  // Too long: it and the rest are dropped.
            continue;
        }
        lines.push_back(line);
        line.clear();
    }
    // A last line without "\n" counts, unless reading stopped on an error or a long line.
    if (!line.empty() && line.size() < kLineBufferSize && !std::ferror(stream)) {
        lines.push_back(line);
    }
    std::fclose(stream);
    return lines;
}

std::string TextFile::ReadAll() {
    std::string text;
    for (const std::string& line : ReadLines())
        text += line + "\r\n";
    return text;
}

bool TextFile::WriteLines(const std::vector<std::string>& lines) {
    return Write(lines, "w");
}

bool TextFile::AppendLines(const std::vector<std::string>& lines) {
    return Write(lines, "a");
}

bool TextFile::Write(const std::vector<std::string>& lines, const char* mode) {
    failed_ = false;
    not_opened_ = false;
    std::FILE* stream = std::fopen(path_.c_str(), mode);
    if (stream == nullptr) {
        SetNotOpened();
        return false;
    }
    for (const std::string& line : lines) {
        std::fwrite(line.data(), 1, line.size(), stream);
        std::fputc('\n', stream);
        // Flushed per line so that a full disk is noticed at the line that did not fit.
        if (std::fflush(stream) != 0 || std::ferror(stream)) {
            failed_ = true;
            break;
        }
    }
    if (std::fclose(stream) != 0) failed_ = true;
    return !failed_;
}

void TextFile::SetNotOpened() {
    failed_ = true;
    not_opened_ = true;
}

}  // namespace sassorbi
