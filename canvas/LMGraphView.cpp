#include "canvas/LMGraphView.h"

#include "base/LMLogging.h"
#include "model/output/LMPageRenderer.h"
#include "model/outlines/LMArtFrameFactory.h"
#include "tools/LMGraphFuncInf.h"
#include "tools/LMScreenMsgHandlerInf.h"
#include "tools/LMToolCanvas.h"

#include <QPainter>

#include <cmath>

LMGraphView::LMGraphView(QWidget *mainWindow) : QWidget(mainWindow)
{
    // One stage of the outline layer per paint, the next paint 50 ms later.
    m_stageTimer.setSingleShot(true);
    m_stageTimer.setInterval(50);
    connect(&m_stageTimer, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    m_toolCanvas = new LMToolCanvas(this);
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
    setCursor(Qt::ArrowCursor);
    // Activation comes after the arrow so that a tool's own cursor wins.
    tool->setActive(true);
    tool->onActivate();
    m_currentHandler = tool;
    Q_EMIT signal_handlerChanged(tool);
}

void LMGraphView::setHandlerByName(const QString &name)
{
    const QList<LMScreenMsgHandlerInf *> tools =
        findChildren<LMScreenMsgHandlerInf *>(name, Qt::FindDirectChildrenOnly);
    if (!tools.isEmpty())
        setHandler(tools.first());
    if (!name.isEmpty())
        Q_EMIT signal_toolChosen(name);
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
    setPaper(m_flags.paperId(), m_flags.landscape(), QSize(width, height), zoom);
}

void LMGraphView::setPaper(int paperId, bool landscape, const QSize &size, double zoom)
{
    // What the tool still holds lands on the page as it is now.
    refreshHandler();
    const bool first = m_raster.isNull();
    const bool resized = m_raster.size() != size;
    m_flags.setPaperId(paperId);
    m_flags.setLandscape(landscape);
    if (resized) {
        // Keep what is drawn: the old page is cropped or extended with white.
        QImage page(size, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        painter.drawImage(0, 0, m_raster);
        painter.end();
        m_raster = page;
    }
    if (first) {
        m_history.restart(m_raster, currentPaper());
    } else if (resized || currentPaper() != m_history.paper(m_history.index())) {
        // Another paper is a step of its own: Undo brings the old one back whole.
        m_history.push(m_raster, currentPaper());
        markModified();
    }
    showZoom(zoom);
}

void LMGraphView::showZoom(double zoom)
{
    m_zoom = zoom;
    const QSize size = m_raster.size();
    setFixedSize(int(zoom * (size.width() + 40)), int(zoom * (size.height() + 50)));
    m_paperRect =
        QRectF(zoom * LMTransformCache::DocMargin[0], zoom * LMTransformCache::DocMargin[1],
               zoom * size.width(), zoom * size.height());
    checkPrintable();
    invalidateTransforms();
    update();
    Q_EMIT signal_zoomChanged();
}

LMHistory::Paper LMGraphView::currentPaper() const
{
    return {m_flags.paperId(), m_flags.landscape()};
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
    return LMPageRenderer::printableRect(rect, m_margins);
}

void LMGraphView::checkPrintable()
{
    const QRect printable = printableRect(m_raster.rect());
    const QRectF area(QPointF(printable.topLeft()), QPointF(printable.bottomRight()));
    const QPainterPath &outline = outlinePath();
    bool outside = false;
    if (!outline.isEmpty()) {
        const QPainterPath placed = transform(Matrix::OutlineToDoc).map(outline).simplified();
        outside = !area.contains(placed.boundingRect());
    }
    if (outside != m_flags.outsidePrintable()) {
        m_flags.setOutsidePrintable(outside);
        m_flags.setFrameStage(0);
        update();
        Q_EMIT signal_printTipVisible(outside && !m_flags.stripMode());
    }
}

void LMGraphView::setCatalogue(LMArtFrameFactory *catalogue)
{
    if (m_catalogue)
        disconnect(m_catalogue, nullptr, this, nullptr);
    m_catalogue = catalogue;
    if (!catalogue)
        return;
    connect(catalogue, &LMArtFrameFactory::signal_outlineChanged, this,
            &LMGraphView::slot_outlineChanged);
    connect(catalogue, &LMArtFrameFactory::signal_shapesChanged, this,
            &LMGraphView::slot_shapesChanged);
    catalogue->setFrameLevel(m_flags.frameIndex());
    slot_ToCenter();
    setFrameStage(0);
}

LMArtFrameFactory *LMGraphView::catalogue() const
{
    return m_catalogue;
}

const QPainterPath &LMGraphView::outlinePath() const
{
    static const QPainterPath none;
    return m_catalogue ? m_catalogue->outlinePath() : none;
}

LMOutlineShapes LMGraphView::outlineShapes() const
{
    return m_catalogue ? m_catalogue->currentShapes() : LMOutlineShapes();
}

void LMGraphView::selectOutline(int group, int index)
{
    if (!m_catalogue)
        return;
    // The ring is built for the frame level the design has now.
    if (m_catalogue->frameLevel() != m_flags.frameIndex())
        m_catalogue->setFrameLevel(m_flags.frameIndex());
    m_catalogue->selectOutline(group, index);
}

void LMGraphView::slot_outlineChanged()
{
    // The widest level the new outline offers replaces a level it does not have.
    const int levels = m_catalogue->frameLevelCount();
    if (!m_flags.stripMode() && m_flags.frameIndex() > levels)
        setFrameIndex(levels);
    slot_ToCenter();
    setFrameStage(0);
    markModified();
}

void LMGraphView::slot_shapesChanged()
{
    invalidateTransforms();
    checkPrintable();
}

void LMGraphView::slot_ToCenter()
{
    setOutlineOffset(LMArtFrameFactory::centredOffset(outlinePath(), m_raster.size()));
    qCDebug(lcOutlines) << "slot_ToCenter" << size();
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
    checkPrintable();
    update();
}

bool LMGraphView::outlineContainsWidgetPoint(const QPoint &widgetPos)
{
    const QPainterPath &outline = outlinePath();
    return !outline.isEmpty() &&
           outline.contains(transform(Matrix::WidgetToOutline).map(QPointF(widgetPos)));
}

// ---------------------------------------------------------------- flags

void LMGraphView::setClipToOutline(bool on)
{
    m_flags.setClipToOutline(on);
    update();
    Q_EMIT signal_clipToOutlineChanged(on);
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
    Q_EMIT signal_modifiedChanged(on);
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
    if (m_catalogue)
        m_catalogue->setFrameLevel(level);
    markModified();
    update();
}

const QTransform &LMGraphView::transform(Matrix::Id index)
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
    setModifiedFlag(true);
}

// ---------------------------------------------------------------- new document

void LMGraphView::clearDocument()
{
    // The tool is left first: what it still holds lands on the old page, not
    // on the new white one.
    setHandlerByName(QStringLiteral("basic"));
    QImage white(m_raster.size(), m_raster.format());
    white.fill(Qt::white);
    // The history goes on: Undo brings the page before New back. A page that
    // was white already gives nothing to bring back.
    if (m_raster != white)
        m_history.push(white, currentPaper());
    m_raster = white;
    update();
    // The page itself stays: New keeps the paper and its orientation.
    const bool editingOutline = m_flags.outlineEditing();
    LMViewFlags fresh = LMViewFlags::atStart();
    fresh.setLandscape(m_flags.landscape());
    fresh.setPaperId(m_flags.paperId());
    fresh.setOutlineEditing(editingOutline);
    m_flags = fresh;
    selectOutline(0, 0);
    checkPrintable();
    Q_EMIT signal_printTipVisible(m_flags.outsidePrintable() && !m_flags.stripMode());
    setModifiedFlag(false);
}
