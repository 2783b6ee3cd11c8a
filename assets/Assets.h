// Every picture and sound the game loads, each drawn or synthesised by its own function.
#pragma once

#include "assets/common/Canvas.h"

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

// Sound effects as WAV files.
Bytes SynthDing();
Bytes SynthUrlo();
Bytes SynthBeep();

}  // namespace sassorbi
