#include "graphics/Graphics.h"

#include "util/Log.h"
#include "graphics/SharedFont.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Screen.h"

namespace sassorbi {
namespace {

Form* MainForm() {
    const auto& forms = Application::GetForms();
    return forms.empty() ? nullptr : static_cast<Form*>(forms.front());
}

unsigned Extent(int value) {
    return value > 0 ? static_cast<unsigned>(value) : 0;
}

}  // namespace

Graphics::Graphics(Form* form) {
    if (form == nullptr) form = MainForm();
    CreateContext(form, form != nullptr ? form->GetWindow() : 0);
}

Graphics::Graphics(Form* form, Drawable target) {
    on_window_ = form != nullptr && target == form->GetWindow();
    CreateContext(form, target);
}

void Graphics::CreateContext(Form* form, Drawable target) {
    if (form != nullptr && form->GetDisplay() != nullptr) {
        display_ = form->GetDisplay();
        target_ = target;
        screen_number_ = form->GetScreen()->GetScreenNumber();
        // Without a window yet the context can still measure text; it draws nothing.
        const Drawable on = target_ != 0 ? target_ : RootWindow(display_, screen_number_);
        XGCValues values{};
        gc_ = OwnedGc(display_, on, GCCapStyle | GCJoinStyle, &values);
    }
    if (!gc_) {
        WriteLog("Errore nella creazione del GC");
        return;
    }
    XSetForeground(display_, gc_.Get(), WhitePixel(display_, screen_number_));
    XSetBackground(display_, gc_.Get(), BlackPixel(display_, screen_number_));
    XSetFillStyle(display_, gc_.Get(), FillSolid);
    SetDefaultLineAttributes();
    font_ = SharedFont(display_);
    if (font_ != nullptr) {
        XSetFont(display_, gc_.Get(), font_->fid);
    } else {
        // Keep the server's default font in the context and measure with it.
        font_ = XQueryFont(display_, XGContextFromGC(gc_.Get()));
        owns_font_info_ = font_ != nullptr;
    }
}

Graphics::~Graphics() {
    if (owns_font_info_) XFreeFontInfo(nullptr, font_, 1);
}

bool Graphics::CanDraw() const {
    return gc_ && target_ != 0;
}

void Graphics::SetForeground(Colour colour) {
    if (colour != kNoColour)
        XSetForeground(display_, gc_.Get(), static_cast<unsigned long>(colour));
}

void Graphics::SetBackground(Colour colour) {
    if (colour != kNoColour)
        XSetBackground(display_, gc_.Get(), static_cast<unsigned long>(colour));
}

void Graphics::SetDefaultLineAttributes() {
    XSetLineAttributes(display_, gc_.Get(), 1, LineSolid, CapRound, JoinRound);
}

void Graphics::Flush() {
    XFlush(display_);
}

void Graphics::DrawPoint(int x, int y, Colour colour) {
    if (!CanDraw()) return;
    SetForeground(colour);
    XDrawPoint(display_, target_, gc_.Get(), x, y);
    Flush();
}

void Graphics::DrawLine(int x1, int y1, int x2, int y2, Colour colour) {
    if (!CanDraw()) return;
    SetForeground(colour);
    XDrawLine(display_, target_, gc_.Get(), x1, y1, x2, y2);
    Flush();
}

void Graphics::DrawLine(int x1, int y1, int x2, int y2, int style, Colour colour) {
    if (!CanDraw()) return;
    const bool dashed = style == 1 || style == 2;
    if (dashed) {
        XSetLineAttributes(display_, gc_.Get(), 1, style == 1 ? LineOnOffDash : LineDoubleDash,
                           CapRound, JoinRound);
    }
    DrawLine(x1, y1, x2, y2, colour);
    if (dashed) SetDefaultLineAttributes();
}

void Graphics::DrawLines(XPoint* points, int count, Colour colour) {
    if (!CanDraw() || points == nullptr || count <= 0) return;
    SetForeground(colour);
    XDrawLines(display_, target_, gc_.Get(), points, count, CoordModeOrigin);
    Flush();
}

void Graphics::FillPolygon(XPoint* points, int count, int border_width, Colour border,
                           Colour fill) {
    if (!CanDraw() || points == nullptr || count <= 0) return;
    SetForeground(fill);
    XFillPolygon(display_, target_, gc_.Get(), points, count, Complex, CoordModeOrigin);
    if (border_width > 0) DrawLines(points, count, border);
    Flush();
}

void Graphics::DrawRectangle(int x, int y, int w, int h, int line_width, Colour colour) {
    if (!CanDraw() || w < 1 || h < 1) return;
    SetForeground(colour);
    if (line_width > 1) {
        XSetLineAttributes(display_, gc_.Get(), static_cast<unsigned>(line_width), LineSolid,
                           CapRound, JoinRound);
    }
    XDrawRectangle(display_, target_, gc_.Get(), x, y, Extent(w - 1), Extent(h - 1));
    if (line_width > 1) SetDefaultLineAttributes();
    Flush();
}

void Graphics::FillRectangle(int x, int y, int w, int h, int border_width, Colour border,
                             Colour fill) {
    if (!CanDraw()) return;
    SetForeground(fill);
    if (w > 1 && h > 1)
        XFillRectangle(display_, target_, gc_.Get(), x, y, Extent(w - 1), Extent(h - 1));
    if (border_width > 0) DrawRectangle(x, y, w - 1, h - 1, border_width, border);
    Flush();
}

void Graphics::DrawEllipse(int x, int y, int w, int h, Colour colour) {
    if (!CanDraw()) return;
    SetForeground(colour);
    XSetArcMode(display_, gc_.Get(), ArcPieSlice);
    XDrawArc(display_, target_, gc_.Get(), x, y, Extent(w), Extent(h), 0, 360 * 64);
    Flush();
}

void Graphics::FillEllipse(int x, int y, int w, int h, int border_width, Colour border,
                           Colour fill) {
    if (!CanDraw()) return;
    SetForeground(fill);
    XSetArcMode(display_, gc_.Get(), ArcPieSlice);
    XFillArc(display_, target_, gc_.Get(), x, y, Extent(w), Extent(h), 0, 360 * 64);
    if (border_width > 0) DrawEllipse(x, y, w, h, border);
    Flush();
}

}  // namespace sassorbi
