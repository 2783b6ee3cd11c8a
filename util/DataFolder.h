#pragma once

#include <string>

namespace sassorbi {

// "Data" in the working directory, created first when nothing of that name exists.
std::string DataFolder();

}  // namespace sassorbi
