// A static text taken over as a link: blue underlined text, a hand cursor and a tooltip; a
// click or the space bar opens its address in the user's web browser.
#pragma once

#include <functional>

#include <QFont>
#include <QLabel>
#include <QString>

namespace astrivo {

class CHyperLink : public QLabel {
  Q_OBJECT

 public:
  static constexpr int kUnderline = 0x01;     // underline the text
  static constexpr int kSizeToText = 0x04;    // shrink the control to its caption
  static constexpr int kFocusOnPress = 0x10;  // take the keyboard focus when pressed

  using Opener = std::function<void(const QString& url)>;

  explicit CHyperLink(QWidget* parent = nullptr);

  // Takes the control over once its caption, font and place are set: an empty url becomes
  // the caption and an empty caption the url; the text is underlined and the control shrunk
  // to it, and the tooltip shows the caption.
  void Attach();
  void OpenAddress();
  // Where the focus frame goes while the link has the focus, in the parent's coordinates: a
  // ring round the control, so that it stays clear of the text and its underline. The
  // parent paints it; the control itself is only as large as its text.
  QRect FocusFrame() const;
  // Where addresses go; the real browser unless replaced (tests).
  void SetOpener(Opener opener);

  int options = kUnderline | kSizeToText | kFocusOnPress;
  QString url;

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  void SizeToText();
  void UpdateFocusFrame();

  QFont linkFont;
  Opener opener_;
  bool armed = false;     // focus gained or pressed; a release then opens the address
  bool hovering = false;  // the pointer is over the control
  // The space bar as the keyboard has it: down from a press until a release that is not
  // part of auto-repeat. X sends each repeat as a release and a press with one timestamp.
  bool spaceDown_ = false;
  quint64 spaceReleasedAt_ = 0;  // event timestamp, ms
  bool spaceReleased_ = false;
};

}  // namespace astrivo
