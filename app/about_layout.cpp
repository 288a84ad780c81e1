// The About box's layout table.
#include "app/about_layout.h"

#include <string>

#include "astrivo/build_facts.h"
#include "res/picture_ids.h"

namespace astrivo {
namespace {}  // namespace

const DialogTemplate& AboutLayout() {
  static const std::string versionLine = std::string("Astrivo Version ") + kVersion;
  // clang-format off
  static const DialogTemplate layout{
      "About Astrivo", 199, 231, kModalFrame,
      {
          // id, kind, caption, picture, style, x, y, width, height (dialog units)
          {kNoId, ControlKind::kStaticText, versionLine.c_str(), 0, kNoStyle, 40, 5, 119, 8},
          {kIdLink, ControlKind::kStaticText, kProductWebAddress, 0, kNoStyle, 60, 35, 101, 8},
          {kNoId, ControlKind::kPicture, "", kAboutPicture, kNoStyle, 0, 70, 199, 130},
          {kIdOk, ControlKind::kPushButton, "OK", 0, kDefaultButton | kTabStop, 75, 210, 50, 14},
      }};
  // clang-format on
  return layout;
}

}  // namespace astrivo
