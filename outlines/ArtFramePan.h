#pragma once

#include <QList>
#include <QWidget>

class ArtFrameButton;
class LMDesign;
class QButtonGroup;

// One page of the outline catalogue: the outlines of one pouch size as a
// grid of buttons in 40-pixel columns, made on first show.
class ArtFramePan : public QWidget {
    Q_OBJECT
public:
    static constexpr int MinColumnWidth = 40;
    static constexpr int RowHeight = 45;

    ArtFramePan(LMDesign *design, int groupIndex, QButtonGroup *exclusive,
                QWidget *parent = nullptr);

    void layoutButtons();
    int groupIndex() const { return m_groupIndex; }
    const QList<ArtFrameButton *> &buttons() const { return m_buttons; }

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QList<ArtFrameButton *> m_buttons;
    LMDesign *m_design;
    int m_groupIndex;
    QButtonGroup *m_exclusive;
};
