#pragma once

#include <QImage>

// Pictures on the clipboard travel at their size in document pixels, so that
// other programs, and a paste, see them as large as they were on the page. A
// part copied from a fine page would come back coarse that way: the last copy
// is kept at its detail, and a paste gets it while the clipboard still holds it.
namespace LMPictureClipboard {

// Puts `picture` (its device pixel ratio its detail) on the clipboard.
void copy(const QImage &picture);

// The clipboard's picture: Lumetra's last copy at its detail when the
// clipboard still holds it, else what is there (null for none).
QImage picture();

} // namespace LMPictureClipboard
