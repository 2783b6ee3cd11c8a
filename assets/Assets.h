// Every picture and sound the game loads, each drawn or synthesised by its own function.
#pragma once

#include "assets/common/Canvas.h"

#include <filesystem>

namespace sassorbi {

// Full-window pictures (800 x 600).
Bytes DrawLogo();
Bytes DrawSanMartino();
Bytes DrawCattedrale();
Bytes DrawChiesaCerreto();
Bytes DrawPalazzoGenio();
Bytes DrawSantuario();
Bytes DrawNextLevelScreen();
Bytes DrawLifeLostScreen();
Bytes DrawGameOverScreen();

// Sprite strips.
Bytes DrawPlayerStrip();
Bytes DrawAsteroidStrip();
Bytes DrawDiamond();

// The window icon at several sizes, in the icon file's layout (Canvas::IconWords, one after
// the other); and the icon as PNG files at the sizes menus and docks use, in an icon theme
// tree (hicolor/NxN/apps/sassorbi.png) under the folder.
Bytes DrawWindowIcon();
bool WriteIconPngs(const std::filesystem::path& folder);

// Sound effects as WAV files.
Bytes SynthDing();
Bytes SynthUrlo();
Bytes SynthBeep();

}  // namespace sassorbi
