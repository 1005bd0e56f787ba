#pragma once

#include "tools/LMSettingPanel.h"

#include <QColor>

class KVCLIENT_ColorComboBox;
class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLabel;
class QSlider;

// Size, font, bold, italic, fill and edge of the text tools; "Rotate Text"
// only for lettering along an arc.
class LMScreenMsgHandlerTextSetting : public LMSettingPanel {
    Q_OBJECT
public:
    static const QStringList &sizes();

    explicit LMScreenMsgHandlerTextSetting(QWidget *parent = nullptr);

    void init(const QColor &edgeColour, const QColor &fillColour, int edgeWidth,
              const QString &size, const QString &family, bool bold, bool italic, bool stroke);

    QComboBox *sizeComboBox() const { return m_size; }
    QFontComboBox *fontComboBox() const { return m_family; }
    QCheckBox *boldCheckBox() const { return m_bold; }
    QCheckBox *italicCheckBox() const { return m_italic; }
    QCheckBox *strokeCheckBox() const { return m_stroke; }
    QCheckBox *rotateCheckBox() const { return m_rotate; }
    QSlider *widthSlider() const { return m_hs; }
    KVCLIENT_ColorComboBox *edgeColorField() const { return m_edgeColor; }
    KVCLIENT_ColorComboBox *fillColorField() const { return m_fillColor; }

Q_SIGNALS:
    void signal_colorChanged(const QColor &colour);
    void signal_fillcolorChanged(const QColor &colour);
    void signal_sizeIndexChanged(const QString &size);
    void signal_familyIndexChanged(const QString &family);
    void signal_boldtextCheckboxChanged(int state);
    void signal_italicizetextCheckboxChanged(int state);
    void signal_strokeCheckboxChanged(int state);
    void signal_widthChanged(int width);
    void signal_RotateTextChanged(bool rotate);

public Q_SLOTS:
    // The edge widgets show only while the edge is drawn.
    void slot_ShowOrHide();

protected:
    void retranslate() override;

private:
    QCheckBox *m_italic;
    QLabel *m_fontLabel;
    QLabel *m_widthValue;
    QFontComboBox *m_family;
    QLabel *m_widthLabel;
    QSlider *m_hs;
    QCheckBox *m_stroke;
    QLabel *m_sizeLabel;
    QCheckBox *m_bold;
    QComboBox *m_size;
    QLabel *m_fillLabel;
    QLabel *m_edgeLabel;
    KVCLIENT_ColorComboBox *m_fillColor;
    KVCLIENT_ColorComboBox *m_edgeColor;
    QCheckBox *m_rotate;
};
