#include "util/DataFolder.h"

#include "util/Files.h"

namespace sassorbi {

std::string DataFolder() {
    const std::string folder = "Data";
    // A failure is not reported: later file operations in the folder fail on their own.
    if (!FileExists(folder)) CreateFolder(folder);
    return folder;
}

}  // namespace sassorbi
