#include "outlines/LMScreenMsgHandlerArtFrameSetting.h"

#include "app/LMMainWidget.h"
#include "canvas/LMGraphView.h"
#include "outlines/ArtFrameButton.h"
#include "outlines/ArtFramePan.h"
#include "outlines/LMArtFrameFactory.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDebug>
#include <QEvent>
#include <QFile>
#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QToolBox>

const int LMScreenMsgHandlerArtFrameSetting::CaptionLines[6] = {84, 85, 88, 89, 90, 91};

LMScreenMsgHandlerArtFrameSetting::LMScreenMsgHandlerArtFrameSetting(QWidget *parent)
    : LMSettingPanel(parent)
{
    setObjectName(QStringLiteral("LMScreenMsgHandlerArtFrameSetting"));
    setMaximumWidth(240);
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("lab_title"));
    m_title->setWordWrap(true);
    m_toolBox = new QToolBox(this);
    m_toolBox->setObjectName(QStringLiteral("toolBox"));
    m_toolBox->setMinimumHeight(340); // six captions and the tallest page without a scroll bar
    m_rotateLabel = new QLabel(QStringLiteral("Rotate"), this);
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

    const LMGraphView *view = LMGraphView::instance();
    const int rotation = view ? view->flags().outlineRotation() : 0;
    m_edit->setValidator(new QIntValidator(-180, 180, m_edit));
    m_edit->setText(QString::number(rotation));
    m_slider->setValue(rotation);
    m_rotation = rotation;
    m_clip->setChecked(view && view->flags().clipToOutline());
    QMetaObject::connectSlotsByName(this);

    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this,
            &LMScreenMsgHandlerArtFrameSetting::slot_delayRotation);
    rebuildPages();
    retranslate();
}

void LMScreenMsgHandlerArtFrameSetting::rebuildPages()
{
    while (m_toolBox->count() > 0) {
        QWidget *page = m_toolBox->widget(0);
        m_toolBox->removeItem(0);
        page->deleteLater();
    }
    const LMArtFrameFactory *catalogue = LMArtFrameFactory::instance();
    const int groups = catalogue ? catalogue->groupCount() : 0;
    for (int i = 0; i < groups; ++i)
        m_toolBox->addItem(new ArtFramePan(i, m_outlineButtons), QString());
    if (catalogue)
        m_toolBox->setCurrentIndex(qBound(0, catalogue->currentGroup(), groups - 1));
}

void LMScreenMsgHandlerArtFrameSetting::retranslate()
{
    m_clip->setText(lan(39));
    for (int i = 0; i < m_toolBox->count() && i < 6; ++i)
        m_toolBox->setItemText(i, lan(CaptionLines[i]));
    m_title->setText(lan(97));
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
    if (LMGraphView *view = LMGraphView::instance())
        view->setClipToOutline(on);
}

void LMScreenMsgHandlerArtFrameSetting::startDelay()
{
    // Changes in quick succession are gathered and applied once, the latest winning.
    if (!m_timer.isActive())
        m_timer.start(RotationDelayMs);
}

void LMScreenMsgHandlerArtFrameSetting::on_slider_rotation_valueChanged(int degrees)
{
    qDebug() << "LMScreenMsgHandlerArtFrameSetting::on_slider_rotation_valueChanged" << degrees;
    startDelay();
    m_edit->setText(QString::number(degrees));
    m_rotation = degrees;
}

void LMScreenMsgHandlerArtFrameSetting::on_edt_rotation_textChanged(const QString &text)
{
    startDelay();
    const int degrees = text.toInt(); // not a number: 0
    m_slider->setValue(degrees);
    m_rotation = degrees;
}

void LMScreenMsgHandlerArtFrameSetting::slot_delayRotation()
{
    LMGraphView *view = LMGraphView::instance();
    if (!view)
        return;
    view->setOutlineRotation(m_rotation);
    if (LMMainWidget *window = LMMainWidget::instance())
        window->setModified();
    view->checkPrintable();
    view->update();
}
