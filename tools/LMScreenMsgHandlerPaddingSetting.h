#pragma once

#include "tools/LMSettingPanel.h"

class LMDesign;
class QDoubleSpinBox;
class QLabel;

// The four page margins, in millimetres where the locale measures in metric
// and in inches elsewhere. Each box shows the design's margin; editing one
// changes that margin alone, and a value the page cannot hold is refused with
// the range it can.
class LMScreenMsgHandlerPaddingSetting : public LMSettingPanel {
    Q_OBJECT
public:
    explicit LMScreenMsgHandlerPaddingSetting(LMDesign &design, QWidget *parent = nullptr);

public Q_SLOTS:
    // Shows the design's margins (also after a change of paper or an undo).
    void slot_Init();

protected:
    void retranslate() override;

private:
    void commitBox(int side);
    // The most the margin on `side` may be, in millimetres, on this paper
    // with the facing margin as it is.
    double mostFor(int side) const;
    double marginOf(int side) const;
    QString withUnit(double mm) const;
    // Says which margins the paper cannot hold, or that `refused` was refused.
    void showRanges(int refused = -1);

    LMDesign &m_design;
    const bool m_inches;
    QLabel *m_labels[4];
    QDoubleSpinBox *m_boxes[4]; // left, top, right, bottom
    QLabel *m_range;
};
