// The gallery: every control of the toolkit in one window, the place to try them by hand and
// where the end-to-end tests click. It ends when its window is closed.

#include <memory>

#include "gallery/FormGallery.h"
#include "gallery/GalleryLayout.h"
#include "toolkit/Application.h"
#include "toolkit/Screen.h"

int main() {
    using namespace sassorbi;
    auto screen = std::make_unique<sassorbi::Screen>(gallery::kTitle);
    if (screen->HasError()) return 1;
    auto form = std::make_unique<FormGallery>(screen.get());
    form->Show();
    Application::Run(form.get());
    form.reset();
    screen->Close();
    return 0;
}
