#pragma once
// A form for games: full-window pictures and moving sprites at a fixed pace.
//
// Three pictures of the client size live in client memory: the pure background, the static
// layer (background plus diamonds, text and anything drawn to stay) and the screen buffer
// (static layer plus the moving sprites), which reaches the window. A 10 ms frame timer
// calls OnUserMessage; a frame is composed every sixth tick. Every write into the pictures
// adds its rectangle to the damage, and a frame restores, redraws and sends only the damage
// (the whole window after an Expose or a new background). A game derives from
// FormGames and overrides its hooks, above all RunApp, which runs on the first paint, once
// drawing is possible. Start reading at the constructor and OnUserMessage.
//
// The window may show the frame larger than it is composed (a whole scale factor, or the
// largest that fits a full-screen window, F11): a FrameScaler then holds the frame on the
// server and the drawing context draws into it. The game's logic, sizes and coordinates stay
// those of the frame (FormGamesPresent.cpp).

#include <X11/Xlib.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "game/DamageRegion.h"
#include "game/FrameScaler.h"
#include "game/FrameSprites.h"
#include "game/ScreenBuffer.h"
#include "graphics/Graphics.h"
#include "graphics/MyImage.h"
#include "toolkit/Form.h"
#include "toolkit/Timer.h"

namespace sassorbi {

class Screen;
class Sprite;

class FormGames : public Form {
public:
    // Which picture a restore copies from: the pure background (into both layers) or the
    // static layer (into the screen buffer).
    enum class RestoreFrom { kBackground, kStaticLayer };

    FormGames(Screen* screen, const std::string& title);
    // A frame of width x height, shown `scale` times larger.
    FormGames(Screen* screen, const std::string& title, int width, int height, int scale = 1);
    ~FormGames() override;

    // The hooks a game overrides.
    virtual void RunApp();
    virtual void NewGame();
    virtual void CreateFrameTimer();
    virtual bool QueryCloseHook();
    virtual void ResizeHook();
    virtual void RenderFrame();
    virtual bool KeyCharHook(char character);
    virtual void KeyDownHook(KeySym key);
    virtual void KeyUpHook(KeySym key);
    virtual void UserHook();
    virtual void ClickHook();
    virtual void MouseDownHook();

    void Paint() override;
    void OnUserMessage() override;
    void SpareHook2() override;
    void OnFocusOut() override;
    // The scaled presentation goes first: it draws on the window.
    void DestroyWindow() override;
    // The presentation follows every new size of the window.
    void SetBounds(int x, int y, int width, int height) override;

    // Pictures; all of them need the drawing context, which exists from RunApp on.
    void RenderSfondo(const std::string& path);
    void RenderSfondo();
    void RipristinaSfondo(int x, int y, int w, int h, RestoreFrom from);
    void RenderImage(XImage* image, int x, int y, int x0, int y0, int x1, int y1, bool to_static,
                     bool transparent);
    void RenderImage(XImage* image, int x, int y, int w, int h, bool to_static, bool transparent);
    void RenderText(int x, int y, int w, int h, const std::string& text, Colour colour, int align);
    void RenderText(int x, int y, const std::string& text, Colour colour);
    void RenderRect(int x, int y, int w, int h, Colour colour);
    // Reads a picture file of w x h into out; false (and a log line) when it cannot.
    bool LoadImageFile(const std::string& path, int w, int h, ClientImage* out, int64_t* size);

    // Keyboard: the arrows share their state with "a", "d", "w" and "x".
    bool IsKeyDown(KeySym key) const;
    void ClearKeys();

    // The sprites drawn in full-redraw mode, in creation order; not owned.
    void AddSprite(Sprite* sprite);
    void ClearSprites();
    void RemoveSprite(Sprite* sprite);
    size_t SpriteCount() const { return sprites_.size(); }
    Sprite* SpriteAt(size_t index) const { return sprites_.at(index); }

    Graphics* GetGraphics() const { return graphics_.get(); }
    // The size the game composes and reasons in, whatever the window's size on screen.
    Size GetFrameSize() const { return frame_size_; }
    // Null while the window shows the frame at its own size.
    FrameScaler* GetScaler() const { return scaler_.get(); }
    XImage* GetBackground() const { return background_.get(); }
    XImage* GetStaticLayer() const { return static_layer_.get(); }
    XImage* GetScreenBufferImage() const;
    ScreenBuffer* GetScreenBuffer() const { return screen_buffer_.get(); }
    Timer* GetFrameTimer() const { return frame_timer_.get(); }
    bool IsFullRedraw() const { return full_redraw_; }
    void SetFullRedraw(bool full);
    // Every frame restores, redraws and sends the whole window, whatever changed: the
    // reference that tests and measurements hold the damaged frames against.
    void SetFullFrames(bool full) { full_frames_ = full; }

    int GetLevel() const { return level_; }
    int GetLives() const { return lives_; }
    int GetScore() const { return score_; }

protected:
    int level_ = 1;
    int lives_ = 3;
    int score_ = 0;
    OwnedPixmap hud_pixmap_;

private:
    void Initialise(Screen* screen, const std::string& title, Size frame, int scale);
    void InstallHooks();
    void FreePictures();
    bool HasGraphics(const char* message) const;
    void CopyWindowAreaIntoLayers(int x, int y, int w, int h, bool transparent);
    void DamageWindowDrawing(int64_t left, int64_t top, int64_t right, int64_t bottom);
    void RecordSprites();
    // The presentation: a scaler when the window does not show the frame as it is.
    void UpdatePresentation();
    // False (and a log line) when the server cannot hold the frame.
    bool StartScaler();
    void PresentFrame(const std::vector<Rect>& areas);
    // What the drawing context drew into the frame reaches a scaled window.
    void ShowDrawn(int x, int y, int w, int h);
    void FullScreenKey(KeySym key, bool down);
    static int KeyIndex(KeySym key);

    bool full_redraw_ = false;
    bool full_frames_ = false;
    // What the next frame must restore and send, and the moving sprites of the last one.
    DamageRegion damage_;
    FrameSprites frame_sprites_;
    ClientImage background_;
    ClientImage static_layer_;
    std::unique_ptr<ScreenBuffer> screen_buffer_;
    std::array<uint8_t, 256> key_state_{};
    bool single_key_ = true;
    std::unique_ptr<Timer> frame_timer_;
    bool busy_ = false;
    std::vector<Sprite*> sprites_;
    std::unique_ptr<Graphics> graphics_;
    Size frame_size_;
    std::unique_ptr<FrameScaler> scaler_;
    // The window size the presentation was placed for.
    Size presented_size_;
    // F11 toggles once per press, not at every auto-repeat.
    bool full_screen_key_held_ = false;
    // Frame pacing: milliseconds counted towards the next frame, and the re-entrancy guard.
    int frame_accumulator_ = 0;
    bool in_tick_ = false;
};

}  // namespace sassorbi
