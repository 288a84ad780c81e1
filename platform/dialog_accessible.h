// How assistive technology reads a dialog: its controls in the dialog's reading order, which
// differs from the stacking order, and the program's own window as a window, not a dialog.
#pragma once

namespace astrivo {

// Makes every Dialog report itself this way; installed once, by the first dialog.
void InstallDialogAccessible();

}  // namespace astrivo
