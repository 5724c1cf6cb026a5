#pragma once
// Dialog templates as plain data: every control with its id, kind, text,
// rectangle in dialog units and styles, in template order. Template order is
// the tab order, and a radio group runs from a control marked kGroup up to the
// next one. The window layer builds the real widgets from these rows.

#include <cstdint>
#include <span>
#include <string_view>

namespace velmar::res {

enum class Kind : std::uint8_t {
    PushButton,
    RadioButton, // automatic: clicking checks it and unchecks the rest of its group
    ComboBox,    // drop-down list: a selection only, no typing
    Edit,
    Static,
    GroupBox,
    Icon, // shows icon `image`
};

// Control styles, as a bit set.
enum Style : std::uint32_t {
    kTabStop = 1u << 0,
    kGroup = 1u << 1, // first control of a radio group (and of a tab group)
    kDefaultButton = 1u << 2,
    kSorted = 1u << 3,
    kVScroll = 1u << 4,
    kRightAlign = 1u << 5,
    kAutoHScroll = 1u << 6,
    kBorder = 1u << 7,
    kNoPrefix = 1u << 8, // '&' is shown as itself, not as a mnemonic mark
};

// Window styles of a dialog.
enum DialogStyle : std::uint32_t {
    kPopup = 1u << 0,
    kVisible = 1u << 1,
    kCaption = 1u << 2,
    kSysMenu = 1u << 3,
    kModalFrame = 1u << 4,
    kSetFont = 1u << 5,
    kMinimizeBox = 1u << 6,
    kMaximizeBox = 1u << 7,
    kCentre = 1u << 8,
    kAppWindow = 1u << 9, // extended style: own taskbar button
};

struct Rect {
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
};

inline constexpr int kNoId = -1;

struct ControlTemplate {
    int id = kNoId;
    Kind kind = Kind::Static;
    std::string_view text; // UTF-8
    Rect rect;             // for a combo box the height is that of its opened list
    std::uint32_t style = 0;
    std::span<const std::string_view> items = {}; // combo items, added in this order
    int labelFor = kNoId;                         // a label names the control with this id
    int image = kNoId;                            // icon resource of an Icon control
};

struct DialogTemplate {
    int id = kNoId;
    std::string_view caption;
    Rect rect;
    std::uint32_t style = 0;
    std::string_view fontFace; // as the template names it
    int pointSize = 0;
    std::span<const ControlTemplate> controls;
};

// A 16-colour image: one character per pixel, each a key of the palette.
struct IconImage {
    int size = 0; // width and height in pixels
    std::span<const std::string_view> rows;
};

struct PaletteEntry {
    char key;
    std::uint32_t argb; // 0 alpha is transparent
};

struct IconResource {
    int id = kNoId;
    std::span<const PaletteEntry> palette;
    std::span<const IconImage> images; // largest first
};

// nullptr / empty when there is no resource with that id.
const DialogTemplate* FindDialog(int id);
std::string_view LoadString(int id);
const IconResource* FindIcon(int id);

} // namespace velmar::res
