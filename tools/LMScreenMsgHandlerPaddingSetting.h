#pragma once

#include "tools/LMSettingPanel.h"

class LMDesign;
class QDoubleSpinBox;
class QLabel;

// The four page margins, in inches. Each box stops where the page would
// have no room left between the two margins across it.
class LMScreenMsgHandlerPaddingSetting : public LMSettingPanel {
    Q_OBJECT
public:
    explicit LMScreenMsgHandlerPaddingSetting(LMDesign &design, QWidget *parent = nullptr);

public Q_SLOTS:
    // Shows the design's margins (also after a change of paper).
    void slot_Init();
    // Writes all four boxes to the design.
    void slot_UpdatePadding();

protected:
    void retranslate() override;

private:
    void limitBoxes();

    LMDesign &m_design;
    QLabel *m_labels[4];
    QDoubleSpinBox *m_boxes[4]; // left, top, right, bottom
};
