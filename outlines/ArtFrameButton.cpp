#include "outlines/ArtFrameButton.h"

#include "base/LMUnits.h"
#include "model/LMDesign.h"
#include "model/outlines/LMArtFrameFactory.h"

#include <QEvent>
#include <QPainter>

ArtFrameButton::ArtFrameButton(LMDesign *design, int group, int index, QWidget *parent)
    : QPushButton(parent), m_design(design), m_group(group), m_index(index)
{
    setFlat(true);
    setCheckable(true);
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QPushButton::pressed, this, &ArtFrameButton::slot_pressed);
    retranslate();
}

void ArtFrameButton::retranslate()
{
    LMArtFrameFactory *catalogue = m_design->catalogue();
    const QPainterPath *outline = catalogue ? catalogue->outlineOf(m_group, m_index) : nullptr;
    if (!outline)
        return;
    // Its number and its size, so the window can be told from its neighbours.
    const QRectF box = outline->boundingRect();
    setToolTip(tr("%1: %2 × %3 %4")
                   .arg(QString::asprintf("%03d", m_index + 1),
                        LMUnits::number(box.width() / LMUnits::PixelsPerMm),
                        LMUnits::number(box.height() / LMUnits::PixelsPerMm), LMUnits::unitName()));
}

void ArtFrameButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QPushButton::changeEvent(event);
}

void ArtFrameButton::slot_pressed()
{
    m_design->selectOutline(m_group, m_index);
}

void ArtFrameButton::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    LMArtFrameFactory *catalogue = m_design->catalogue();
    if (!catalogue)
        return;
    const LMArtFrameFactory::ConfigGroup *group = catalogue->group(m_group);
    const QPainterPath *outline = catalogue->outlineOf(m_group, m_index);
    if (!group || !outline || group->maxWidth <= 0 || group->maxHeight <= 0)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF r = outline->boundingRect();
    const float w = float(width());
    const float h = float(height()) - 14.0f;
    // One scale for the whole group, so the pictures keep their relative sizes.
    const float s =
        std::min((h - 8.0f) / float(group->maxHeight), (w - 8.0f) / float(group->maxWidth));
    QTransform m =
        QTransform::fromTranslate(-(r.x() + 0.5 * r.width()), -(r.y() + 0.5 * r.height()));
    m *= QTransform::fromScale(s, s);
    m *= QTransform::fromTranslate(0.5 * w, 0.5 * h);
    painter.setTransform(m);
    painter.fillPath(*outline, Qt::white);
    painter.resetTransform();
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, h, w, 14), Qt::AlignTop | Qt::AlignHCenter,
                     QString::asprintf("%03d", m_index + 1));
}
