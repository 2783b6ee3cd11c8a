#pragma once
// The layering rules of the source tree as the README's table states them, and the includes
// that break them.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace sassorbi::layering {

struct FolderRule {
    // Folders ("util/") and single headers or header stems ("game/SpriteTable.h").
    std::vector<std::string> may_use;
    // "every folder": the folder sits on top and may use anything.
    bool any = false;
};

// Folder ("toolkit/") to rule, from the rows of the table under "## The source tree".
std::map<std::string, FolderRule> ReadSourceTreeTable(const std::string& readme);

struct WrongInclude {
    std::string file;  // relative to the tree's root
    int line;
    std::string include;
};

// Every #include of the listed folders' sources that their rule does not allow: the quoted
// ones, and the bracketed ones that name a folder of the table.
std::vector<WrongInclude> FindWrongIncludes(const std::filesystem::path& root,
                                            const std::map<std::string, FolderRule>& rules);

// Top-level folders that are built (they hold a CMakeLists.txt) but have no row.
std::vector<std::string> FoldersWithoutRule(const std::filesystem::path& root,
                                            const std::map<std::string, FolderRule>& rules);

}  // namespace sassorbi::layering
