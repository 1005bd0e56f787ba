#pragma once

class QWidget;

// Shows the program's first window without Qt's image format plugins.
//
// Qt's image reader asks every format plugin about every file it opens, even
// a PNG it reads itself, and so loads them all, with their libraries, for the
// window's first button picture. The window's own pictures are all PNG: the
// plugins are left out while it is polished and shown, and are back when this
// returns, before any file of the user's is read.
void lmShowFirstWindow(QWidget &window);
