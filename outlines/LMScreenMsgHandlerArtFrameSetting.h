#pragma once

#include "tools/LMSettingPanel.h"

#include <QTimer>

class LMDesign;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QSlider;
class QToolBox;

// The outline tool's panel: every outline of the catalogue on one page per
// pouch size, the outline's rotation, and "inside the pouch only".
class LMScreenMsgHandlerArtFrameSetting : public LMSettingPanel {
    Q_OBJECT
public:
    static constexpr int RotationDelayMs = 100;
    static const int CaptionLines[6];

    LMScreenMsgHandlerArtFrameSetting(LMDesign *design, QWidget *parent = nullptr);

    // The outline's rotation and whether only the pouch's inside shows.
    void init(int rotation, bool clipToOutline);
    void rebuildPages();
    // Checks the button of outline (group, index).
    void markOutline(int group, int index);
    void setClipChecked(bool on);

    QToolBox *toolBox() const { return m_toolBox; }
    QSlider *rotationSlider() const { return m_slider; }
    QLineEdit *rotationEdit() const { return m_edit; }
    QCheckBox *clipCheckBox() const { return m_clip; }

Q_SIGNALS:
    // The rotation the user settled on, after the delay.
    void signal_rotationChanged(int degrees);
    void signal_clipChanged(bool on);

public Q_SLOTS:
    void on_chk_clipeffect_clicked(bool on);
    void on_slider_rotation_valueChanged(int degrees);
    void slot_delayRotation();
    void on_edt_rotation_textChanged(const QString &text);

protected:
    void retranslate() override;

private:
    void startDelay();

    LMDesign *m_design;
    QTimer m_timer;
    int m_rotation = 0;
    QLabel *m_title;
    QToolBox *m_toolBox;
    QLabel *m_rotateLabel;
    QSlider *m_slider;
    QLineEdit *m_edit;
    QCheckBox *m_clip;
    QButtonGroup *m_outlineButtons;
};
