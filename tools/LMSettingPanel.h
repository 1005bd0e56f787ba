#pragma once

#include "base/LMText.h"

#include <QWidget>

class KVCLIENT_ColorComboBox;
class QAbstractButton;
class QFontMetrics;
class QGridLayout;
class QLabel;
class QSlider;

// Base of the tools' settings panels: captions come from the language table
// and are set again whenever the language changes.
class LMSettingPanel : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // The settings column's inner width, which every panel fits into.
    static constexpr int ColumnWidth = 304;

    // `text` broken at blanks into lines no wider than `width` in `metrics`;
    // a word wider than that keeps a line of its own.
    static QString wrapped(const QString &text, const QFontMetrics &metrics, int width);

protected:
    // A check box caption on as many lines as the column needs: check boxes
    // do not wrap their captions themselves. The whole caption is also its tip.
    static void setWrappedText(QAbstractButton *box, const QString &text);

    // Sets every caption; each panel runs it once its widgets exist.
    virtual void retranslate() = 0;
    void changeEvent(QEvent *event) override;

    // A caption, a horizontal slider and the slider's value shown beside it.
    struct SliderRow {
        QLabel *caption;
        QSlider *slider;
        QLabel *value;
    };
    SliderRow addSliderRow(QGridLayout *grid, int row, int minimum, int maximum,
                           const char *captionName, const char *valueName);

    // A caption and a colour field spanning the slider and value columns.
    struct ColorRow {
        QLabel *caption;
        KVCLIENT_ColorComboBox *field;
    };
    ColorRow addColorRow(QGridLayout *grid, int row, const char *captionName,
                         const char *fieldName);

    // The panel's grid ("gridLayout"), with a little room above and below.
    QGridLayout *makeGrid();
};
