#pragma once

#include <QPushButton>

class LMDesign;

// One outline of the catalogue as a small picture, with its number; its tip
// gives the number and the outline's size.
class ArtFrameButton : public QPushButton {
    Q_OBJECT
public:
    ArtFrameButton(LMDesign *design, int group, int index, QWidget *parent = nullptr);

    int group() const { return m_group; }
    int index() const { return m_index; }

public Q_SLOTS:
    // Selects the outline at once, on press.
    void slot_pressed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    LMDesign *m_design;
    int m_group;
    int m_index;
};
