#include "canvas/LMGraphView.h"

#include "app/LMMainWidget.h"
#include "outlines/LMArtFrameFactory.h"
#include "tools/LMGraphFuncInf.h"
#include "tools/LMScreenMsgHandlerInf.h"

#include <QBoxLayout>
#include <QPainter>

#include <cmath>

LMGraphView::LMGraphView(QWidget *mainWindow) : QWidget(mainWindow), Singleton<LMGraphView>(this)
{
    // One stage of the outline layer per paint, the next paint 50 ms later.
    m_stageTimer.setSingleShot(true);
    m_stageTimer.setInterval(50);
    connect(&m_stageTimer, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    createTools();
    setHandlerByName(QStringLiteral("basic"));
    setMouseTracking(true);
    setTexture(QStringLiteral("metal0"));
    setAttribute(Qt::WA_InputMethodEnabled);
    setAttribute(Qt::WA_KeyCompression);
    setFocusPolicy(Qt::WheelFocus);
}

LMGraphView::~LMGraphView()
{
    qDeleteAll(m_liveItems);
}

// ---------------------------------------------------------------- tools

void LMGraphView::setHandler(LMScreenMsgHandlerInf *tool)
{
    if (tool == m_currentHandler)
        return;
    if (m_currentHandler) {
        m_currentHandler->setActive(false);
        m_currentHandler->onDeactivate();
    }
    if (m_settingsPanel)
        m_settingsPanel->deleteLater();
    m_settingsPanel = nullptr;
    setCursor(Qt::ArrowCursor);
    // Activation comes after the arrow so that a tool's own cursor wins.
    tool->setActive(true);
    tool->onActivate();
    m_currentHandler = tool;

    LMMainWidget *window = LMMainWidget::instance();
    QWidget *panel = tool->createSettingWidget(window);
    if (panel && window) {
        m_settingsPanel = panel;
        QBoxLayout *column = window->settingsColumn();
        column->insertWidget(column->count() - 1, panel);
    }
}

void LMGraphView::setHandlerByName(const QString &name)
{
    const QList<LMScreenMsgHandlerInf *> tools =
        findChildren<LMScreenMsgHandlerInf *>(name, Qt::FindDirectChildrenOnly);
    if (!tools.isEmpty())
        setHandler(tools.first());
    if (!name.isEmpty() && LMMainWidget::instance())
        LMMainWidget::instance()->checkToolButton(name);
}

void LMGraphView::refreshHandler()
{
    if (!m_currentHandler)
        return;
    m_currentHandler->onDeactivate();
    m_currentHandler->onActivate();
}

void LMGraphView::slot_ChangeHandler()
{
    QWidget *button = qobject_cast<QWidget *>(sender());
    if (!button)
        return;
    // Pending work is committed before every tool change.
    apply();
    setHandlerByName(button->property("func").toString());
}

void LMGraphView::addLiveItem(LMGraphFuncInf *item)
{
    m_liveItems.append(item);
}

// ---------------------------------------------------------------- page

void LMGraphView::setPage(int width, int height, double zoom)
{
    if (m_raster.width() != width || m_raster.height() != height) {
        // Keep what is drawn: the old page is cropped or extended with white.
        QImage page(width, height, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        painter.drawImage(0, 0, m_raster);
        painter.end();
        m_raster = page;
        markModified();
    }
    refreshHandler();
    m_zoom = zoom;
    setFixedSize(int(zoom * (width + 40)), int(zoom * (height + 50)));
    m_paperRect = QRectF(zoom * LMTransformCache::DocMargin[0],
                         zoom * LMTransformCache::DocMargin[1], zoom * width, zoom * height);
    checkPrintable();
    invalidateTransforms();
    update();
}

QPoint LMGraphView::toDocument(const QPoint &widgetPos) const
{
    return LMTransformCache::widgetToDocument(widgetPos, m_zoom);
}

// ---------------------------------------------------------------- margins

void LMGraphView::setMargins(double left, double top, double right, double bottom)
{
    m_margins = {top, left, bottom, right};
    checkPrintable();
    update();
}

void LMGraphView::getMargins(double &left, double &top, double &right, double &bottom) const
{
    top = m_margins[0];
    left = m_margins[1];
    bottom = m_margins[2];
    right = m_margins[3];
}

QRect LMGraphView::printableRect(const QRect &rect) const
{
    const double ppm = 3.0; // document pixels per millimetre
    QRect r = rect;
    r.setLeft(rect.left() + int(ppm * m_margins[1]));
    r.setTop(rect.top() + int(ppm * m_margins[0]));
    r.setRight(rect.right() + int(-ppm * m_margins[3]));
    r.setBottom(rect.bottom() + int(-ppm * m_margins[2]));
    return r;
}

void LMGraphView::checkPrintable()
{
    const QRect printable = printableRect(m_raster.rect());
    const QRectF area(QPointF(printable.topLeft()), QPointF(printable.bottomRight()));
    const QPainterPath &outline = outlinePath();
    bool outside = false;
    if (!outline.isEmpty()) {
        const QPainterPath placed = transform(6).map(outline).simplified();
        outside = !area.contains(placed.boundingRect());
    }
    if (outside != m_flags.outsidePrintable()) {
        m_flags.setOutsidePrintable(outside);
        m_flags.setFrameStage(0);
        update();
    }
}

const QPainterPath &LMGraphView::outlinePath() const
{
    static const QPainterPath none;
    const LMArtFrameFactory *catalogue = LMArtFrameFactory::instance();
    return catalogue ? catalogue->outlinePath() : none;
}

void LMGraphView::setOutlineOffset(const QPoint &offset)
{
    m_outlineOffset = offset;
    // The matrices first: the printable check maps the outline through them.
    invalidateTransforms();
    checkPrintable();
    update();
}

void LMGraphView::setOutlineRotation(int degrees)
{
    m_flags.setOutlineRotation(degrees);
    invalidateTransforms();
    update();
}

bool LMGraphView::outlineContainsWidgetPoint(const QPoint &widgetPos)
{
    const QPainterPath &outline = outlinePath();
    return !outline.isEmpty() && outline.contains(transform(9).map(QPointF(widgetPos)));
}

// ---------------------------------------------------------------- frame texture

void LMGraphView::setTexture(const QString &name)
{
    const QPixmap texture(QStringLiteral(":/texture/%1.jpg").arg(name));
    if (!texture.isNull()) {
        m_frameTexture = texture;
        m_textureName = name;
        m_flags.setFrameStage(0);
        m_flags.setTextureScale(100);
    }
    update();
}

// ---------------------------------------------------------------- flags

void LMGraphView::setClipToOutline(bool on)
{
    m_flags.setClipToOutline(on);
    update();
}

void LMGraphView::setLandscape(bool on)
{
    m_flags.setLandscape(on);
    update();
}

void LMGraphView::setPaperId(int id)
{
    m_flags.setPaperId(id);
    update();
}

void LMGraphView::setModifiedFlag(bool on)
{
    m_flags.setModified(on);
    update();
}

void LMGraphView::setStripMode(bool on)
{
    m_flags.setStripMode(on);
    m_flags.setFrameStage(0);
    update();
    if (LMMainWidget::instance())
        LMMainWidget::instance()->setPrintTipVisible(!on);
}

void LMGraphView::setOutlineEditing(bool on)
{
    m_flags.setOutlineEditing(on);
    m_flags.setFrameStage(0);
    update();
}

void LMGraphView::setFrameStage(int stage)
{
    m_flags.setFrameStage(stage);
    update();
}

void LMGraphView::setFrameIndex(int level)
{
    m_flags.setFrameIndex(level);
    m_flags.setFrameStage(0);
    if (LMArtFrameFactory *catalogue = LMArtFrameFactory::instance())
        catalogue->rebuildShapes();
    markModified();
    update();
}

void LMGraphView::setTextureScale(int percent)
{
    m_flags.setTextureScale(percent);
    m_flags.setFrameStage(0);
    update();
}

const QTransform &LMGraphView::transform(int index)
{
    return m_transforms.get(index, transformInputs());
}

LMTransformInputs LMGraphView::transformInputs() const
{
    LMTransformInputs in;
    in.outlineBounds = outlinePath().boundingRect();
    in.outlineRotation = m_flags.outlineRotation();
    in.outlineOffset = m_outlineOffset;
    in.zoom = m_zoom;
    in.rasterHeight = m_raster.height();
    return in;
}

void LMGraphView::markModified()
{
    if (LMMainWidget::instance())
        LMMainWidget::instance()->setModified();
    else
        m_flags.setModified(true);
}

// ---------------------------------------------------------------- new document

void LMGraphView::clearDocument()
{
    // The tool is left first: what it still holds lands on the old page, not
    // on the new white one.
    setHandlerByName(QStringLiteral("basic"));
    m_raster.fill(Qt::white);
    update();
    // The page itself stays: New keeps the paper and its orientation.
    const bool editingOutline = m_flags.outlineEditing();
    LMViewFlags fresh = LMViewFlags::atStart();
    fresh.setLandscape(m_flags.landscape());
    fresh.setPaperId(m_flags.paperId());
    fresh.setOutlineEditing(editingOutline);
    m_flags = fresh;
    if (LMArtFrameFactory *catalogue = LMArtFrameFactory::instance())
        catalogue->selectOutline(0, 0);
    checkPrintable();
    m_flags.setModified(false);
}
