// Draws and synthesises every picture and sound of the game into the folder given.
#include "assets/Assets.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

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
    {"player.bin", DrawPlayerStrip},
    {"asteroide_notte.bin", DrawAsteroidStrip},
    {"diamante.bin", DrawDiamond},
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

int MakeAssets(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (const DataFile& file : kDataFiles) {
        if (!WriteFile(folder / file.name, file.make())) {
            std::fprintf(stderr, "make_assets: cannot write %s\n", (folder / file.name).c_str());
            return 1;
        }
    }
    return 0;
}

}  // namespace sassorbi

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_assets OUTPUT_FOLDER\n");
        return 2;
    }
    return sassorbi::MakeAssets(argv[1]);
}
