// The main dialog's layout table.
#include "app/main_dialog_layout.h"

namespace astrivo {
namespace {

// Pictures beside the frames.
constexpr int kFortunePicture = 144;  // 35 x 35
constexpr int kRomancePicture = 143;  // 35 x 35
constexpr int kWealthPicture = 142;   // 35 x 35
constexpr int kInputPicture = 165;    // 75 x 93

using K = ControlKind;

}  // namespace

const DialogTemplate& MainDialogLayout() {
  // clang-format off
  static const DialogTemplate layout{
      "Astrivo", 642, 359, kResizable | kMinMaxBoxes | kAppWindow,
      {
          // id, kind, caption, picture, style, x, y, width, height (dialog units)
          {kIdSignList, K::DropDownList, "", 0, kUpperCase | kVScroll, 156, 140, 85, 140},
          {kIdToday, K::RadioButton, "&Today", 0, kNoStyle, 20, 140, 50, 10},
          {kIdThisWeek, K::RadioButton, "This &Week", 0, kNoStyle, 85, 140, 50, 10},
          {kIdThisMonth, K::RadioButton, "This &Month", 0, kNoStyle, 85, 155, 50, 11},
          {kNoId, K::Picture, "", kFortunePicture, kSunken | kBorder, 30, 195, 26, 24},
          {kNoId, K::Picture, "", kRomancePicture, kSunken | kBorder, 30, 251, 26, 24},
          {kNoId, K::Picture, "", kWealthPicture, kSunken | kBorder, 30, 306, 26, 24},
          {kIdTomorrow, K::RadioButton, "T&omorrow", 0, kNoStyle, 20, 155, 50, 10},
          {kIdDateBanner, K::GroupBox, "Date", 0, kNoStyle, 10, 5, 240, 15},
          {kIdLuckBar, K::GroupBox, "Luck", 0, kNoStyle, 65, 200, 160, 15},
          {kIdLoveBar, K::GroupBox, "Love", 0, kNoStyle, 65, 255, 160, 15},
          {kIdMoneyBar, K::GroupBox, "Money", 0, kNoStyle, 65, 310, 160, 14},
          {kIdSkyView, K::Frame, "", 0, kSunken | kBorder, 285, 5, 305, 280},
          {kIdHeadingSlider, K::TrackBar, "", 0, kNoTicks | kBorder, 285, 290, 305, 17},
          {kIdTiltSlider, K::TrackBar, "", 0, kVertical | kNoTicks | kBorder | kTabStop,
           595, 5, 19, 280},
          {kNoId, K::Picture, "", kInputPicture, kSunken, 195, 30, 51, 58},
          {kIdTraceMonth, K::StaticText, "MM", 0, kAlignRight, 85, 70, 25, 10},
          {kIdTraceDay, K::StaticText, "DD", 0, kAlignRight, 119, 70, 19, 10},
          {kIdTraceYear, K::StaticText, "YY", 0, kAlignRight, 149, 70, 19, 10},
          {kNoId, K::StaticText, "Birth Date:", 0, kNoStyle, 25, 55, 35, 8},
          {kNoId, K::StaticText, "Month", 0, kAlignRight, 85, 35, 25, 8},
          {kNoId, K::StaticText, "Day", 0, kAlignRight, 115, 35, 25, 10},
          {kNoId, K::StaticText, "Year", 0, kAlignRight, 149, 35, 20, 8},
          {kIdBirthMonth, K::Edit, "", 0, kAlignRight | kBorder | kTabStop, 85, 50, 25, 14},
          {kIdBirthDay, K::Edit, "", 0, kAlignRight | kBorder | kTabStop, 115, 50, 25, 14},
          {kIdBirthYear, K::Edit, "", 0, kAlignRight | kBorder | kTabStop, 145, 50, 25, 14},
          {kIdSubmit, K::PushButton, "&Submit", 0, kTabStop, 20, 85, 155, 14},
          {kNoId, K::GroupBox, "Horoscope", 0, kNoStyle, 10, 120, 240, 230},
          {kNoId, K::GroupBox, "Input", 0, kNoStyle, 10, 25, 175, 85},
          {kNoId, K::StaticText, "Trace Date:", 0, kNoStyle, 25, 70, 44, 8},
          {kNoId, K::GroupBox, "Wealth", 0, kNoStyle, 20, 291, 220, 50},
          {kNoId, K::GroupBox, "Romance", 0, kNoStyle, 20, 235, 220, 50},
          {kNoId, K::GroupBox, "Fortune", 0, kNoStyle, 20, 180, 220, 50},
      }};
  // clang-format on
  return layout;
}

}  // namespace astrivo
