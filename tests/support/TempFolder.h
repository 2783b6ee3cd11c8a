#pragma once
// A fresh temporary folder that is the working directory while it lives, and a fixture
// that runs each test inside one.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace sassorbi {

class TempFolder {
public:
    TempFolder() : previous_(std::filesystem::current_path()) {
        char name[] = "/tmp/sassorbi_test_XXXXXX";
        if (mkdtemp(name) != nullptr) path_ = name;
        if (!path_.empty()) std::filesystem::current_path(path_);
    }
    ~TempFolder() {
        std::filesystem::current_path(previous_);
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

// Writes bytes exactly as given, so tests control line endings.
inline void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream stream(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(stream), {});
}

class TempFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(temp_.path().empty());
        folder_ = temp_.path();
    }

    std::filesystem::path folder_;

private:
    TempFolder temp_;
};

}  // namespace sassorbi
