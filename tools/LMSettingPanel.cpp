#include "tools/LMSettingPanel.h"

#include "app/QVTLanguageManager.h"
#include "widgets/KVCLIENT_ColorComboBox.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QSlider>

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
