#pragma once

#include "tools/LMSettingPanel.h"

#include <QPixmap>

class KVCLIENT_ColorComboBox;
class LMScreenMsgHandlerTextSetting;
class LMDesign;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;
class BorderTextHelper;

// The panel of both frame tools. In frame mode it edits the frame round the
// window: on or off, its width, its fill (one colour, a built-in texture or a
// picture), tiled or stretched, and the text along it. In strip mode it
// edits the strip sheet: strips per band, thick or thin, and their sides.
// It reads the canvas when built and writes every change straight back.
class LMScreenMsgHandlerBorderSetting : public LMSettingPanel {
    Q_OBJECT
public:
    // The frame widths offered, one per frame level.
    static const QStringList &widthNames();

    LMScreenMsgHandlerBorderSetting(LMDesign &design, bool strip, QWidget *parent = nullptr);
    ~LMScreenMsgHandlerBorderSetting() override;

    // The width list follows the current outline's frame levels.
    void refreshFrameWidths();
    void syncFromDesign();
    void setCustomPicture(const QPixmap &picture);

public Q_SLOTS:
    void slot_ChangeTexture();
    void on_chk_useborder_clicked(bool checked);
    void slot_updateColor();
    void slot_updateHeightColor();
    void slot_updateCopyTexture();
    void on_spin_n_valueChanged(int count);
    void on_chk_useheight_clicked(bool on);
    void on_btn_screenshoot_clicked();
    void on_btn_load_clicked();
    void on_chk_usetext_clicked(bool on);
    void on_cob_n_currentIndexChanged(int index);
    void on_cob_type_currentIndexChanged(int index);
    // Edits the list of names that take the frame text's place, one per insert.
    void on_btn_names_clicked();

protected:
    void retranslate() override;

private:
    void buildForm();
    void showFittedSize();
    QWidget *textureRow(const char *group, const char *stem);
    void enableTextControls();
    // The frame text field: the user's own text, or the first name as an
    // example while a list of names stands in for it.
    void showFrameTextField();
    // The frame is shown, and the controls that need it come alive.
    void frameShown();
    void uncheckFillButtons();

    LMDesign &m_design;
    bool m_strip;
    BorderTextHelper *m_textHelper;
    QButtonGroup *m_fills;
    QList<QPushButton *> m_textureButtons;

    QLabel *m_t3, *m_t0, *m_t1, *m_t2, *m_labCustom, *m_labNum, *m_labText, *m_sizeLabel,
        *m_sizeValue, *m_labColor;
    QPushButton *m_btnColor, *m_btnLoad, *m_btnScreenshot;
    KVCLIENT_ColorComboBox *m_colorW, *m_colorW2;
    QRadioButton *m_tiled, *m_stretched;
    QSlider *m_scale;
    QWidget *m_sizeRow, *m_w0, *m_wNum, *m_editText, *m_w1, *m_wColor2;
    QFrame *m_sides;
    QCheckBox *m_useBorder, *m_useText, *m_useHeight, *m_expand;
    QComboBox *m_widths, *m_type;
    QSpinBox *m_count;
    QLineEdit *m_frameText;
    QPushButton *m_btnNames;
    QLabel *m_labSeparator;
    QLineEdit *m_separator;
    QLabel *m_fittedSize;
    QLabel *m_noRoom;
    LMScreenMsgHandlerTextSetting *m_textEdit;
};
