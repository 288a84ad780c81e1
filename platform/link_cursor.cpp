// The pointing-hand cursor of the toolkit's own set.
#include "platform/link_cursor.h"

namespace astrivo {

const QCursor& LinkCursor() {
  static const QCursor linkCursor(Qt::PointingHandCursor);
  return linkCursor;
}

}  // namespace astrivo
