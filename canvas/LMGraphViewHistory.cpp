// Committing live items into the page, and stepping through the history.
#include "canvas/LMGraphView.h"

#include "base/LMLogging.h"
#include "tools/LMGraphFuncInf.h"
#include "tools/LMScreenMsgHandlerInf.h"

#include <QPainter>

// Paints every live item into the page (each is offered, also after one
// drew), deletes them all and records a step when any drew.
bool LMGraphView::paintLiveItemsIntoPage()
{
    bool drew = false;
    {
        QPainter painter(&m_raster);
        painter.setRenderHint(QPainter::Antialiasing, true);
        for (LMGraphFuncInf *item : std::as_const(m_liveItems)) {
            if (item)
                drew = item->commit(&painter, m_toolCanvas) || drew;
        }
    }
    qDeleteAll(std::exchange(m_liveItems, {}));
    if (drew) {
        m_history.push(m_raster, currentPaper());
        qCDebug(lcCanvas) << "when Apply" << m_history.index();
    }
    update();
    return drew;
}

bool LMGraphView::apply()
{
    qCDebug(lcCanvas) << "LMGraphView::apply()";
    // Only what reaches the page is a change: an empty field or a tool
    // button clicked without drawing leaves the design unmodified.
    const bool drew = paintLiveItemsIntoPage();
    if (drew)
        markModified();
    return drew;
}

void LMGraphView::undo()
{
    apply();
    if (!m_history.stepBack())
        return;
    showStep(m_history.index());
    markModified();
    qCDebug(lcCanvas) << "do Return" << m_history.index();
    update();
}

void LMGraphView::redo()
{
    // With nothing to redo, nothing happens at all: the tool stays.
    if (!m_history.canRedo())
        return;
    // Leave the tool as a tool change would: its work is committed and the
    // canvas flags it set are cleared. Committing may drop the redo branch.
    dropCurrentHandler();
    if (!m_history.stepForward())
        return;
    qCDebug(lcCanvas) << "do Redo" << m_history.index();
    showStep(m_history.index());
    update();
    markModified();
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

void LMGraphView::showStep(int k)
{
    const QImage page = m_history.snapshot(k);
    if (page.isNull()) {
        m_raster.fill(Qt::white); // the page before anything was recorded
        return;
    }
    const LMHistory::Paper paper = m_history.paper(k);
    const bool resized = page.size() != m_raster.size();
    m_raster = page;
    if (paper.paperId < 0 || (paper == currentPaper() && !resized))
        return;
    // A step on another paper brings that paper back, and the controls follow.
    m_flags.setPaperId(paper.paperId);
    m_flags.setLandscape(paper.landscape);
    showZoom(m_zoom);
    Q_EMIT signal_paperLoaded(paper.landscape, paper.paperId, m_flags.stripMode());
}
