#include "app/CommandLine.h"

#include <algorithm>

namespace sassorbi {
namespace {

struct OptionEntry {
    const char* name;
    const char* value;  // the name of its value in the usage, or nullptr when it takes none
    const char* help;
    // Applies the option; false when its value is not one it accepts.
    bool (*apply)(CommandLine& line, const char* value);
};

bool ShowHelp(CommandLine& line, const char*);
bool ShowVersion(CommandLine& line, const char*);
bool SetScale(CommandLine& line, const char* value);

const OptionEntry kOptions[] = {
    {"--help", nullptr, "show this help and exit", ShowHelp},
    {"--version", nullptr, "show the version and exit", ShowVersion},
    {"--scale", "N|auto", "show the game N times larger (1 to 4), or as large as fits", SetScale},
};

std::string Spelled(const OptionEntry& option) {
    std::string text = option.name;
    if (option.value != nullptr) text += std::string(" ") + option.value;
    return text;
}

bool ShowHelp(CommandLine& line, const char*) {
    line.run = false;
    line.output =
        "Usage: sassorbi [OPTION]...\n"
        "Steer a ship over a landmark at night, collect the diamonds and dodge the rocks.\n"
        "The game runs in the current folder, beside its Data folder; the sassorbi launcher\n"
        "installed on PATH starts it in a folder of the player's own.\n\n";
    for (const OptionEntry& option : kOptions) {
        std::string spelled = Spelled(option);
        spelled.resize(std::max<size_t>(spelled.size() + 2, 18), ' ');
        line.output += "  " + spelled + option.help + "\n";
    }
    line.output +=
        "\nKeys: arrows or a w d x move, G starts, P pauses, N skips a level,\n"
        "F11 switches full screen on and off.\n";
    return true;
}

bool ShowVersion(CommandLine& line, const char*) {
    line.run = false;
    line.output = "sassorbi " SASSORBI_VERSION "\n";
    return true;
}

bool SetScale(CommandLine& line, const char* value) {
    const std::string text = value;
    if (text == "auto") {
        line.options.scale = 0;
        return true;
    }
    if (text.size() != 1 || text[0] < '1' || text[0] > '4') return false;
    line.options.scale = text[0] - '0';
    return true;
}

const OptionEntry* Find(const std::string& name) {
    for (const OptionEntry& option : kOptions) {
        if (name == option.name) return &option;
    }
    return nullptr;
}

CommandLine Refused(const std::string& reason) {
    CommandLine line;
    line.run = false;
    line.exit_status = 2;
    line.error = "sassorbi: " + reason + "; " + UsageLine() + "\n";
    return line;
}

}  // namespace

std::string UsageLine() {
    std::string usage = "usage: sassorbi";
    for (const OptionEntry& option : kOptions)
        usage += " [" + Spelled(option) + "]";
    return usage;
}

CommandLine ParseCommandLine(int argc, const char* const* argv) {
    CommandLine line;
    // Every word is read, even after an option that answers: "--help --bogus" is refused
    // as "--bogus --help" is. The first answer stands.
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        // A value follows its option as the next word or after "=".
        const size_t equals = word.find('=');
        const OptionEntry* option = Find(word.substr(0, equals));
        if (option == nullptr) return Refused("unknown option '" + word + "'");
        const char* value = nullptr;
        if (option->value == nullptr && equals != std::string::npos) {
            return Refused(std::string(option->name) + " takes no value");
        }
        if (option->value != nullptr) {
            if (equals != std::string::npos) {
                value = argv[i] + equals + 1;
            } else if (i + 1 < argc) {
                value = argv[++i];
            } else {
                return Refused(std::string(option->name) + " needs a value");
            }
        }
        if (!line.run) continue;
        if (!option->apply(line, value)) {
            return Refused("'" + std::string(value != nullptr ? value : "") + "' is no value for " +
                           option->name);
        }
    }
    return line;
}

}  // namespace sassorbi
