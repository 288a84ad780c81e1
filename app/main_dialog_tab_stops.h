// Keyboard reach in the main dialog beyond its layout's tab stops.
#pragma once

namespace astrivo {

class Dialog;

// After the layout's stops (tilt slider, the three fields, Submit), Tab reaches the four
// period buttons, then the sign list, then the heading slider, so that a keyboard alone can
// work every control. The first stop, where the focus starts, stays the tilt slider.
void AddKeyboardStops(Dialog& dialog);

}  // namespace astrivo
