// Start-up timing from outside the process: with ASTRIVO_EXIT_AFTER_FIRST_FRAME set in the
// environment, the first frame on screen prints "first-frame-ns <wall-clock ns>" and ends the
// program. bench/startup/measure.sh reads it; without the variable nothing happens.
#pragma once

namespace astrivo {

// Call right after a frame has been swapped to the screen.
void NoteFramePresented();

}  // namespace astrivo
