// A dialog layout as data: the window's title and size and its controls in tab order, all
// measured in dialog units.
#pragma once

#include <vector>

namespace astrivo {

constexpr int kNoId = -1;     // a control nothing refers to (labels, frames, pictures)
constexpr int kIdOk = 1;      // push button that runs the dialog's OK action
constexpr int kIdCancel = 2;  // push button that runs the dialog's cancel action

enum class ControlKind {
  kDropDownList,  // list only, no typing
  kRadioButton,   // checks itself when clicked; each button is its own group
  kPushButton,
  kEdit,
  kStaticText,
  kPicture,  // shows the built-in picture named in the picture column, at its natural size
  kGroupBox,
  kFrame,     // an empty bordered rectangle
  kTrackBar,  // horizontal unless kVertical
};

// Control style flags, combined with |.
enum ControlStyle : unsigned {
  kNoStyle = 0,
  kTabStop = 1u << 0,
  kDefaultButton = 1u << 1,
  kAlignRight = 1u << 2,
  kAlignCenter = 1u << 3,
  kBorder = 1u << 4,
  kSunken = 1u << 5,
  kVertical = 1u << 6,  // track bar: minimum at the top, Down and Page Down increase
  kNoTicks = 1u << 7,
  kUpperCase = 1u << 9,  // drop-down list: entries are shown in upper case
};

// Dialog style flags.
enum DialogStyle : unsigned {
  kModalFrame = 0,         // fixed size, caption and system menu
  kResizable = 1u << 0,    // sizing border
  kMinMaxBoxes = 1u << 1,  // minimize and maximize boxes
  kAppWindow = 1u << 2,    // the program's main window: a normal top-level window with
                           // its own task bar entry, not a dialog of another window
};

struct ControlTemplate {
  int id;
  ControlKind kind;
  const char* caption;      // UTF-8; & marks the mnemonic
  int picture;              // picture id for ControlKind::kPicture, else 0
  unsigned style;           // ControlStyle flags
  int x, y, width, height;  // dialog units
};

struct DialogTemplate {
  const char* title;                      // UTF-8
  int width, height;                      // dialog units, the client area
  unsigned style;                         // DialogStyle flags
  std::vector<ControlTemplate> controls;  // creation and tab order
};

}  // namespace astrivo
