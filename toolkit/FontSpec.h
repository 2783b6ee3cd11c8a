#pragma once
// The font description every element carries; the X server matches the name it builds.

#include <X11/Xlib.h>

#include <string>

namespace sassorbi {

class FontSpec {
public:
    FontSpec() = default;
    ~FontSpec();
    // A description is copied, never the loaded font: each FontSpec frees only its own.
    FontSpec(const FontSpec& other);
    FontSpec& operator=(const FontSpec& other);

    // Builds the X logical font name for the current description.
    const char* BuildFontName();
    // Frees a held font, then loads the one the description names; logs a failure.
    void LoadFont(Display* display);
    // The held font, loading it on first use; null when it cannot be loaded.
    XFontStruct* GetFont(Display* display);
    // The loaded font's ascent, else the configured size.
    int GetSizeValue() const;

    const std::string& GetFamily() const { return family_; }
    void SetFamily(const std::string& family) { family_ = family; }
    int GetSize() const { return size_; }
    void SetSize(int size) { size_ = size; }
    bool IsBold() const { return bold_; }
    void SetBold(bool bold) { bold_ = bold; }
    bool IsItalic() const { return italic_; }
    void SetItalic(bool italic) { italic_ = italic; }
    bool IsLoaded() const { return loaded_; }

private:
    void FreeFont();

    XFontStruct* font_ = nullptr;
    bool loaded_ = false;
    Display* display_ = nullptr;
    std::string family_;
    int size_ = 14;
    bool bold_ = false;
    bool italic_ = false;
    std::string name_;
};

}  // namespace sassorbi
