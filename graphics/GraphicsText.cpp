// Text: measuring in the shared font, and the wrapped, aligned layout of DrawText.

#include <cctype>

#include "graphics/Graphics.h"
#include "util/Text.h"

namespace sassorbi {
namespace {

// Shortens the line until it fits the width, moving what no longer fits to the front of
// the rest. A line loses one character at a time, but after a letter it breaks at its last
// space, so words that have a space before them are never split. True when it was cut.
template <typename Measure>
bool FitLine(std::string& line, std::string& rest, int width, Measure text_width) {
    bool cut = false;
    while (!line.empty() && text_width(line) > width) {
        const char moved = line.back();
        line.pop_back();
        rest.insert(rest.begin(), moved);
        cut = true;
        const size_t space = line.rfind(' ');
        if (std::isalpha(static_cast<unsigned char>(moved)) && space != std::string::npos) {
            rest.insert(0, line, space, std::string::npos);
            line.erase(space);
        }
    }
    return cut;
}

}  // namespace

int Graphics::TextWidth(const std::string& text) const {
    if (font_ == nullptr || text.empty()) return 0;
    return XTextWidth(font_, text.data(), static_cast<int>(text.size()));
}

int Graphics::TextHeight() const {
    return font_ != nullptr ? font_->ascent + 1 : 0;
}

int Graphics::MaxCharWidth() const {
    return TextWidth("M");
}

int Graphics::EstimateTextWidth(const std::string& text) {
    Graphics graphics(nullptr);
    return static_cast<int>(text.size()) * graphics.MaxCharWidth();
}

// Lines are at least 15 pixels apart.
int Graphics::LineHeight() const {
    const int ascent = font_ != nullptr ? font_->ascent : 0;
    return ascent <= 15 ? 15 : ascent + 1;
}

int Graphics::AlignedX(int x, int w, const std::string& line, int align) const {
    const int width = TextWidth(line);
    if (w <= 0 || width == 0 || align == 0) return x;
    return align == 1 ? x + w - width : x + (w - width) / 2;
}

void Graphics::DrawGlyphs(int x, int baseline, const std::string& text) {
    if (text.empty()) return;
    XDrawString(display_, target_, gc_.Get(), x, baseline, text.data(),
                static_cast<int>(text.size()));
}

void Graphics::DrawString(int x, int baseline, const std::string& text, Colour colour) {
    if (!CanDraw()) return;
    SetForeground(colour);
    DrawGlyphs(x, baseline, text);
    Flush();
}

void Graphics::DrawText(int x, int y, int w, int h, const std::string& text, Colour fg, Colour bg,
                        int align) {
    if (!CanDraw()) return;
    SetForeground(fg);
    SetBackground(bg);
    DrawTextLines(x, y, w, h, text, fg, bg, align);
    Flush();
}

// One line per turn, each in the box left below the previous one; a box less than ten
// pixels high shows no text. Only the first line fills the background and is centred
// vertically when it is the only one; after a line had to be cut, the rest is left-aligned.
void Graphics::DrawTextLines(int x, int y, int w, int h, std::string text, Colour fg, Colour bg,
                             int align) {
    const int line_height = LineHeight();
    for (bool first = true; h > 9; first = false) {
        const size_t newline = text.find('\n');
        std::string line = text.substr(0, newline);
        std::string rest = newline == std::string::npos ? "" : text.substr(newline);
        const bool cut =
            w > 0 && FitLine(line, rest, w, [this](const std::string& s) { return TextWidth(s); });
        if (w > 0 && first && bg != kNoColour) {
            FillRectangle(x, y, w, h + 1, 0, kNoColour, bg);
            SetForeground(fg);
        }
        if (rest.empty()) {
            const int centring = first ? (h - line_height) / 2 : 0;
            DrawGlyphs(AlignedX(x, w, line, align), y + line_height - 1 + centring, line);
            return;
        }
        if (cut) align = 0;
        DrawGlyphs(AlignedX(x, w, line, align), y + line_height - 1, line);
        // An empty line whose rest is the same text again: not even one character fits, so
        // no later line could show anything either. A blank at the front is trimmed away.
        if (line.empty() && Trim(rest) == text) return;
        text = Trim(rest);
        y += line_height;
        h -= line_height;
    }
}

}  // namespace sassorbi
