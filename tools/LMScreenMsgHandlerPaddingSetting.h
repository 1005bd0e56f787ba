#pragma once

#include "tools/LMSettingPanel.h"

class LMToolCanvas;
class QDoubleSpinBox;
class QLabel;

// The four page margins, in inches. Each box stops where the page would
// have no room left between the two margins across it.
class LMScreenMsgHandlerPaddingSetting : public LMSettingPanel {
    Q_OBJECT
public:
    explicit LMScreenMsgHandlerPaddingSetting(LMToolCanvas *view, QWidget *parent = nullptr);

public Q_SLOTS:
    // Shows the canvas's margins (also after a change of paper).
    void slot_Init();
    // Writes all four boxes to the canvas.
    void slot_UpdatePadding();

protected:
    void retranslate() override;

private:
    void limitBoxes();

    LMToolCanvas *m_view;
    QLabel *m_labels[4];
    QDoubleSpinBox *m_boxes[4]; // left, top, right, bottom
};
