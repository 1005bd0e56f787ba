#pragma once

#include <QObject>
#include <QSize>

class QComboBox;

// The paper choices of the settings column.
class LMLeftController : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Appends every paper with its page-size number as user data, then selects Letter.
    void fillPaperSizes(QComboBox *combo) const;
    QSize paperPixelSize(int index, bool landscape) const;
};
