#include "graphics/BmpSource.h"

#include <vector>

#include "util/Files.h"
#include "util/Text.h"

namespace sassorbi {
namespace {

std::string HexList(const uint8_t* bytes, size_t count) {
    std::string text;
    for (size_t i = 0; i < count; ++i)
        text += "0x" + HexByte(bytes[i]) + ",";
    return text;
}

}  // namespace

std::string BmpSourceName(const std::string& path) {
    const std::string name = FileName(path);
    return ToUpper(name.substr(0, name.rfind('.')));
}

std::string BmpSourceText(const std::string& name, const BmpData& data) {
    std::string text = "int w" + name + " = " + IntToString(data.width) + ";\n";
    text += "int h" + name + " = " + IntToString(data.height) + ";\n\n";
    text += "char img" + name + "[] = {\n";
    text += HexList(data.palette.data(), data.palette.size()) + "\n";
    const size_t row_length = static_cast<size_t>(BmpRowLength(data.width, data.bits));
    const size_t pixel_bytes = static_cast<size_t>(BmpPixelBytes(data.width, data.bits));
    for (size_t start = 0; start + row_length <= data.rows.size(); start += row_length)
        text += HexList(&data.rows[start], pixel_bytes) + "\n";
    return text + "};\n";
}

bool WriteBmpSource(const std::string& path, const BmpData& data) {
    const std::string source_path = path + ".c";
    RemoveFile(source_path);
    return TextFile(source_path).WriteLines({BmpSourceText(BmpSourceName(path), data)});
}

}  // namespace sassorbi
