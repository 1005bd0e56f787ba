#pragma once

#include <QObject>

class LMToolCanvas;

// Carries the frame panel's text editor into the canvas's frame text: each
// change restarts the frame layer; what files keep also marks the design.
class BorderTextHelper : public QObject {
    Q_OBJECT
public:
    explicit BorderTextHelper(LMToolCanvas *view) : m_view(view) {}

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

private:
    void changed();
    void kept();
    LMToolCanvas *m_view;
};
