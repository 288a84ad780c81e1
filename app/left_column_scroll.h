// The main dialog's left column on a window lower than the layout: the date, the input and
// the horoscope frames with everything in them. A scroll bar between the column and the sky
// view moves the column's controls up and down; a control that takes the focus is scrolled
// into view, and the wheel over the column scrolls it. The controls stay the dialog's own
// children, in their order, and the window clips them; the view and its sliders, on the
// right, never scroll.
#pragma once

#include <QObject>
#include <QPoint>

#include <utility>
#include <vector>

class QScrollBar;
class QWidget;

namespace astrivo {

class LeftColumnScroll : public QObject {
  Q_OBJECT

 public:
  // `column`: the dialog's controls that make up the column, at their places in the layout;
  // `layoutHeight`: the client height that shows the whole column. The scroll bar runs
  // down the window in the space from the column's right edge to `viewLeft`.
  LeftColumnScroll(QWidget& dialog, const std::vector<QWidget*>& column, int layoutHeight,
                   int viewLeft);

  // For a new client height: the scroll bar only while the column does not fit.
  void Fit(int clientHeight);
  QScrollBar* Bar() const { return bar_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ScrollTo(int offset);
  void Reveal(QWidget* focused);

  QWidget& dialog_;
  std::vector<std::pair<QWidget*, QPoint>> column_;  // each control and its layout place
  int layoutHeight_;
  int right_ = 0;  // the column's right edge, pixels
  QScrollBar* bar_;
};

}  // namespace astrivo
