#include "graphics/BmpFile.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

#include "util/Files.h"

namespace sassorbi {
namespace {

// A client image of the picture (4 bytes a pixel) must still be addressable with an int.
constexpr int64_t kMaxPixels = std::numeric_limits<int32_t>::max() / 4;
constexpr int64_t kMaxPaletteEntries = 256;

bool SupportedDepth(int bits) {
    return bits == 24 || bits == 8 || bits == 4;
}

uint32_t Le32(const uint8_t* bytes) {
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

bool Refuse(std::string* reason, const std::string& why) {
    *reason = why;
    return false;
}

bool ReadHeader(BinaryFile* file, BmpHeader* header, std::string* reason) {
    if (!file->IsOpen()) return Refuse(reason, "cannot be opened");
    std::array<uint8_t, kBmpHeaderSize> bytes{};
    const size_t read = file->ReadAt(0, bytes.data(), bytes.size());
    if (read < bytes.size()) {
        return Refuse(reason, "header cut short (" + std::to_string(read) + " of 54 bytes)");
    }
    header->pixel_offset = Le32(&bytes[10]);
    header->width = static_cast<int32_t>(Le32(&bytes[18]));
    header->height = static_cast<int32_t>(Le32(&bytes[22]));
    header->bit_count = bytes[28] | bytes[29] << 8;
    header->compression = Le32(&bytes[30]);
    return true;
}

// The checks that need only the header, made before anything is allocated.
bool CheckHeader(const BmpHeader& header, int bits, std::string* reason) {
    if (!SupportedDepth(bits)) {
        return Refuse(reason, std::to_string(bits) + " bits per pixel not supported");
    }
    if (header.height < 0) return Refuse(reason, "top-down rows (negative height) not supported");
    if (header.width <= 0 || header.height == 0) {
        return Refuse(reason, "width or height not positive");
    }
    if (int64_t{header.width} * header.height > kMaxPixels) {
        return Refuse(reason, "picture too large (" + std::to_string(header.width) + " x " +
                                  std::to_string(header.height) + ")");
    }
    if (header.pixel_offset < kBmpHeaderSize) {
        return Refuse(reason,
                      "pixel-data offset " + std::to_string(header.pixel_offset) + " below 54");
    }
    return true;
}

// The entries between the header and the pixel data, turned from blue, green, red, reserved
// into red, green, blue.
bool LoadPalette(BinaryFile* file, const BmpHeader& header, BmpData* data, std::string* reason) {
    const int64_t entries = (header.pixel_offset - kBmpHeaderSize) / 4;
    if (entries > kMaxPaletteEntries) {
        return Refuse(reason, "palette of " + std::to_string(entries) + " entries, over 256");
    }
    if (entries == 0) return true;
    std::vector<uint8_t> stored(static_cast<size_t>(entries) * 4);
    if (file->ReadAt(kBmpHeaderSize, stored.data(), stored.size()) < stored.size()) {
        return Refuse(reason, "palette cut short");
    }
    for (size_t entry = 0; entry < stored.size(); entry += 4) {
        data->palette.insert(data->palette.end(),
                             {stored[entry + 2], stored[entry + 1], stored[entry]});
    }
    return true;
}

std::string RowsCutShort(int64_t have, int64_t need) {
    return "pixel rows cut short (" + std::to_string(have) + " of " + std::to_string(need) +
           " bytes)";
}

// The size is checked against the file first, so no more is allocated than the file holds.
bool LoadRows(BinaryFile* file, const BmpHeader& header, int64_t file_size, BmpData* data,
              std::string* reason) {
    if (header.pixel_offset > file_size) {
        return Refuse(reason, "pixel-data offset " + std::to_string(header.pixel_offset) +
                                  " past the end of the file (" + std::to_string(file_size) +
                                  " bytes)");
    }
    const int64_t need = BmpRowLength(data->width, data->bits) * data->height;
    const int64_t available = file_size - header.pixel_offset;
    if (available < need) return Refuse(reason, RowsCutShort(available, need));
    data->rows.resize(static_cast<size_t>(need));
    const size_t read = file->ReadAt(header.pixel_offset, data->rows.data(), data->rows.size());
    if (read < data->rows.size()) return Refuse(reason, RowsCutShort(read, need));
    return true;
}

int PaletteIndex(const uint8_t* row, int x, int bits) {
    if (bits == 8) return row[x];
    return x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2] & 0x0F;
}

void DecodeRow(const BmpData& data, const uint8_t* colours, const uint8_t* row, uint8_t* out) {
    for (int x = 0; x < data.width; ++x, out += 3) {
        if (data.bits == 24) {
            out[0] = row[x * 3 + 2];
            out[1] = row[x * 3 + 1];
            out[2] = row[x * 3];
            continue;
        }
        const uint8_t* colour = colours + PaletteIndex(row, x, data.bits) * 3;
        out[0] = colour[0];
        out[1] = colour[1];
        out[2] = colour[2];
    }
}

}  // namespace

int64_t BmpPixelBytes(int width, int bits) {
    return (int64_t{width} * bits + 7) / 8;
}

int64_t BmpRowLength(int width, int bits) {
    return (BmpPixelBytes(width, bits) + 3) / 4 * 4;
}

bool ReadBmpHeader(const std::string& path, BmpHeader* header, std::string* reason) {
    BinaryFile file(path);
    return ReadHeader(&file, header, reason);
}

bool LoadBmp(const std::string& path, int bits, BmpData* data, std::string* reason) {
    *data = BmpData{};
    BinaryFile file(path);
    BmpHeader header;
    if (!ReadHeader(&file, &header, reason) || !CheckHeader(header, bits, reason)) return false;
    data->width = header.width;
    data->height = header.height;
    data->bits = bits;
    if (bits != 24 && !LoadPalette(&file, header, data, reason)) return false;
    return LoadRows(&file, header, FileSize(path), data, reason);
}

std::vector<uint8_t> BmpToRGB(const BmpData& data) {
    const size_t row_length = static_cast<size_t>(BmpRowLength(data.width, data.bits));
    if (!SupportedDepth(data.bits) || data.width <= 0 || data.height <= 0 ||
        data.palette.size() > kMaxPaletteEntries * 3 ||
        data.rows.size() < row_length * static_cast<size_t>(data.height)) {
        return {};
    }
    // Indices past the file's palette find black here.
    std::array<uint8_t, kMaxPaletteEntries * 3> colours{};
    std::copy(data.palette.begin(), data.palette.end(), colours.begin());
    const size_t out_row = static_cast<size_t>(data.width) * 3;
    std::vector<uint8_t> rgb(out_row * static_cast<size_t>(data.height));
    for (int y = 0; y < data.height; ++y) {
        // Stored bottom row first.
        const uint8_t* row = data.rows.data() + (data.height - 1 - y) * row_length;
        DecodeRow(data, colours.data(), row, rgb.data() + y * out_row);
    }
    return rgb;
}

}  // namespace sassorbi
