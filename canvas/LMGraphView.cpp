#include "canvas/LMGraphView.h"

#include "base/LMLogging.h"
#include "canvas/LMCanvasToolEnvironment.h"
#include "model/LMDesign.h"
#include "tools/LMGraphFuncInf.h"
#include "tools/LMScreenMsgHandlerInf.h"

LMGraphView::LMGraphView(LMDesign *design, QWidget *parent)
    : QWidget(parent), m_design(design),
      m_toolEnvironment(std::make_unique<LMCanvasToolEnvironment>(this))
{
    // One stage of the outline layer per paint, the next paint 50 ms later.
    m_stageTimer.setSingleShot(true);
    m_stageTimer.setInterval(50);
    connect(&m_stageTimer, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    listenToDesign();
    setMouseTracking(true);
    setAttribute(Qt::WA_InputMethodEnabled);
    setAttribute(Qt::WA_KeyCompression);
    setFocusPolicy(Qt::WheelFocus);
}

LMGraphView::~LMGraphView()
{
    qDeleteAll(m_liveItems);
}

void LMGraphView::listenToDesign()
{
    LMDesign *design = m_design;
    connect(design, &LMDesign::pageChanged, this, [this](const QRect &area) {
        m_zoomedPage.pageChanged(area);
        m_transforms.invalidate();
        update();
    });
    // Undo may bring another paper back: the widget takes its size.
    connect(design, &LMDesign::paperChanged, this, [this] { showZoom(m_zoom); });
    connect(design, &LMDesign::outlineChanged, this, [this] {
        m_transforms.invalidate();
        restartFrameLayer();
    });
    connect(design, &LMDesign::frameChanged, this, &LMGraphView::restartFrameLayer);
    connect(design, &LMDesign::outsidePrintableChanged, this, [this] {
        restartFrameLayer();
        showPrintTip();
    });
    connect(design, &LMDesign::marginsChanged, this, qOverload<>(&QWidget::update));
    connect(design, &LMDesign::clipToOutlineChanged, this, qOverload<>(&QWidget::update));
    connect(design, &LMDesign::loaded, this, [this] {
        m_transforms.invalidate();
        restartFrameLayer();
        showPrintTip();
    });
}

LMToolEnvironment *LMGraphView::toolEnvironment() const
{
    return m_toolEnvironment.get();
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

LMScreenMsgHandlerInf *LMGraphView::tool(const QString &name) const
{
    return name.isEmpty() ? nullptr
                          : findChild<LMScreenMsgHandlerInf *>(name, Qt::FindDirectChildrenOnly);
}

void LMGraphView::setHandlerByName(const QString &name)
{
    if (LMScreenMsgHandlerInf *found = tool(name))
        setHandler(found);
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

void LMGraphView::dropCurrentHandler()
{
    if (!m_currentHandler)
        return;
    LMScreenMsgHandlerInf *tool = std::exchange(m_currentHandler, nullptr);
    tool->setActive(false);
    tool->onDeactivate();
    setCursor(Qt::ArrowCursor);
    Q_EMIT signal_handlerChanged(nullptr);
}

void LMGraphView::addLiveItem(LMGraphFuncInf *item)
{
    m_liveItems.append(item);
}

// ---------------------------------------------------------------- history

bool LMGraphView::apply()
{
    qCDebug(lcCanvas) << "LMGraphView::apply()";
    // Every live item is offered, also after one drew. Only what reaches the
    // page is a change: an empty field or a tool button clicked without
    // drawing leaves the design unmodified.
    const bool drew = m_design->paintPage([this](QPainter &painter) {
        bool any = false;
        for (LMGraphFuncInf *item : std::as_const(m_liveItems)) {
            if (item)
                any = item->commit(&painter, m_toolEnvironment.get()) || any;
        }
        return any;
    });
    qDeleteAll(std::exchange(m_liveItems, {}));
    update();
    return drew;
}

void LMGraphView::undo()
{
    apply();
    m_design->undo();
}

void LMGraphView::redo()
{
    // With nothing to redo, nothing happens at all: the tool stays.
    if (!m_design->history().canRedo())
        return;
    // Leave the tool as a tool change would: its work is committed and the
    // canvas's switches it set are cleared. Committing may drop the redo branch.
    dropCurrentHandler();
    m_design->redo();
}

// ---------------------------------------------------------------- page and zoom

const QImage &LMGraphView::rasterImage() const
{
    return m_design->page();
}

void LMGraphView::setPage(int width, int height, double zoom)
{
    setPaper(m_design->paperId(), m_design->landscape(), QSize(width, height), zoom);
}

void LMGraphView::setPaper(int paperId, bool landscape, const QSize &size, double zoom)
{
    // What the tool still holds lands on the page as it is now.
    refreshHandler();
    m_design->setPaper(paperId, landscape, size);
    showZoom(zoom);
}

void LMGraphView::setDetail(int k)
{
    refreshHandler();
    m_design->setDetail(k);
}

void LMGraphView::showZoom(double zoom)
{
    m_zoom = zoom;
    const QSize size = m_design->pageSize();
    setFixedSize(int(zoom * (size.width() + 40)), int(zoom * (size.height() + 50)));
    m_paperRect =
        QRectF(zoom * LMTransformCache::DocMargin[0], zoom * LMTransformCache::DocMargin[1],
               zoom * size.width(), zoom * size.height());
    m_transforms.invalidate();
    update();
    if (m_currentHandler)
        m_currentHandler->onZoomChanged();
    Q_EMIT signal_zoomChanged();
}

QPoint LMGraphView::toDocument(const QPoint &widgetPos) const
{
    return LMTransformCache::widgetToDocument(widgetPos, m_zoom);
}

const QTransform &LMGraphView::transform(Matrix::Id index)
{
    return m_transforms.get(index, transformInputs());
}

LMTransformInputs LMGraphView::transformInputs() const
{
    LMTransformInputs in;
    in.outlineBounds = m_design->outlinePath().boundingRect();
    in.outlineRotation = m_design->outlineRotation();
    in.outlineOffset = m_design->outlineOffset();
    in.zoom = m_zoom;
    in.rasterHeight = m_design->pageSize().height();
    return in;
}

bool LMGraphView::outlineContainsWidgetPoint(const QPoint &widgetPos)
{
    const QPainterPath &outline = m_design->outlinePath();
    return !outline.isEmpty() &&
           outline.contains(transform(Matrix::WidgetToOutline).map(QPointF(widgetPos)));
}

void LMGraphView::slot_ToCenter()
{
    m_design->centreOutline();
    qCDebug(lcOutlines) << "slot_ToCenter" << size();
}

// ---------------------------------------------------------------- how the design is shown

void LMGraphView::restartFrameLayer()
{
    m_frameStage = 0;
    update();
}

void LMGraphView::showPrintTip()
{
    // The tip explains the red area, which strip mode does not show.
    Q_EMIT signal_printTipVisible(m_design->outsidePrintable() && !m_stripMode);
}

void LMGraphView::setStripMode(bool on)
{
    m_stripMode = on;
    restartFrameLayer();
    // Strip counts go up to three; a frame cannot be wider than its outline allows.
    if (!on)
        m_design->clampFrameLevel();
    showPrintTip();
}

void LMGraphView::setOutlineEditing(bool on)
{
    m_outlineEditing = on;
    restartFrameLayer();
}

void LMGraphView::setFrameToolActive(bool on)
{
    m_frameToolActive = on;
    restartFrameLayer();
}

void LMGraphView::setMarginToolActive(bool on)
{
    m_marginToolActive = on;
    update();
}

void LMGraphView::setFrameStage(int stage)
{
    m_frameStage = stage;
    update();
}

// ---------------------------------------------------------------- new document

void LMGraphView::clearDocument()
{
    // The tool is left first: what it still holds lands on the old page, not
    // on the new white one.
    setHandlerByName(QStringLiteral("basic"));
    m_design->clear();
}
