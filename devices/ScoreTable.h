#pragma once
// The top-ten table: Data/<table name>/Score/Classifica.txt, one line per game, best first.
// A short-lived object: nothing of the table stays in memory between uses.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace sassorbi {

// Data/<table name>/Score/ with its final "/", each missing folder created on the way; empty
// when a folder cannot be created.
std::string ScoreFolder(const std::string& table_name);

// The entry text the game stores: the name padded with blanks to 12, " Level ", the level.
std::string ScoreEntryText(const std::string& player_name, int level);

// For tests: runs once the new table is on disk, just before it replaces the old one.
void SetScoreReplaceHook(void (*hook)());

class ScoreTable {
public:
    explicit ScoreTable(std::string table_name) : table_name_(std::move(table_name)) {}

    // The lines in file order, unsorted; those before an over-long line or a read error.
    std::vector<std::string> ReadEntries();
    // Sorts best first, keeps ten and replaces the file as a whole; false when not written.
    bool SaveEntries(std::vector<std::string> lines);
    // Adds "<score as 8 digits> <entry text>"; false, and the file untouched, when the table
    // could not be read completely (logged, naming the file and the line) or the new one
    // could not be written.
    bool AddScore(int32_t score, const std::string& entry_text);

    // Set when the table's folder cannot be created.
    bool HasFailed() const { return failed_; }

private:
    std::string table_name_;
    bool failed_ = false;
    bool read_completely_ = false;
};

}  // namespace sassorbi
