#pragma once

#include <QImage>
#include <QRect>

// Pictures on the clipboard travel at their size in document pixels, so that
// other programs, and a paste, see them as large as they were on the page. A
// part copied from a fine page would come back coarse that way: the last copy
// is kept at its detail, and a paste gets it while the clipboard still holds it.
namespace LMPictureClipboard {

// Puts `picture` (its device pixel ratio its detail) on the clipboard;
// `from` is where on the page it was copied, when it was.
void copy(const QImage &picture, const QRect &from = QRect());

// The clipboard's picture: Lumetra's last copy at its detail when the
// clipboard still holds it, else what is there (null for none). `from` gets
// the place the last copy came from while the clipboard holds it, else null.
QImage picture(QRect *from = nullptr);

} // namespace LMPictureClipboard
