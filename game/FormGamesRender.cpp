// The pictures of the game form: loading backgrounds, composing images, text and rectangles
// into the layers, and restoring what lies under a sprite.

#include <algorithm>
#include <cstdint>

#include "util/Log.h"
#include "game/FormGames.h"
#include "graphics/PixelCopy.h"
#include "graphics/PictureFile.h"
#include "toolkit/Screen.h"
#include "util/Files.h"

namespace sassorbi {
namespace {

constexpr const char* kNeedsRunAppForText =
    "RenderText(): E' possibile scrivere nel metodo RunApp o nei metodi successivi.";

}  // namespace

bool FormGames::HasGraphics(const char* message) const {
    if (graphics_) return true;
    WriteLog(message);
    return false;
}

void FormGames::RenderSfondo(const std::string& path) {
    if (!HasGraphics("RenderSfondo(file): E' possibile caricare lo sfondo nel metodo RunApp o nei "
                     "metodi successivi.")) {
        return;
    }
    if (!FileExists(path)) {
        WriteLogString(path + ": non trovato");
        return;
    }
    busy_ = true;
    FreePictures();
    RenderText(10, 60, "L O A D I N G . . .", 0xFFFFFF);
    const int w = frame_size_.width, h = frame_size_.height;
    const std::vector<uint8_t> rgb = ReadPictureFile(path, w, h);
    if (!rgb.empty()) {
        Display* display = GetDisplay();
        const int screen_number = GetScreen()->GetScreenNumber();
        background_ = MyImage::CreateImageFromRGB(display, screen_number, rgb.data(), w, h);
        static_layer_ = MyImage::CreateBlankImage(display, screen_number, w, h);
        screen_buffer_ = ScreenBuffer::Create(display, screen_number, w, h);
    }
    if (!background_ || !static_layer_ || !screen_buffer_) {
        WriteLogString("Errore loading " + path);
        FreePictures();
    } else {
        CopyImage(*background_, static_layer_.get());
        CopyImage(*background_, screen_buffer_->GetImage());
        graphics_->PutImage(0, 0, background_.get());
        ShowDrawn(0, 0, w, h);
    }
    damage_.AddAll();
    busy_ = false;
}

void FormGames::RenderSfondo() {
    if (!background_) {
        WriteLog("RenderSfondo(): E' necessario caricare primo lo sfondo.");
        return;
    }
    busy_ = true;
    CopyImage(*background_, static_layer_.get());
    CopyImage(*background_, screen_buffer_->GetImage());
    damage_.AddAll();
    busy_ = false;
}

void FormGames::RipristinaSfondo(int x, int y, int w, int h, RestoreFrom from) {
    const bool from_background = from == RestoreFrom::kBackground;
    if (!from_background && full_redraw_) return;
    XImage* source = from_background ? background_.get() : static_layer_.get();
    if (source == nullptr || !screen_buffer_) return;
    // Clipped at the start first, so the end checks below see the rectangle that is copied.
    if (x < 0) w += x, x = 0;
    if (y < 0) h += y, y = 0;
    if (int64_t{y} + h > source->height) {
        WriteLog("RipristinaSfondo(): attenzione sizeFrame > size bmpScreenBuffer");
        h = source->height - y;
    }
    w = std::min(w, source->width - x);
    if (w <= 0 || h <= 0) return;
    if (from_background) CopyRect(*source, static_layer_.get(), x, y, w, h);
    CopyRect(*source, screen_buffer_->GetImage(), x, y, w, h);
    damage_.Add({x, y, w, h});
}

void FormGames::RenderImage(XImage* image, int x, int y, int w, int h, bool to_static,
                            bool transparent) {
    RenderImage(image, x, y, 0, 0, w, h, to_static, transparent);
}

// The compositor: the source rectangle (x0, y0)-(x1, y1) of the image at (x, y), clipped to
// the image and the target picture, into the static layer and the screen buffer (to_static)
// or the screen buffer alone.
void FormGames::RenderImage(XImage* image, int x, int y, int x0, int y0, int x1, int y1,
                            bool to_static, bool transparent) {
    if (!HasGraphics("RenderImage(file): E' possibile caricare l'immagine nel metodo RunApp o nei "
                     "metodi successivi.")) {
        return;
    }
    // In full-redraw mode moving things reach the buffer only through the frame.
    const bool recorded = !to_static && frame_sprites_.IsRecording();
    if (image == nullptr || (!to_static && full_redraw_ && !recorded)) return;
    if (!static_layer_ || !screen_buffer_) {
        graphics_->PutSubImageTransparent(x, y, x1 - x0, y1 - y0, image, x0, y0);
        ShowDrawn(x, y, x1 - x0, y1 - y0);
        return;
    }
    XImage* target = to_static ? static_layer_.get() : screen_buffer_->GetImage();
    int sw = std::min(x1, image->width) - x0, sh = std::min(y1, image->height) - y0;
    if (x0 < 0 || y0 < 0) return;
    if (x < 0) x0 -= x, sw += x, x = 0;
    if (y < 0) y0 -= y, sh += y, y = 0;
    if (y > target->height || x > target->width) return;
    sw = std::min(sw, target->width - x);
    sh = std::min(sh, target->height - y);
    if (sw < 1 || sh < 1) return;
    if (recorded) {
        frame_sprites_.Add({image, x0, y0, {x, y, sw, sh}, transparent});
        return;
    }
    if (to_static) BlitImage(*image, x0, y0, sw, sh, static_layer_.get(), x, y, transparent);
    BlitImage(*image, x0, y0, sw, sh, screen_buffer_->GetImage(), x, y, transparent);
    damage_.Add({x, y, sw, sh});
}

// Drawn by the server on the window, then read back into the layers. Only the part inside
// the window can be read: the server refuses the whole request for an area that runs past it.
void FormGames::CopyWindowAreaIntoLayers(int x, int y, int w, int h, bool transparent) {
    if (!static_layer_) return;
    const int right = std::min(x + w, static_layer_->width);
    const int bottom = std::min(y + h, static_layer_->height);
    x = std::max(x, 0);
    y = std::max(y, 0);
    w = right - x;
    h = bottom - y;
    if (w <= 0 || h <= 0) return;
    const ServerImage drawn = graphics_->GetImage(x, y, w, h);
    if (drawn) RenderImage(drawn.get(), x, y, 0, 0, w, h, true, transparent);
}

// What the server drew reaches the layers only inside the area read back. The next frame
// puts the buffer over everything the drawing may have touched, so the window never keeps
// what the layers lack. Clamped to the buffer in wide arithmetic: the callers' coordinates
// are unchecked.
void FormGames::DamageWindowDrawing(int64_t left, int64_t top, int64_t right, int64_t bottom) {
    if (!screen_buffer_) return;
    const XImage* buffer = screen_buffer_->GetImage();
    const auto clamp = [](int64_t value, int limit) {
        return static_cast<int>(std::clamp<int64_t>(value, 0, limit));
    };
    const int x0 = clamp(left, buffer->width), x1 = clamp(right, buffer->width);
    const int y0 = clamp(top, buffer->height), y1 = clamp(bottom, buffer->height);
    damage_.Add({x0, y0, x1 - x0, y1 - y0});
}

void FormGames::RenderText(int x, int y, int w, int h, const std::string& text, Colour colour,
                           int align) {
    if (!HasGraphics(kNeedsRunAppForText)) return;
    const bool was_busy = busy_;
    busy_ = true;
    graphics_->DrawText(x, y, w, h, text, colour, kNoColour, align);
    const int width = w == 0 ? Graphics::EstimateTextWidth(text) : w;
    ShowDrawn(x, y, width, h);
    CopyWindowAreaIntoLayers(x, y, width, h, true);
    // Glyphs reach past the box by the font's bearings, ascent and descent: a descender below
    // a short box, a line wider than the box moved left by its alignment.
    const XFontStruct* font = graphics_->GetFont();
    const int64_t before = font != nullptr ? std::max(0, -int{font->min_bounds.lbearing}) : 0;
    const int64_t after = font != nullptr ? std::max(0, int{font->max_bounds.rbearing}) : 0;
    const int64_t above =
        font != nullptr ? std::max<int>(font->ascent, font->max_bounds.ascent) : h;
    const int64_t below =
        font != nullptr ? std::max<int>(font->descent, font->max_bounds.descent) : h;
    const int64_t overhang = std::max(0, graphics_->TextWidth(text) - width);
    DamageWindowDrawing(x - before - overhang, y - above, int64_t{x} + width + overhang + after,
                        int64_t{y} + h + above + below);
    busy_ = was_busy;
}

void FormGames::RenderText(int x, int y, const std::string& text, Colour colour) {
    RenderText(x, y, 0, 18, text, colour, 0);
}

void FormGames::RenderRect(int x, int y, int w, int h, Colour colour) {
    if (!HasGraphics(kNeedsRunAppForText)) return;
    const bool was_busy = busy_;
    busy_ = true;
    graphics_->FillRectangle(x, y, w, h, 1, colour, colour);
    ShowDrawn(x, y, w, h);
    CopyWindowAreaIntoLayers(x, y, w, h, false);
    busy_ = was_busy;
}

bool FormGames::LoadImageFile(const std::string& path, int w, int h, ClientImage* out,
                              int64_t* size) {
    if (!FileExists(path)) {
        WriteLogString(path + ": non trovato");
        return false;
    }
    *size = FileSize(path);
    const std::vector<uint8_t> rgb = ReadPictureFile(path, w, h);
    ClientImage image = rgb.empty()
                            ? nullptr
                            : MyImage::CreateImageFromRGB(
                                  GetDisplay(), GetScreen()->GetScreenNumber(), rgb.data(), w, h);
    if (!image) {
        WriteLogString("Errore loading " + path);
        return false;
    }
    *out = std::move(image);
    return true;
}

}  // namespace sassorbi
