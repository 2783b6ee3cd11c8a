#include "toolkit/FontSpec.h"

#include "util/Log.h"

namespace sassorbi {

FontSpec::~FontSpec() {
    FreeFont();
}

FontSpec::FontSpec(const FontSpec& other)
    : family_(other.family_), size_(other.size_), bold_(other.bold_), italic_(other.italic_) {}

FontSpec& FontSpec::operator=(const FontSpec& other) {
    if (this == &other) return *this;
    // The held font no longer matches the new description; the next GetFont loads it.
    FreeFont();
    family_ = other.family_;
    size_ = other.size_;
    bold_ = other.bold_;
    italic_ = other.italic_;
    return *this;
}

const char* FontSpec::BuildFontName() {
    name_ = family_.empty() ? "-*-*-" : "-" + family_ + "-";
    name_ += bold_ ? "Bold-R-" : "Medium-R-";
    name_ += italic_ ? "Italic--" : "Normal--";
    name_ += std::to_string(GetSizeValue());
    name_ += "-*";
    return name_.c_str();
}

void FontSpec::LoadFont(Display* display) {
    FreeFont();
    display_ = display;
    font_ = display != nullptr ? XLoadQueryFont(display, BuildFontName()) : nullptr;
    if (font_ == nullptr) {
        WriteLog("XLoadQueryFont failed");
        return;
    }
    loaded_ = true;
}

XFontStruct* FontSpec::GetFont(Display* display) {
    if (font_ == nullptr) LoadFont(display);
    return font_;
}

int FontSpec::GetSizeValue() const {
    return loaded_ ? font_->ascent : size_;
}

void FontSpec::FreeFont() {
    if (loaded_) XFreeFont(display_, font_);
    font_ = nullptr;
    loaded_ = false;
}

}  // namespace sassorbi
