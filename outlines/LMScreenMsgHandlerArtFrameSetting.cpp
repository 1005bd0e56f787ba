#include "outlines/LMScreenMsgHandlerArtFrameSetting.h"

#include "base/LMLogging.h"
#include "model/LMDesign.h"
#include "model/outlines/LMArtFrameFactory.h"
#include "outlines/ArtFrameButton.h"
#include "outlines/ArtFramePan.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QFile>
#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QToolBox>

const int LMScreenMsgHandlerArtFrameSetting::CaptionLines[6] = {84, 85, 88, 89, 90, 91};

LMScreenMsgHandlerArtFrameSetting::LMScreenMsgHandlerArtFrameSetting(LMDesign *design,
                                                                     QWidget *parent)
    : LMSettingPanel(parent), m_design(design)
{
    setObjectName(QStringLiteral("LMScreenMsgHandlerArtFrameSetting"));
    // The settings column's inner width: a long caption must not push the
    // column wider.
    setMaximumWidth(ColumnWidth);
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("lab_title"));
    m_title->setWordWrap(true);
    m_toolBox = new QToolBox(this);
    m_toolBox->setObjectName(QStringLiteral("toolBox"));
    m_toolBox->setMinimumHeight(340); // six captions and the tallest page without a scroll bar
    m_rotateLabel = new QLabel(this);
    m_rotateLabel->setObjectName(QStringLiteral("label_4"));
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setObjectName(QStringLiteral("slider_rotation"));
    m_slider->setRange(-180, 180);
    m_slider->setTickInterval(20);
    m_slider->setTickPosition(QSlider::TicksBelow);
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("edt_rotation"));
    m_edit->setMaximumWidth(56);
    m_clip = new QCheckBox(this);
    m_clip->setObjectName(QStringLiteral("chk_clipeffect"));

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 6, 0, 6);
    grid->addWidget(m_title, 0, 0, 1, 3);
    grid->addWidget(m_toolBox, 1, 0, 1, 3);
    grid->addWidget(m_rotateLabel, 2, 0);
    grid->addWidget(m_slider, 2, 1);
    grid->addWidget(m_edit, 2, 2);
    grid->addWidget(m_clip, 3, 0, 1, 3);
    m_outlineButtons = new QButtonGroup(this);
    m_outlineButtons->setExclusive(true);

    QFile styles(QStringLiteral(":/qss/little_button.qss"));
    if (styles.open(QIODevice::ReadOnly))
        setStyleSheet(QString::fromUtf8(styles.readAll()));

    m_edit->setValidator(new QIntValidator(-180, 180, m_edit));
    init(0, false);
    QMetaObject::connectSlotsByName(this);

    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this,
            &LMScreenMsgHandlerArtFrameSetting::slot_delayRotation);
    rebuildPages();
    retranslate();
}

void LMScreenMsgHandlerArtFrameSetting::init(int rotation, bool clipToOutline)
{
    const QSignalBlocker quietSlider(m_slider), quietEdit(m_edit);
    m_edit->setText(QString::number(rotation));
    m_slider->setValue(rotation);
    m_rotation = rotation;
    m_clip->setChecked(clipToOutline);
}

void LMScreenMsgHandlerArtFrameSetting::rebuildPages()
{
    while (m_toolBox->count() > 0) {
        QWidget *page = m_toolBox->widget(0);
        m_toolBox->removeItem(0);
        page->deleteLater();
    }
    LMArtFrameFactory *catalogue = m_design->catalogue();
    const int groups = catalogue ? catalogue->groupCount() : 0;
    for (int i = 0; i < groups; ++i)
        m_toolBox->addItem(new ArtFramePan(m_design, i, m_outlineButtons), QString());
    if (groups > 0)
        m_toolBox->setCurrentIndex(qBound(0, m_design->outlineGroup(), groups - 1));
    // Captions a point smaller, so the long ones fit the column. Set on the
    // tab buttons themselves: they shorten what does not fit by their own font.
    QFont caption = font();
    caption.setPointSizeF(caption.pointSizeF() - 1);
    for (QAbstractButton *tab : m_toolBox->findChildren<QAbstractButton *>(
             QStringLiteral("qt_toolbox_toolboxbutton"), Qt::FindDirectChildrenOnly))
        tab->setFont(caption);
}

void LMScreenMsgHandlerArtFrameSetting::retranslate()
{
    setWrappedText(m_clip, lmText(39));
    // The whole caption also as a tip, for languages whose captions run long.
    for (int i = 0; i < m_toolBox->count() && i < 6; ++i) {
        m_toolBox->setItemText(i, lmText(CaptionLines[i]));
        m_toolBox->setItemToolTip(i, lmText(CaptionLines[i]));
    }
    m_title->setText(lmText(97));
    m_rotateLabel->setText(tr("Rotate"));
}

void LMScreenMsgHandlerArtFrameSetting::markOutline(int group, int index)
{
    for (ArtFrameButton *button : findChildren<ArtFrameButton *>()) {
        if (button->group() == group && button->index() == index) {
            button->setChecked(true);
            return;
        }
    }
}

void LMScreenMsgHandlerArtFrameSetting::setClipChecked(bool on)
{
    m_clip->setChecked(on);
}

void LMScreenMsgHandlerArtFrameSetting::on_chk_clipeffect_clicked(bool on)
{
    Q_EMIT signal_clipChanged(on);
}

void LMScreenMsgHandlerArtFrameSetting::startDelay()
{
    // Changes in quick succession are gathered and applied once, the latest winning.
    if (!m_timer.isActive())
        m_timer.start(RotationDelayMs);
}

void LMScreenMsgHandlerArtFrameSetting::on_slider_rotation_valueChanged(int degrees)
{
    qCDebug(lcOutlines) << "LMScreenMsgHandlerArtFrameSetting::on_slider_rotation_valueChanged"
                        << degrees;
    startDelay();
    m_edit->setText(QString::number(degrees));
    m_rotation = degrees;
}

void LMScreenMsgHandlerArtFrameSetting::on_edt_rotation_textChanged(const QString &text)
{
    startDelay();
    // Not a number (a lone "-" on the way to "-45"): 0, and the field keeps
    // what is being typed.
    const int typed = text.toInt();
    const int degrees = qBound(m_slider->minimum(), typed, m_slider->maximum());
    if (degrees != typed) {
        const QSignalBlocker quiet(m_edit);
        m_edit->setText(QString::number(degrees)); // shown as it is applied
    }
    const QSignalBlocker quiet(m_slider); // the slider must not rewrite the field
    m_slider->setValue(degrees);
    m_rotation = degrees;
}

void LMScreenMsgHandlerArtFrameSetting::slot_delayRotation()
{
    Q_EMIT signal_rotationChanged(m_rotation);
}
