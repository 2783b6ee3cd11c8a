#pragma once
// The game's frame shown larger than it is drawn. The frame, at its own size, lives in a
// pixmap on the server: the composed picture is copied into it (through MIT-SHM where the
// picture is shared) and anything drawn by the server goes into it too. Areas of it are then
// scaled by a whole factor onto the window at an offset, with black borders around it when
// the window is larger (full screen). The X server does the scaling with the RENDER
// extension, a picture transform with the nearest filter (RenderScaler); a server without it
// gets every pixel repeated factor x factor times in client memory and put (ClientScaler).

#include <X11/Xlib.h>

#include <memory>
#include <vector>

#include "game/DamageRegion.h"
#include "game/FramePlacement.h"
#include "graphics/XOwners.h"
#include "toolkit/Geometry.h"

namespace sassorbi {

class ScreenBuffer;

class FrameScaler {
public:
    // A scaler onto the window for a frame of the given size, by RENDER where the server has
    // it; null when the server cannot hold the frame.
    static std::unique_ptr<FrameScaler> Create(Display* display, int screen_number, Window window,
                                               Size frame);
    virtual ~FrameScaler() = default;
    FrameScaler(const FrameScaler&) = delete;
    FrameScaler& operator=(const FrameScaler&) = delete;

    // The frame at its own size: drawing here reaches the window through ShowArea.
    Pixmap GetFrame() const { return frame_.Get(); }
    Size GetFrameSize() const { return frame_size_; }
    const FramePlacement& GetPlacement() const { return placement_; }
    virtual bool UsesRender() const = 0;

    // Takes effect with the next show; ShowAll paints the new borders.
    void SetPlacement(const FramePlacement& placement);
    // Copies the areas of the composed picture into the frame and shows them scaled.
    void ShowPicture(ScreenBuffer* picture, const std::vector<Rect>& areas);
    // Shows an area of the frame scaled, after something was drawn into it.
    void ShowArea(const Rect& area);
    // The whole frame and the black borders around it (after an expose or a new placement).
    void ShowAll();

protected:
    FrameScaler(Display* display, int screen_number, Window window, Size frame);
    bool HasFrame() const { return frame_ && gc_; }
    // Scales an area of the frame onto the window. The caller may pass the picture the frame
    // was just copied from, the same pixels in client memory.
    virtual void Scale(const Rect& area, ScreenBuffer* picture) = 0;
    virtual void OnPlacementChanged() {}
    // The area of the window that an area of the frame covers.
    Rect OnWindow(const Rect& area) const;

    Display* display_;
    int screen_number_;
    Window window_;
    Size frame_size_;
    OwnedPixmap frame_;
    OwnedGc gc_;
    FramePlacement placement_;

private:
    void PaintBorders();
    // The area clipped to the frame; empty when nothing of it is inside.
    Rect InsideFrame(const Rect& area) const;
};

}  // namespace sassorbi
