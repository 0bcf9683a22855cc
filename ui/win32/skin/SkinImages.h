#pragma once
// One window's skin: its INI file in the skin folder, read once when the
// window is set up (a window reads a hundred keys), and the pictures it names.
#include <memory>
#include <string>

#include "settings/IniDocument.h"
#include "ui/core/AccessKey.h"
#include "ui/core/ButtonPos.h"
#include "ui/win32/skin/LazyPicture.h"
#include "win32/Gdi.h"

namespace mervik::ui {

struct SkinImages {
    Bitmap mask;
    Bitmap normal;
    // Read at their first use, or all at once by ReadStatePictures.
    LazyPicture over;
    LazyPicture down;
    LazyPicture disable;
    // The ring around the control with the keyboard focus (0xRRGGBB).
    uint32_t focusRgb = kDefaultFocusRgb;
    // The scale the pictures are drawn at, and the folder they come from
    // (where the pictures the program loads by fixed name are too): what
    // the controls draw over them follows the same scale.
    int scalePercent = 100;
    std::string folder;

    FocusLook Focus() const { return {focusRgb, scalePercent}; }
    // Reads the state pictures not read yet: for when the window has
    // nothing else to do, so that no hover waits for its picture.
    void ReadStatePictures() const;
};

// A window's pictures, shared by the window (its background) and its
// controls (their faces); they go when the last of them does.
using SharedSkinImages = std::shared_ptr<const SkinImages>;

// The labels and tooltips of a skin file that starts with a UTF-8 byte order
// mark are UTF-8 (a skin in a language the system's code page may lack);
// those of any other file are in the system's code page, as skins have
// always been.
class SkinFile {
public:
    // `name` is relative to the folder of the skin's variant for
    // `scalePercent`, e.g. "skin_main.ini".
    explicit SkinFile(const std::string& name, int scalePercent = 100);

    // The SCREEN section's five pictures; any that cannot be read stay empty.
    SkinImages LoadImages() const;
    int ScalePercent() const { return scalePercent_; }
    // The file name the SCREEN section gives picture `key` ("Normal").
    std::string PictureName(const char* key) const;
    // Where that picture is; empty for none.
    std::string PicturePath(const char* key) const;
    // BUTTONPOS key `key`, with its access key from the KEYBOARD section and
    // its texts as shown (UTF-8); a missing key gives an empty rectangle.
    ButtonPos Pos(int key) const;

private:
    std::string Read(const char* section, const std::string& key) const;
    int scalePercent_;
    std::string folder_;
    IniDocument ini_;
    bool utf8_ = false;
};

} // namespace mervik::ui
