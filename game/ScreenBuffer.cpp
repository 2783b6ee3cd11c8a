#include "game/ScreenBuffer.h"

#include <sys/ipc.h>
#include <sys/shm.h>

#include "graphics/MyImage.h"

namespace sassorbi {
namespace {

bool g_attach_failed = false;

// Only while attaching: a refused segment (a remote server, no access) means plain XPutImage.
int NoteAttachFailure(Display*, XErrorEvent*) {
    g_attach_failed = true;
    return 0;
}

bool Attach(Display* display, XShmSegmentInfo* segment) {
    g_attach_failed = false;
    XErrorHandler previous = XSetErrorHandler(NoteAttachFailure);
    const bool requested = XShmAttach(display, segment) != 0;
    XSync(display, False);
    XSetErrorHandler(previous);
    return requested && !g_attach_failed;
}

}  // namespace

ScreenBuffer::ScreenBuffer(Display* display) : display_(display) {}

std::unique_ptr<ScreenBuffer> ScreenBuffer::Create(Display* display, int screen_number, int w,
                                                   int h) {
    std::unique_ptr<ScreenBuffer> buffer(new ScreenBuffer(display));
    // The shared image keeps a pointer to its segment record: it must live in the buffer.
    buffer->shared_image_ = CreateShared(display, screen_number, w, h, &buffer->segment_);
    buffer->shared_ = buffer->shared_image_ != nullptr;
    if (!buffer->shared_) {
        buffer->client_image_ = MyImage::CreateBlankImage(display, screen_number, w, h);
    }
    buffer->image_ = buffer->shared_ ? buffer->shared_image_.get() : buffer->client_image_.get();
    return buffer->image_ != nullptr ? std::move(buffer) : nullptr;
}

ServerImage ScreenBuffer::CreateShared(Display* display, int screen_number, int w, int h,
                                       XShmSegmentInfo* segment) {
    MyImage::ProbePixelLayout(display, screen_number);
    if (!XShmQueryExtension(display)) return nullptr;
    ServerImage image(XShmCreateImage(display, DefaultVisual(display, screen_number),
                                      static_cast<unsigned>(DefaultDepth(display, screen_number)),
                                      ZPixmap, nullptr, segment, static_cast<unsigned>(w),
                                      static_cast<unsigned>(h)));
    if (image == nullptr) return nullptr;
    segment->shmid =
        shmget(IPC_PRIVATE, static_cast<size_t>(image->bytes_per_line) * h, IPC_CREAT | 0600);
    void* memory = segment->shmid >= 0 ? shmat(segment->shmid, nullptr, 0) : nullptr;
    if (memory == nullptr || memory == reinterpret_cast<void*>(-1)) {
        if (segment->shmid >= 0) shmctl(segment->shmid, IPC_RMID, nullptr);
        return nullptr;
    }
    segment->shmaddr = image->data = static_cast<char*>(memory);
    segment->readOnly = False;
    const bool attached = Attach(display, segment);
    // Marked for removal at once: the segment goes away with its last user, even after a crash.
    shmctl(segment->shmid, IPC_RMID, nullptr);
    if (attached) return image;
    shmdt(memory);
    image->data = nullptr;  // the segment's, not Xlib's to free
    return nullptr;
}

// The server lets go of the segment before it is unmapped; the image record goes with its owner.
ScreenBuffer::~ScreenBuffer() {
    if (!shared_) return;
    XShmDetach(display_, &segment_);
    XSync(display_, False);
    shmdt(segment_.shmaddr);
    shared_image_->data = nullptr;
}

// A shared put reads the segment later, in the server: the last one asks for a completion
// event, which the event loop reads long before the next frame, so waiting costs no round
// trip then.
void ScreenBuffer::Put(Drawable target, GC gc, const std::vector<Rect>& areas, Point offset) {
    for (size_t i = 0; i < areas.size(); ++i) {
        const Rect& area = areas[i];
        const auto w = static_cast<unsigned>(area.w), h = static_cast<unsigned>(area.h);
        const int x = area.x + offset.x, y = area.y + offset.y;
        if (shared_) {
            XShmPutImage(display_, target, gc, image_, area.x, area.y, x, y, w, h,
                         i + 1 == areas.size());
            pending_request_ = NextRequest(display_) - 1;
        } else {
            XPutImage(display_, target, gc, image_, area.x, area.y, x, y, w, h);
        }
    }
    if (!areas.empty()) XFlush(display_);
}

XImage* ScreenBuffer::GetImage() {
    if (pending_request_ != 0 && LastKnownRequestProcessed(display_) < pending_request_) {
        XSync(display_, False);
    }
    pending_request_ = 0;
    return image_;
}

}  // namespace sassorbi
