// Draws and synthesises every picture and sound of the game into the data folder given, and
// the icons for menus and docks into the icon folder.
#include "assets/Assets.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "game/SpriteTable.h"

namespace sassorbi {

namespace {

struct DataFile {
    const char* name;
    Bytes (*make)();
};

const DataFile kDataFiles[] = {
    {"logo.bin", DrawLogo},
    {"sanmartino2.bin", DrawSanMartino},
    {"cattedrale.bin", DrawCattedrale},
    {"chiesacerreto.bin", DrawChiesaCerreto},
    {"palazzogenio.bin", DrawPalazzoGenio},
    {"santuario.bin", DrawSantuario},
    {"livello.bin", DrawNextLevelScreen},
    {"replay.bin", DrawLifeLostScreen},
    {"gameover.bin", DrawGameOverScreen},
    {kPlayerStrip.file, DrawPlayerStrip},
    {kAsteroidStrip.file, DrawAsteroidStrip},
    {kDiamondStrip.file, DrawDiamond},
    {"icona.argb", DrawWindowIcon},
    {"ding.wav", SynthDing},
    {"urlo.wav", SynthUrlo},
    {"beep.wav", SynthBeep},
};

bool WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace

int MakeAssets(const std::filesystem::path& folder, const std::filesystem::path& icon_folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (const DataFile& file : kDataFiles) {
        if (!WriteFile(folder / file.name, file.make())) {
            std::fprintf(stderr, "make_assets: cannot write %s\n", (folder / file.name).c_str());
            return 1;
        }
    }
    if (!WriteIconPngs(icon_folder)) {
        std::fprintf(stderr, "make_assets: cannot write the icons in %s\n", icon_folder.c_str());
        return 1;
    }
    return 0;
}

}  // namespace sassorbi

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_assets DATA_FOLDER ICON_FOLDER\n");
        return 2;
    }
    return sassorbi::MakeAssets(argv[1], argv[2]);
}
