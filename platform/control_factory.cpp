// The standard controls of dialog layouts, each set up with the look and the behaviour the
// program's dialogs expect of that kind of control.
#include "platform/control_factory.h"

#include <algorithm>

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include "platform/auto_radio_button.h"
#include "platform/drop_down_list.h"
#include "platform/group_box.h"
#include "platform/picture_store.h"
#include "platform/push_button.h"
#include "platform/track_bar.h"

namespace astrivo {
namespace {

constexpr int kTrackBarPageFraction = 5;   // a page is a fifth of a track bar's range
constexpr int kDropDownVisibleItems = 12;  // rows an open list shows: all twelve signs at once

bool Has(const ControlTemplate& control, unsigned style) { return (control.style & style) != 0; }

QWidget* CreateTrackBar(const ControlTemplate& control, QWidget* parent) {
  auto* slider = new TrackBar(Has(control, kVertical) ? Qt::Vertical : Qt::Horizontal, parent);
  slider->setTickPosition(Has(control, kNoTicks) ? QSlider::NoTicks : QSlider::TicksBelow);
  // A vertical track bar has its minimum at the top.
  if (Has(control, kVertical)) slider->setInvertedAppearance(true);
  QObject::connect(slider, &QAbstractSlider::rangeChanged, slider, [slider](int min, int max) {
    slider->setPageStep(std::max(1, (max - min) / kTrackBarPageFraction));
  });
  return slider;
}

QWidget* CreatePicture(const ControlTemplate& control, QWidget* parent) {
  auto* label = new QLabel(parent);
  if (Has(control, kSunken) && Has(control, kBorder)) {
    label->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  } else if (Has(control, kSunken)) {
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  } else if (Has(control, kBorder)) {
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
  }
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  const QImage image = PictureImage(control.picture);
  if (!image.isNull()) label->setPixmap(QPixmap::fromImage(image));
  return label;
}

QWidget* CreateFrame(const ControlTemplate& control, QWidget* parent) {
  auto* frame = new QFrame(parent);
  frame->setFrameStyle(Has(control, kSunken) ? (QFrame::WinPanel | QFrame::Sunken)
                                             : (QFrame::Box | QFrame::Plain));
  return frame;
}

}  // namespace

Qt::Alignment TextAlignment(const ControlTemplate& control) {
  if (Has(control, kAlignRight)) return Qt::AlignRight | Qt::AlignTop;
  if (Has(control, kAlignCenter)) return Qt::AlignHCenter | Qt::AlignTop;
  return Qt::AlignLeft | Qt::AlignTop;
}

QString PlainCaption(const char* caption) {
  const QString text = QString::fromUtf8(caption);
  QString plain;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'&' && i + 1 < text.size()) ++i;
    plain += text[i];
  }
  return plain;
}

QWidget* CreateStandardControl(const ControlTemplate& control, QWidget* parent) {
  const QString caption = QString::fromUtf8(control.caption);
  QWidget* widget = nullptr;
  switch (control.kind) {
    case ControlKind::kDropDownList: {
      auto* list = new DropDownList(parent);
      list->setEditable(false);
      list->setMaxVisibleItems(kDropDownVisibleItems);
      if (Has(control, kUpperCase)) {
        QObject::connect(list->model(), &QAbstractItemModel::rowsInserted, list,
                         [list](const QModelIndex&, int first, int last) {
                           for (int row = first; row <= last; ++row) {
                             list->setItemText(row, list->itemText(row).toUpper());
                           }
                         });
      }
      widget = list;
      break;
    }
    case ControlKind::kRadioButton:
      widget = new AutoRadioButton(caption, parent);
      break;
    case ControlKind::kPushButton: {
      auto* button = new PushButton(caption, parent);
      button->setDefault(Has(control, kDefaultButton));
      widget = button;
      break;
    }
    case ControlKind::kEdit: {
      auto* edit = new QLineEdit(parent);
      edit->setAlignment((TextAlignment(control) & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter);
      edit->setFrame(Has(control, kBorder));
      widget = edit;
      break;
    }
    case ControlKind::kStaticText: {
      auto* label = new QLabel(caption, parent);
      // Captions are plain text; an address or a name must never be read as markup.
      label->setTextFormat(Qt::PlainText);
      label->setAlignment(TextAlignment(control));
      widget = label;
      break;
    }
    case ControlKind::kPicture:
      widget = CreatePicture(control, parent);
      break;
    case ControlKind::kGroupBox:
      widget = new GroupBox(caption, parent);
      // A group box only frames its neighbours and takes no mouse input: a click on its frame
      // or inside it goes to the dialog beneath.
      widget->setAttribute(Qt::WA_TransparentForMouseEvents);
      break;
    case ControlKind::kFrame:
      widget = CreateFrame(control, parent);
      break;
    case ControlKind::kTrackBar:
      widget = CreateTrackBar(control, parent);
      break;
  }
  if (widget == nullptr) widget = new QWidget(parent);

  const bool takesInput =
      control.kind == ControlKind::kDropDownList || control.kind == ControlKind::kRadioButton ||
      control.kind == ControlKind::kPushButton || control.kind == ControlKind::kEdit ||
      control.kind == ControlKind::kTrackBar;
  if (takesInput) {
    widget->setFocusPolicy(Has(control, kTabStop) ? Qt::StrongFocus : Qt::ClickFocus);
  } else {
    widget->setFocusPolicy(Qt::NoFocus);
  }
  return widget;
}

}  // namespace astrivo
