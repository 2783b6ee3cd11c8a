// Every #include of the tree against the README's source-tree table, so an include that
// points the wrong way fails the suite; and the reading of the table itself, on a small tree.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/layering/IncludeRules.h"
#include "tests/support/TempFolder.h"

namespace sassorbi::layering {
namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Describe(const std::vector<WrongInclude>& wrong) {
    std::string text;
    for (const WrongInclude& include : wrong)
        text += include.file + ":" + std::to_string(include.line) + " " + include.include + "\n";
    return text;
}

TEST(IncludeLayersTest, EveryIncludeOfTheTreeIsOneItsFolderMayUse) {
    const fs::path root = SASSORBI_SOURCE_DIR;
    const auto rules = ReadSourceTreeTable(ReadText(root / "README.md"));
    ASSERT_GE(rules.size(), 10u) << "the README's source-tree table";
    ASSERT_EQ(rules.count("util/"), 1u);
    EXPECT_TRUE(rules.at("util/").may_use.empty()) << "util/ uses only the C and C++ libraries";

    const std::vector<WrongInclude> wrong = FindWrongIncludes(root, rules);
    EXPECT_TRUE(wrong.empty()) << "includes the README's table does not allow:\n"
                               << Describe(wrong);
    const std::vector<std::string> missing = FoldersWithoutRule(root, rules);
    EXPECT_TRUE(missing.empty()) << "a built folder without a row: " << missing.front();
}

class IncludeRulesTest : public ::testing::Test {
protected:
    void Write(const std::string& path, const std::string& text) {
        const fs::path file = folder.path() / path;
        fs::create_directories(file.parent_path());
        std::ofstream(file) << text;
    }

    TempFolder folder;
};

TEST_F(IncludeRulesTest, ReportsEachIncludeTheTableDoesNotAllowWithItsLine) {
    Write("README.md",
          "# Tree\n\n## The source tree\n\n"
          "| folder | what | what it may use |\n|---|---|---|\n"
          "| `low/` | the base | the C and C++ libraries |\n"
          "| `mid/` | the middle | `low/`, `top/Shared.h` |\n"
          "| `top/` | the program | every folder |\n\n"
          "## Next\n\n| `late/` | not in the table | `mid/` |\n");
    Write("low/Base.h", "#pragma once\n#include <vector>\n#include \"low/Other.h\"\n");
    Write("low/Base.cpp", "#include \"Base.h\"\n\n#include \"mid/Middle.h\"\n");
    Write("mid/Middle.cpp",
          "#include \"low/Base.h\"\n#include \"top/Shared.h\"\n#include \"top/Program.h\"\n"
          "#include <X11/Xlib.h>\n#include <low/Base.h>\n#include <top/Program.h>\n");
    Write("top/Program.cpp", "#include \"mid/Middle.h\"\n#include \"low/Base.h\"\n");
    Write("late/CMakeLists.txt", "");
    Write("low/CMakeLists.txt", "");

    const auto rules = ReadSourceTreeTable(ReadText(folder.path() / "README.md"));
    ASSERT_EQ(rules.size(), 3u) << "only the rows of the source-tree section";
    EXPECT_TRUE(rules.at("low/").may_use.empty());
    EXPECT_TRUE(rules.at("top/").any);

    const std::vector<WrongInclude> wrong = FindWrongIncludes(folder.path(), rules);
    ASSERT_EQ(wrong.size(), 3u) << Describe(wrong);
    EXPECT_EQ(Describe(wrong),
              "low/Base.cpp:3 mid/Middle.h\n"
              "mid/Middle.cpp:3 top/Program.h\n"
              "mid/Middle.cpp:6 top/Program.h\n");
    EXPECT_EQ(FoldersWithoutRule(folder.path(), rules), std::vector<std::string>{"late/"});
}

}  // namespace
}  // namespace sassorbi::layering
