#include "canvas/LMCanvasToolEnvironment.h"

#include "canvas/LMGraphView.h"
#include "model/LMDesign.h"

LMDesign &LMCanvasToolEnvironment::design()
{
    return m_canvas->design();
}

QWidget *LMCanvasToolEnvironment::widget()
{
    return m_canvas;
}

void LMCanvasToolEnvironment::update()
{
    m_canvas->update();
}

void LMCanvasToolEnvironment::setCursor(const QCursor &cursor)
{
    m_canvas->setCursor(cursor);
}

Qt::KeyboardModifiers LMCanvasToolEnvironment::keyModifiers() const
{
    return m_canvas->keyModifiers();
}

void LMCanvasToolEnvironment::addLiveItem(LMGraphFuncInf *item)
{
    m_canvas->addLiveItem(item);
}

LMGraphFuncInf *LMCanvasToolEnvironment::lastLiveItem() const
{
    return m_canvas->lastLiveItem();
}

bool LMCanvasToolEnvironment::apply()
{
    return m_canvas->apply();
}

double LMCanvasToolEnvironment::zoom() const
{
    return m_canvas->zoom();
}

const QTransform &LMCanvasToolEnvironment::transform(Matrix::Id matrix)
{
    return m_canvas->transform(matrix);
}

QRect LMCanvasToolEnvironment::visiblePagePart()
{
    const QRect page = m_canvas->design().pageRect();
    const QRect seen = m_canvas->transform(Matrix::WidgetToDoc)
                           .mapRect(m_canvas->visibleRegion().boundingRect())
                           .intersected(page);
    return seen.isEmpty() ? page : seen;
}

void LMCanvasToolEnvironment::setReadout(const QString &text, const QPoint &widgetPos)
{
    m_canvas->setReadout(text, widgetPos);
}

void LMCanvasToolEnvironment::setOutlineEditing(bool on)
{
    m_canvas->setOutlineEditing(on);
}

void LMCanvasToolEnvironment::setFrameToolActive(bool on)
{
    m_canvas->setFrameToolActive(on);
}

void LMCanvasToolEnvironment::setMarginToolActive(bool on)
{
    m_canvas->setMarginToolActive(on);
}

void LMCanvasToolEnvironment::setStripMode(bool on)
{
    m_canvas->setStripMode(on);
}
