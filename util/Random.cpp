#include "util/Random.h"

#include <cstdint>
#include <cstdlib>
#include <ctime>

namespace sassorbi {

int Random(int low, int high) {
    if (high < low) return low;  // An empty range would divide by zero or a negative span.
    static bool seeded = false;
    if (!seeded) {
        std::srand(static_cast<unsigned>(std::time(nullptr)));
        seeded = true;
    }
    const int64_t span = static_cast<int64_t>(high) - low + 1;
    return static_cast<int>(low + std::rand() % span);
}

}  // namespace sassorbi
