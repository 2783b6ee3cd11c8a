#pragma once
// A drawing context: an X graphics context bound to one form's window, with immediate-mode
// primitives. Controls make one per paint; the game form keeps one for its whole life.
// Every primitive goes straight to the window and is flushed. Colours are 0xRRGGBB pixel
// values; kNoColour (-1) keeps the context's current colour.

#include <X11/Xlib.h>

#include <string>

#include "toolkit/Geometry.h"

namespace sassorbi {

class Form;
class GUIElement;

class Graphics {
public:
    // A null form means the main form (the first one registered).
    explicit Graphics(Form* form);
    ~Graphics();
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    bool HasContext() const { return gc_ != nullptr; }
    // For code that puts pictures itself (the game's screen buffer).
    GC GetContext() const { return gc_; }

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

    int TextHeight() const;
    int MaxCharWidth() const;
    int TextWidth(const std::string& text) const;
    static int EstimateTextWidth(const std::string& text);

    void PutImage(int x, int y, XImage* image);
    // w or h 0 means the image's own width or height.
    void PutImage(int x, int y, int w, int h, XImage* image);
    void PutImage(int x, int y, int w, int h, XImage* image, int src_x, int src_y);
    // Colour-key copies: pixels of the key colour let the window's content show through.
    // The caller's image is never changed.
    void PutImageTransparent(int x, int y, int w, int h, XImage* image, Colour key = 0);
    void PutSubImageTransparent(int x, int y, int w, int h, XImage* image, int src_x, int src_y,
                                Colour key = 0);
    // The window area as a client image the caller frees with XDestroyImage; null when the
    // area is not wholly visible on the screen.
    XImage* GetImage(int x, int y, int w, int h);

    // A pixmap on the element's form holding the whole image; the caller frees it.
    static Pixmap CreatePixmapFromImage(GUIElement* element, XImage* image);

private:
    // Drawing needs a context and a window; measuring needs only the context.
    bool CanDraw() const;
    void SetForeground(Colour colour);
    void SetBackground(Colour colour);
    void SetDefaultLineAttributes();
    void DrawTextLines(int x, int y, int w, int h, std::string text, Colour fg, Colour bg,
                       int align);
    int LineHeight() const;
    int AlignedX(int x, int w, const std::string& line, int align) const;
    void DrawString(int x, int baseline, const std::string& text);
    bool VisibleArea(int* x, int* y, int* w, int* h, int* src_x, int* src_y);
    void Flush();

    Display* display_ = nullptr;
    Window window_ = 0;
    int screen_number_ = 0;
    GC gc_ = nullptr;
    // The font text is measured with: the shared font, or the server's default font.
    XFontStruct* font_ = nullptr;
    bool owns_font_info_ = false;
};

}  // namespace sassorbi
