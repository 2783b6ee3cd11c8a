#pragma once
// The option box: a whole group of mutually exclusive choices in one control, a vertical
// list of items 26 pixels apart, each with a round picture and a caption. Exactly one item,
// or none, is selected; a click, Up, Down or the space bar changes it and runs the command.

#include <string>
#include <vector>

#include "controls/ChoicePictures.h"
#include "controls/CommandElement.h"
#include "graphics/DrawnControl.h"

namespace sassorbi {

class OptionBox : public DrawnControl, public CommandElement {
public:
    // Height of one item, in pixels.
    static constexpr int kItemHeight = 26;

    explicit OptionBox(GUIElement* parent);

    // The box takes the press without raising OnMouseDown.
    void MouseDown(Point point) override;
    // Selects the item under the point (the last one below it), runs the command, OnClick.
    void Click(Point point) override;
    // Down and Up move the selection round the list; OnKeyDown is not raised.
    void KeyDown(KeySym key) override;
    // The space bar acts as Down.
    bool KeyChar(char character) override;
    void GotFocus() override;
    void LostFocus() override;
    void Paint() override;

    virtual int GetSelected() const;
    // A negative index selects item 0; an index past the last changes nothing (false).
    virtual bool SetSelected(int index);
    virtual bool RemoveItem(int index);
    virtual void AddItem(const std::string& caption, const std::string& value);
    virtual int Count() const;
    virtual std::string CaptionOf(int index) const;
    virtual std::string ValueOf(int index) const;
    // Past the last item: the last one; without items: empty.
    virtual std::string GetCaption(int index) const;
    virtual std::string GetValue(int index) const;
    virtual void RemoveNone();
    // Nothing is selected afterwards.
    virtual void Clear();
    virtual void SelectFirst();
    virtual void SetTextColour(Colour colour);

private:
    bool CanChoose() const;
    // Shows the new selection at once and runs the command; false once destroyed by it.
    bool Changed();
    void SelectNext();
    void SelectPrevious();
    static std::string ItemOf(const std::vector<std::string>& list, int index);

    std::vector<std::string> captions_;
    std::vector<std::string> values_;
    int selected_ = -1;
    Colour text_colour_ = 0x000000;
    ChoicePictures pictures_{ChoiceShape::kCircle};
};

}  // namespace sassorbi
