#pragma once

namespace sassorbi {

// A pseudo-random integer from low to high inclusive; low when high < low. The C library
// generator is seeded from the clock on the first call only.
int Random(int low, int high);

}  // namespace sassorbi
