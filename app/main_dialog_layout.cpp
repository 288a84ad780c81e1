// The main dialog's layout table.
#include "app/main_dialog_layout.h"

#include "res/picture_ids.h"

namespace astrivo {
namespace {

// Pictures beside the frames.

using K = ControlKind;

}  // namespace

const DialogTemplate& MainDialogLayout() {
  // clang-format off
  static const DialogTemplate layout{
      "Astrivo", 642, 359, kResizable | kMinMaxBoxes | kAppWindow,
      {
          // id, kind, caption, picture, style, x, y, width, height (dialog units)
          {kIdSignList, K::kDropDownList, "", 0, kUpperCase, 156, 140, 85, 140},
          {kIdToday, K::kRadioButton, "&Today", 0, kNoStyle, 20, 140, 50, 10},
          {kIdThisWeek, K::kRadioButton, "This &Week", 0, kNoStyle, 85, 140, 50, 10},
          {kIdThisMonth, K::kRadioButton, "This &Month", 0, kNoStyle, 85, 155, 50, 11},
          {kNoId, K::kPicture, "", kFortunePicture, kSunken | kBorder, 30, 195, 26, 24},
          {kNoId, K::kPicture, "", kRomancePicture, kSunken | kBorder, 30, 251, 26, 24},
          {kNoId, K::kPicture, "", kWealthPicture, kSunken | kBorder, 30, 306, 26, 24},
          {kIdTomorrow, K::kRadioButton, "T&omorrow", 0, kNoStyle, 20, 155, 50, 10},
          {kIdDateBanner, K::kGroupBox, "Date", 0, kNoStyle, 10, 5, 240, 15},
          {kIdLuckBar, K::kGroupBox, "Luck", 0, kNoStyle, 65, 200, 160, 15},
          {kIdLoveBar, K::kGroupBox, "Love", 0, kNoStyle, 65, 255, 160, 15},
          {kIdMoneyBar, K::kGroupBox, "Money", 0, kNoStyle, 65, 310, 160, 14},
          {kIdSkyView, K::kFrame, "", 0, kSunken | kBorder, 285, 5, 305, 280},
          {kIdHeadingSlider, K::kTrackBar, "", 0, kNoTicks | kBorder, 285, 290, 305, 17},
          {kIdTiltSlider, K::kTrackBar, "", 0, kVertical | kNoTicks | kBorder | kTabStop,
           595, 5, 19, 280},
          {kNoId, K::kPicture, "", kInputPicture, kSunken, 195, 30, 51, 58},
          {kIdTraceMonth, K::kStaticText, "MM", 0, kAlignRight, 85, 70, 25, 10},
          {kIdTraceDay, K::kStaticText, "DD", 0, kAlignRight, 119, 70, 19, 10},
          {kIdTraceYear, K::kStaticText, "YY", 0, kAlignRight, 149, 70, 19, 10},
          {kNoId, K::kStaticText, "Birth Date:", 0, kNoStyle, 25, 55, 35, 8},
          {kNoId, K::kStaticText, "Month", 0, kAlignRight, 85, 35, 25, 8},
          {kNoId, K::kStaticText, "Day", 0, kAlignRight, 115, 35, 25, 10},
          {kNoId, K::kStaticText, "Year", 0, kAlignRight, 149, 35, 20, 8},
          {kIdBirthMonth, K::kEdit, "", 0, kAlignRight | kBorder | kTabStop, 85, 50, 25, 14},
          {kIdBirthDay, K::kEdit, "", 0, kAlignRight | kBorder | kTabStop, 115, 50, 25, 14},
          {kIdBirthYear, K::kEdit, "", 0, kAlignRight | kBorder | kTabStop, 145, 50, 25, 14},
          {kIdSubmit, K::kPushButton, "&Submit", 0, kTabStop, 20, 85, 155, 14},
          {kNoId, K::kGroupBox, "Horoscope", 0, kNoStyle, 10, 120, 240, 230},
          {kNoId, K::kGroupBox, "Input", 0, kNoStyle, 10, 25, 175, 85},
          {kNoId, K::kStaticText, "Trace Date:", 0, kNoStyle, 25, 70, 44, 8},
          {kNoId, K::kGroupBox, "Wealth", 0, kNoStyle, 20, 291, 220, 50},
          {kNoId, K::kGroupBox, "Romance", 0, kNoStyle, 20, 235, 220, 50},
          {kNoId, K::kGroupBox, "Fortune", 0, kNoStyle, 20, 180, 220, 50},
      }};
  // clang-format on
  return layout;
}

}  // namespace astrivo
