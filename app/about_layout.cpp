// The About box's layout table.
#include "app/about_layout.h"

namespace astrivo {
namespace {

constexpr int kAboutPicture = 176;  // 299 x 212: title lettering over a zodiac figure

}  // namespace

const DialogTemplate& AboutLayout() {
  // clang-format off
  static const DialogTemplate layout{
      "About Astrivo", 199, 231, kModalFrame,
      {
          // id, kind, caption, picture, style, x, y, width, height (dialog units)
          {kNoId, ControlKind::StaticText, "Astrivo Version 1.1", 0, kNoStyle, 40, 5, 119, 8},
          {kIdLink, ControlKind::StaticText, kProductWebAddress, 0, kNoStyle, 60, 35, 101, 8},
          {kNoId, ControlKind::Picture, "", kAboutPicture, kNoStyle, 0, 70, 199, 130},
          {kIdOk, ControlKind::PushButton, "OK", 0, kDefaultButton | kTabStop, 75, 210, 50, 14},
      }};
  // clang-format on
  return layout;
}

}  // namespace astrivo
