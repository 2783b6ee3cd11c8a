#pragma once
// A drawing context: an X graphics context bound to one form's window, or to a pixmap of its
// display, with immediate-mode primitives. Controls make one per paint; the game form keeps
// one for its whole life. Every primitive goes straight to the target and is flushed.
// Colours are 0xRRGGBB pixel values; kNoColour (-1) keeps the context's current colour.

#include <X11/Xlib.h>

#include <string>

#include "graphics/XOwners.h"
#include "toolkit/Geometry.h"

namespace sassorbi {

class Form;
class GUIElement;

class Graphics {
public:
    // A null form means the main form (the first one registered).
    explicit Graphics(Form* form);
    // Draws on another drawable of the form's display, such as an off-screen pixmap.
    Graphics(Form* form, Drawable target);
    ~Graphics();
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    bool HasContext() const { return static_cast<bool>(gc_); }
    // For code that puts pictures itself (the game's screen buffer).
    GC GetContext() const { return gc_.Get(); }

    void DrawPoint(int x, int y, Colour colour);
    void DrawLine(int x1, int y1, int x2, int y2, Colour colour);
    // Style 1 dashes, style 2 double-dashes; anything else uses the current line attributes.
    void DrawLine(int x1, int y1, int x2, int y2, int style, Colour colour);
    void DrawLines(XPoint* points, int count, Colour colour);
    void FillPolygon(XPoint* points, int count, int border_width, Colour border, Colour fill);
    // Outlines exactly w x h pixels.
    void DrawRectangle(int x, int y, int w, int h, int line_width, Colour colour);
    // Fills (w - 1) x (h - 1) pixels: callers that want w x h pass w + 1 and h + 1.
    void FillRectangle(int x, int y, int w, int h, int border_width, Colour border, Colour fill);
    void DrawEllipse(int x, int y, int w, int h, Colour colour);
    void FillEllipse(int x, int y, int w, int h, int border_width, Colour border, Colour fill);
    // Multi-line text wrapped to the box; align 0 left, 1 right, anything else centred.
    void DrawText(int x, int y, int w, int h, const std::string& text, Colour fg, Colour bg,
                  int align);
    // One line of glyphs with its baseline at y, no background.
    void DrawString(int x, int baseline, const std::string& text, Colour colour);

    int TextHeight() const;
    int MaxCharWidth() const;
    int TextWidth(const std::string& text) const;
    static int EstimateTextWidth(const std::string& text);
    // The font text is drawn and measured with; null without one.
    const XFontStruct* GetFont() const { return font_; }

    void PutImage(int x, int y, XImage* image);
    // w or h 0 means the image's own width or height.
    void PutImage(int x, int y, int w, int h, XImage* image);
    void PutImage(int x, int y, int w, int h, XImage* image, int src_x, int src_y);
    // Colour-key copies: pixels of the key colour let the window's content show through.
    // The caller's image is never changed.
    void PutImageTransparent(int x, int y, int w, int h, XImage* image, Colour key = 0);
    void PutSubImageTransparent(int x, int y, int w, int h, XImage* image, int src_x, int src_y,
                                Colour key = 0);
    // The area read back from the target; null when it is not wholly visible (on a window,
    // on the screen) or not wholly inside the target.
    ServerImage GetImage(int x, int y, int w, int h);

    // A pixmap on the element's form holding the whole image.
    static OwnedPixmap CreatePixmapFromImage(GUIElement* element, XImage* image);

private:
    void CreateContext(Form* form, Drawable target);
    // Drawing needs a context and a target; measuring needs only the context.
    bool CanDraw() const;
    void SetForeground(Colour colour);
    void SetBackground(Colour colour);
    void SetDefaultLineAttributes();
    void DrawTextLines(int x, int y, int w, int h, std::string text, Colour fg, Colour bg,
                       int align);
    int LineHeight() const;
    int AlignedX(int x, int w, const std::string& line, int align) const;
    void DrawGlyphs(int x, int baseline, const std::string& text);
    bool VisibleArea(int* x, int* y, int* w, int* h, int* src_x, int* src_y);
    bool VisibleOnScreen(int* x, int* y, int* w, int* h, int* src_x, int* src_y);
    void Flush();

    Display* display_ = nullptr;
    // The form's window, or another drawable (not owned) when on_window_ is false.
    Drawable target_ = 0;
    bool on_window_ = true;
    int screen_number_ = 0;
    OwnedGc gc_;
    // The font text is measured with: the shared font, or the server's default font.
    XFontStruct* font_ = nullptr;
    bool owns_font_info_ = false;
};

}  // namespace sassorbi
