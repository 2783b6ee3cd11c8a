#pragma once
// Path and file helpers; paths are used as given, relative to the working directory.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace sassorbi {

// True for folders as well: only existence is checked.
bool FileExists(const std::string& path);
// 0 when the file cannot be examined.
int64_t FileSize(const std::string& path);
bool RemoveFile(const std::string& path);
// True when the folder already exists or was made (mode 0777, the umask applies).
bool CreateFolder(const std::string& path);
// Appends "/" unless the path is empty or already ends in "/", "\" or ":".
std::string AddPathSeparator(const std::string& path);
// The last component; back slashes count as "/", and ":" separates when there is no "/".
std::string FileName(const std::string& path);

// A file opened once for random-access binary reading; the destructor closes it.
class BinaryFile {
public:
    explicit BinaryFile(const std::string& path);
    ~BinaryFile();
    BinaryFile(const BinaryFile&) = delete;
    BinaryFile& operator=(const BinaryFile&) = delete;

    // Bytes read at offset; fewer than count at the end of the file, 0 when failed or closed.
    size_t ReadAt(int64_t offset, void* buffer, size_t count);
    bool HasFailed() const { return failed_; }
    bool IsOpen() const { return stream_ != nullptr; }
    void Close();

private:
    std::FILE* stream_;
    bool failed_ = false;
};

// A line-oriented text file; every operation opens and closes the file by itself, and the
// flags describe the last operation.
class TextFile {
public:
    explicit TextFile(std::string path) : path_(std::move(path)) {}

    // Lines without "\n" ("\r" kept); stops before the first line longer than 255 bytes.
    std::vector<std::string> ReadLines();
    // Every line followed by "\r\n".
    std::string ReadAll();
    // Truncates or creates the file; false when it cannot be opened or written.
    bool WriteLines(const std::vector<std::string>& lines);
    // Appends, creating the file if needed; false when it cannot be opened or written.
    bool AppendLines(const std::vector<std::string>& lines);

    bool HasFailed() const { return failed_; }
    bool WasNotOpened() const { return not_opened_; }

private:
    bool Write(const std::vector<std::string>& lines, const char* mode);
    void SetNotOpened();

    std::string path_;
    bool failed_ = false;
    bool not_opened_ = false;
};

}  // namespace sassorbi
