#include "tests/layering/IncludeRules.h"

#include <fstream>
#include <regex>
#include <sstream>

namespace sassorbi::layering {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Cells(const std::string& row) {
    std::vector<std::string> cells;
    std::stringstream in(row);
    std::string cell;
    std::getline(in, cell, '|');  // before the first bar
    while (std::getline(in, cell, '|'))
        cells.push_back(cell);
    return cells;
}

std::vector<std::string> Backticked(const std::string& text) {
    std::vector<std::string> names;
    static const std::regex kName("`([^`]+)`");
    for (std::sregex_iterator it(text.begin(), text.end(), kName), end; it != end; ++it)
        names.push_back((*it)[1]);
    return names;
}

bool Allows(const FolderRule& rule, const std::string& folder, const std::string& include) {
    const size_t slash = include.find('/');
    // A bare name is a header beside the including file.
    if (rule.any || slash == std::string::npos) return true;
    const std::string top = include.substr(0, slash + 1);
    if (top == folder) return true;
    for (const std::string& entry : rule.may_use) {
        if (entry.back() == '/' ? top == entry
                                : include == entry || include.rfind(entry + ".", 0) == 0) {
            return true;
        }
    }
    return false;
}

bool IsSource(const fs::path& path) {
    return path.extension() == ".cpp" || path.extension() == ".h";
}

// The tree's root is on every target's include path, so <game/FormMain.h> reaches a folder
// as surely as the quoted form does: a bracketed name is the tree's own when its first
// component is a folder of the table, and a system header otherwise.
bool NamesTreeFolder(const std::string& include, const std::map<std::string, FolderRule>& rules) {
    const size_t slash = include.find('/');
    return slash != std::string::npos && rules.count(include.substr(0, slash + 1)) != 0;
}

void CheckFile(const fs::path& root, const fs::path& file, const std::string& folder,
               const FolderRule& rule, const std::map<std::string, FolderRule>& rules,
               std::vector<WrongInclude>* wrong) {
    static const std::regex kInclude(R"(^\s*#\s*include\s*(["<])([^">]+)[">])");
    std::ifstream in(file);
    std::string text;
    std::smatch match;
    for (int line = 1; std::getline(in, text); ++line) {
        if (!std::regex_search(text, match, kInclude)) continue;
        const std::string include = match[2];
        if (match[1] == "<" && !NamesTreeFolder(include, rules)) continue;
        if (!Allows(rule, folder, include)) {
            wrong->push_back({fs::relative(file, root).string(), line, include});
        }
    }
}

}  // namespace

std::map<std::string, FolderRule> ReadSourceTreeTable(const std::string& readme) {
    std::map<std::string, FolderRule> rules;
    const size_t section = readme.find("## The source tree");
    if (section == std::string::npos) return rules;
    std::stringstream in(readme.substr(section));
    std::string row;
    std::getline(in, row);  // the heading
    while (std::getline(in, row) && row.rfind("## ", 0) != 0) {
        const std::vector<std::string> cells = Cells(row);
        if (cells.size() < 3) continue;
        const std::vector<std::string> folder = Backticked(cells[0]);
        if (folder.size() != 1 || folder[0].back() != '/') continue;
        FolderRule& rule = rules[folder[0]];
        rule.may_use = Backticked(cells[2]);
        rule.any = cells[2].find("every folder") != std::string::npos;
    }
    return rules;
}

std::vector<WrongInclude> FindWrongIncludes(const fs::path& root,
                                            const std::map<std::string, FolderRule>& rules) {
    std::vector<WrongInclude> wrong;
    for (const auto& [folder, rule] : rules) {
        const fs::path top = root / folder;
        if (!fs::is_directory(top)) continue;
        for (const auto& entry : fs::recursive_directory_iterator(top)) {
            if (entry.is_regular_file() && IsSource(entry.path())) {
                CheckFile(root, entry.path(), folder, rule, rules, &wrong);
            }
        }
    }
    return wrong;
}

std::vector<std::string> FoldersWithoutRule(const fs::path& root,
                                            const std::map<std::string, FolderRule>& rules) {
    std::vector<std::string> missing;
    for (const auto& entry : fs::directory_iterator(root)) {
        const std::string folder = entry.path().filename().string() + "/";
        if (entry.is_directory() && fs::exists(entry.path() / "CMakeLists.txt") &&
            rules.count(folder) == 0) {
            missing.push_back(folder);
        }
    }
    return missing;
}

}  // namespace sassorbi::layering
