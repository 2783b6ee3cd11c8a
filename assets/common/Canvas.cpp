#include "assets/common/Canvas.h"

namespace sassorbi {

namespace {

// Pixels at least this opaque belong to a sprite; fainter antialiasing is dropped.
constexpr uint32_t kSpriteAlphaThreshold = 110;

double Channel(uint32_t rgb, int shift) {
    return ((rgb >> shift) & 0xff) / 255.0;
}

// Pure black is the transparent key: visible black becomes 0x010101.
void PutVisible(Bytes& out, uint32_t r, uint32_t g, uint32_t b) {
    if (r == 0 && g == 0 && b == 0) r = g = b = 1;
    out.push_back(static_cast<uint8_t>(r));
    out.push_back(static_cast<uint8_t>(g));
    out.push_back(static_cast<uint8_t>(b));
}

}  // namespace

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

Bytes Canvas::PictureBytes() const {
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    Bytes out;
    out.reserve(static_cast<size_t>(width_) * height_ * 3);
    for (int y = 0; y < height_; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + y * stride);
        for (int x = 0; x < width_; ++x) {
            PutVisible(out, (row[x] >> 16) & 0xff, (row[x] >> 8) & 0xff, row[x] & 0xff);
        }
    }
    return out;
}

Bytes Canvas::SpriteBytes() const {
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    Bytes out;
    out.reserve(static_cast<size_t>(width_) * height_ * 3);
    for (int y = 0; y < height_; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + y * stride);
        for (int x = 0; x < width_; ++x) {
            const uint32_t a = row[x] >> 24;
            if (a < kSpriteAlphaThreshold) {
                out.resize(out.size() + 3, 0);
                continue;
            }
            // Undo the premultiplication so edges keep the sprite's colour instead of darkening.
            auto straight = [&](int shift) {
                return (((row[x] >> shift) & 0xff) * 255 + a / 2) / a;
            };
            PutVisible(out, straight(16), straight(8), straight(0));
        }
    }
    return out;
}

Bytes Canvas::IconWords() const {
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    Bytes out;
    auto put = [&out](uint32_t word) {
        for (int shift = 0; shift < 32; shift += 8)
            out.push_back(static_cast<uint8_t>(word >> shift));
    };
    put(static_cast<uint32_t>(width_));
    put(static_cast<uint32_t>(height_));
    for (int y = 0; y < height_; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + y * stride);
        for (int x = 0; x < width_; ++x) {
            const uint32_t a = row[x] >> 24;
            // Window managers blend the icon themselves: undo cairo's premultiplication.
            auto straight = [&](int shift) {
                return a == 0 ? 0 : (((row[x] >> shift) & 0xff) * 255 + a / 2) / a;
            };
            put(a << 24 | straight(16) << 16 | straight(8) << 8 | straight(0));
        }
    }
    return out;
}

bool Canvas::WritePng(const std::filesystem::path& path) const {
    return cairo_surface_write_to_png(surface_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

void SetColor(cairo_t* cr, uint32_t rgb, double alpha) {
    cairo_set_source_rgba(cr, Channel(rgb, 16), Channel(rgb, 8), Channel(rgb, 0), alpha);
}

void AddStop(cairo_pattern_t* pattern, double offset, uint32_t rgb, double alpha) {
    cairo_pattern_add_color_stop_rgba(pattern, offset, Channel(rgb, 16), Channel(rgb, 8),
                                      Channel(rgb, 0), alpha);
}

uint32_t Mix(uint32_t a, uint32_t b, double t) {
    uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const double value = ((a >> shift) & 0xff) * (1 - t) + ((b >> shift) & 0xff) * t;
        out |= static_cast<uint32_t>(value + 0.5) << shift;
    }
    return out;
}

void FillVertical(cairo_t* cr, double top, double bottom, uint32_t top_colour,
                  uint32_t bottom_colour) {
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, top, 0, bottom);
    AddStop(fill, 0, top_colour);
    AddStop(fill, 1, bottom_colour);
    cairo_set_source(cr, fill);
    cairo_fill(cr);
    cairo_pattern_destroy(fill);
}

uint32_t Rng::Next() {
    // xorshift32: tiny, and the same sequence on every platform.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

double Rng::Uniform(double low, double high) {
    return low + (high - low) * (Next() / 4294967296.0);
}

int Rng::Int(int low, int high) {
    return low + static_cast<int>(Next() % (high - low + 1));
}

}  // namespace sassorbi
