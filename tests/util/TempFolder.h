#pragma once
// A fixture that runs each test inside a fresh temporary folder and removes it afterwards.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace sassorbi {

class TempFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        char name[] = "/tmp/sassorbi_util_XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        folder_ = name;
        std::filesystem::current_path(folder_);
    }

    void TearDown() override {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(folder_);
    }

    // Writes bytes exactly as given, so tests control line endings.
    static void WriteFile(const std::string& path, const std::string& content) {
        std::ofstream(path, std::ios::binary) << content;
    }

    static std::string ReadFile(const std::string& path) {
        std::ifstream stream(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(stream), {});
    }

    std::filesystem::path folder_;

  private:
    std::filesystem::path previous_;
};

}  // namespace sassorbi
