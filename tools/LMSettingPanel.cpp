#include "tools/LMSettingPanel.h"

#include "base/LMText.h"
#include "widgets/KVCLIENT_ColorComboBox.h"

#include <QAbstractButton>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QSlider>
#include <QStyle>
#include <QTextBoundaryFinder>

QString LMSettingPanel::wrapped(const QString &text, const QFontMetrics &metrics, int width)
{
    // Lines break where the script allows: at blanks, and between the
    // characters of Chinese or Japanese, which have no blanks.
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    QStringList lines;
    QString line;
    for (qsizetype start = 0, end = breaks.toNextBoundary(); end != -1;
         start = end, end = breaks.toNextBoundary()) {
        const QString piece = text.mid(start, end - start);
        const QString longer = line + piece;
        if (line.isEmpty() || metrics.horizontalAdvance(longer.trimmed()) <= width) {
            line = longer;
        } else {
            lines << line.trimmed();
            line = piece;
        }
    }
    if (!line.trimmed().isEmpty())
        lines << line.trimmed();
    return lines.join(QLatin1Char('\n'));
}

void LMSettingPanel::setWrappedText(QAbstractButton *box, const QString &text)
{
    const QStyle *style = box->style();
    const int indicator = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) +
                          style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box);
    // A few pixels spare for the frame the style may draw around the caption,
    // and room for the column's scroll bar, which a tall panel brings.
    const int scrollBar = style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, box);
    box->setText(wrapped(text, box->fontMetrics(), ColumnWidth - indicator - 6 - scrollBar));
    box->setToolTip(text);
}

void LMSettingPanel::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

LMSettingPanel::SliderRow LMSettingPanel::addSliderRow(QGridLayout *grid, int row, int minimum,
                                                       int maximum, const char *captionName,
                                                       const char *valueName)
{
    SliderRow r;
    r.caption = new QLabel(this);
    r.caption->setObjectName(QLatin1String(captionName));
    r.slider = new QSlider(Qt::Horizontal, this);
    r.slider->setObjectName(QStringLiteral("hs"));
    r.slider->setRange(minimum, maximum);
    r.slider->setPageStep(1);
    r.value = new QLabel(this);
    r.value->setObjectName(QLatin1String(valueName));
    r.value->setMinimumWidth(18);
    grid->addWidget(r.caption, row, 0);
    grid->addWidget(r.slider, row, 1);
    grid->addWidget(r.value, row, 2);
    connect(r.slider, &QSlider::valueChanged, r.value, qOverload<int>(&QLabel::setNum));
    r.value->setNum(r.slider->value());
    return r;
}

LMSettingPanel::ColorRow LMSettingPanel::addColorRow(QGridLayout *grid, int row,
                                                     const char *captionName, const char *fieldName)
{
    ColorRow r;
    r.caption = new QLabel(this);
    r.caption->setObjectName(QLatin1String(captionName));
    r.field = new KVCLIENT_ColorComboBox(this);
    r.field->setObjectName(QLatin1String(fieldName));
    grid->addWidget(r.caption, row, 0);
    grid->addWidget(r.field, row, 1, 1, 2);
    return r;
}

QGridLayout *LMSettingPanel::makeGrid()
{
    auto *grid = new QGridLayout(this);
    grid->setObjectName(QStringLiteral("gridLayout"));
    grid->setContentsMargins(0, 6, 0, 6);
    return grid;
}
