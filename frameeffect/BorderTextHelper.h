#pragma once

#include <QObject>

class LMDesign;

// Carries the frame panel's text editor into the design's frame text; the
// design tells what is a change worth saving.
class BorderTextHelper : public QObject {
    Q_OBJECT
public:
    explicit BorderTextHelper(LMDesign &design) : m_design(design) {}

public Q_SLOTS:
    void slot_colorChanged(const QColor &colour);
    void slot_fillcolorChanged(const QColor &colour);
    void slot_sizeIndexChanged(const QString &size);
    void slot_familyIndexChanged(const QString &family);
    void slot_boldtextCheckboxChanged(int state);
    void slot_italicizetextCheckboxChanged(int state);
    void slot_strokeCheckboxChanged(int state);
    void slot_widthChanged(int width);
    void slot_TextChanged(const QString &text);
    void slot_separatorChanged(const QString &separator);

private:
    LMDesign &m_design;
};
