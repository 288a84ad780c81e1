// A debug-build guard that stops at the first GL error, so a draw routine that leaves a
// slip behind is caught where it happens rather than frames later.
#pragma once

namespace astrivo {

// In builds without NDEBUG, asserts that the context reports no error, naming `where`.
// Release builds compile it to nothing.
void CheckGlErrors(const char* where);

}  // namespace astrivo
