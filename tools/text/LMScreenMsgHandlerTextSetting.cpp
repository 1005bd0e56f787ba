#include "tools/text/LMScreenMsgHandlerTextSetting.h"

#include "widgets/KVCLIENT_ColorComboBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSlider>

const QStringList &LMScreenMsgHandlerTextSetting::sizes()
{
    static const QStringList list = {"1000", "900", "800", "700", "600", "500", "400", "300",
                                     "240",  "200", "160", "120", "96",  "72",  "48",  "36",
                                     "28",   "26",  "24",  "22",  "20",  "18",  "16",  "14",
                                     "12",   "11",  "10",  "9",   "8"};
    return list;
}

LMScreenMsgHandlerTextSetting::LMScreenMsgHandlerTextSetting(QWidget *parent)
    : LMSettingPanel(parent)
{
    setObjectName(QStringLiteral("LMScreenMsgHandlerTextSetting"));
    resize(317, 231);
    const auto named = [](QWidget *w, const char *name) {
        w->setObjectName(QLatin1String(name));
        return w;
    };
    m_italic = new QCheckBox(this);
    named(m_italic, "chk2");
    m_fontLabel = new QLabel(this);
    named(m_fontLabel, "l1");
    m_widthValue = new QLabel(this);
    named(m_widthValue, "label_3");
    m_widthValue->setMinimumWidth(18);
    m_family = new QFontComboBox(this);
    named(m_family, "fontComboBox");
    m_family->setEditable(false);
    // Long family names must not widen the settings column.
    m_family->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_family->setMinimumContentsLength(8);
    m_widthLabel = new QLabel(this);
    named(m_widthLabel, "lw");
    m_hs = new QSlider(Qt::Horizontal, this);
    named(m_hs, "hs");
    m_hs->setRange(1, 12);
    m_hs->setPageStep(1);
    m_hs->setTickPosition(QSlider::TicksBelow);
    m_stroke = new QCheckBox(this);
    named(m_stroke, "chk4");
    m_sizeLabel = new QLabel(this);
    named(m_sizeLabel, "l0");
    m_bold = new QCheckBox(this);
    named(m_bold, "chk3");
    m_size = new QComboBox(this);
    named(m_size, "sizecomboBox");
    m_size->addItems(sizes());
    m_fillLabel = new QLabel(this);
    named(m_fillLabel, "l4_2");
    m_edgeLabel = new QLabel(this);
    named(m_edgeLabel, "l4");
    m_fillColor = new KVCLIENT_ColorComboBox(this);
    named(m_fillColor, "color_2");
    m_edgeColor = new KVCLIENT_ColorComboBox(this);
    named(m_edgeColor, "color");
    m_rotate = new QCheckBox(this);
    named(m_rotate, "chk5");

    auto *grid = new QGridLayout(this);
    grid->setObjectName(QStringLiteral("gridLayout"));
    grid->setContentsMargins(1, 6, 0, 6);
    grid->addWidget(m_italic, 2, 0, 1, 2);
    grid->addWidget(m_fontLabel, 1, 0);
    grid->addWidget(m_widthValue, 9, 2);
    grid->addWidget(m_family, 1, 1, 1, 2);
    grid->addWidget(m_widthLabel, 9, 0);
    grid->addWidget(m_hs, 9, 1);
    grid->addWidget(m_stroke, 5, 0, 1, 2);
    grid->addWidget(m_sizeLabel, 0, 0);
    grid->addWidget(m_bold, 3, 0, 1, 2);
    grid->addWidget(m_size, 0, 1, 1, 2);
    grid->addWidget(m_fillLabel, 4, 0);
    grid->addWidget(m_edgeLabel, 7, 0);
    grid->addWidget(m_fillColor, 4, 1);
    grid->addWidget(m_edgeColor, 7, 1, 1, 2);
    grid->addWidget(m_rotate, 6, 0);

    using S = LMScreenMsgHandlerTextSetting;
    connect(m_hs, &QSlider::valueChanged, m_widthValue, qOverload<int>(&QLabel::setNum));
    connect(m_edgeColor, &KVCLIENT_ColorComboBox::signal_colorChanged, this,
            &S::signal_colorChanged);
    connect(m_fillColor, &KVCLIENT_ColorComboBox::signal_colorChanged, this,
            &S::signal_fillcolorChanged);
    connect(m_size, &QComboBox::currentTextChanged, this, &S::signal_sizeIndexChanged);
    connect(m_family, &QFontComboBox::currentFontChanged, this,
            [this](const QFont &font) { Q_EMIT signal_familyIndexChanged(font.family()); });
    connect(m_bold, &QCheckBox::stateChanged, this, &S::signal_boldtextCheckboxChanged);
    connect(m_italic, &QCheckBox::stateChanged, this, &S::signal_italicizetextCheckboxChanged);
    connect(m_stroke, &QCheckBox::stateChanged, this, &S::signal_strokeCheckboxChanged);
    connect(m_hs, &QSlider::valueChanged, this, &S::signal_widthChanged);
    connect(m_rotate, &QCheckBox::clicked, this, &S::signal_RotateTextChanged);
    connect(m_stroke, &QCheckBox::clicked, this, &S::slot_ShowOrHide);
    m_widthValue->setNum(m_hs->value());
    retranslate();
    m_rotate->hide();
}

void LMScreenMsgHandlerTextSetting::init(const QColor &edgeColour, const QColor &fillColour,
                                         int edgeWidth, const QString &size, const QString &family,
                                         bool bold, bool italic, bool stroke)
{
    m_edgeColor->setColor(edgeColour);
    m_fillColor->setColor(fillColour);
    for (int i = 0; i < m_size->count(); ++i) {
        if (m_size->itemText(i) == size)
            m_size->setCurrentIndex(i);
    }
    for (int i = 0; i < m_family->count(); ++i) {
        if (m_family->itemText(i) == family)
            m_family->setCurrentIndex(i);
    }
    m_hs->setValue(edgeWidth);
    m_bold->setChecked(bold);
    m_italic->setChecked(italic);
    m_stroke->setChecked(stroke);
    slot_ShowOrHide();
}

void LMScreenMsgHandlerTextSetting::slot_ShowOrHide()
{
    const bool edge = m_stroke->isChecked();
    for (QWidget *w : {static_cast<QWidget *>(m_edgeColor), static_cast<QWidget *>(m_edgeLabel),
                       static_cast<QWidget *>(m_widthLabel), static_cast<QWidget *>(m_hs),
                       static_cast<QWidget *>(m_widthValue)})
        w->setVisible(edge);
}

void LMScreenMsgHandlerTextSetting::retranslate()
{
    m_rotate->setText(tr("Rotate Text"));
    m_italic->setText(lmText(24));
    m_fontLabel->setText(lmText(33));
    m_widthLabel->setText(lmText(57));
    setWrappedText(m_stroke, lmText(49));
    m_sizeLabel->setText(lmText(22));
    m_bold->setText(lmText(23));
    m_fillLabel->setText(lmText(51));
    m_edgeLabel->setText(lmText(50));
}
