#pragma once

class QString;
class QWidget;

// Every place that opens a picture the user chose says the same when it
// cannot: the table's line for the problem, and why when the picture was
// refused for its size. Returns whether the file can be read.
bool lmPictureReadable(QWidget *parent, const QString &path);
