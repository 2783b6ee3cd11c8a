#pragma once
// What the controls that show pictures share: they take their id and tag at creation, paint
// when shown, erase themselves in their parent's colour when hidden, and are erased and drawn
// again when moved or resized.

#include "toolkit/Child.h"

namespace sassorbi {

class PictureControl : public Child {
public:
    void Create() override;
    void Show() override;
    void ShowMapped() override;
    void SetSize(int width, int height) override;
    void SetLocation(int x, int y) override;
    void Hide() override;
};

}  // namespace sassorbi
