// The hand cursor that links show, made once and shared by every link of the process.
#pragma once

#include <QCursor>

namespace astrivo {

const QCursor& LinkCursor();

}  // namespace astrivo
