#include "tools/LMToolCanvas.h"

#include "canvas/LMGraphView.h"

LMToolCanvas::LMToolCanvas(LMGraphView *canvas) : QObject(canvas), m_canvas(canvas)
{
    connect(canvas, &LMGraphView::signal_zoomChanged, this, &LMToolCanvas::signal_zoomChanged);
    connect(canvas, &LMGraphView::signal_clipToOutlineChanged, this,
            &LMToolCanvas::signal_clipToOutlineChanged);
    connect(canvas, &LMGraphView::signal_frameSettingsChanged, this,
            &LMToolCanvas::signal_frameSettingsChanged);
}

QWidget *LMToolCanvas::widget() const
{
    return m_canvas;
}

void LMToolCanvas::update()
{
    m_canvas->update();
}

void LMToolCanvas::setCursor(const QCursor &cursor)
{
    m_canvas->setCursor(cursor);
}

Qt::KeyboardModifiers LMToolCanvas::keyModifiers() const
{
    return m_canvas->keyModifiers();
}

void LMToolCanvas::addLiveItem(LMGraphFuncInf *item)
{
    m_canvas->addLiveItem(item);
}

LMGraphFuncInf *LMToolCanvas::lastLiveItem() const
{
    return m_canvas->lastLiveItem();
}

bool LMToolCanvas::apply()
{
    return m_canvas->apply();
}

double LMToolCanvas::zoom() const
{
    return m_canvas->zoom();
}

const QTransform &LMToolCanvas::transform(Matrix::Id matrix)
{
    return m_canvas->transform(matrix);
}

QRect LMToolCanvas::pageRect() const
{
    return m_canvas->rasterImage().rect();
}

QImage LMToolCanvas::pageImage() const
{
    return m_canvas->rasterImage();
}

LMArtFrameFactory *LMToolCanvas::catalogue() const
{
    return m_canvas->catalogue();
}

const QPainterPath &LMToolCanvas::outlinePath() const
{
    return m_canvas->outlinePath();
}

QPoint LMToolCanvas::outlineOffset() const
{
    return m_canvas->outlineOffset();
}

void LMToolCanvas::setOutlineOffset(const QPoint &offset)
{
    m_canvas->setOutlineOffset(offset);
}

int LMToolCanvas::outlineRotation() const
{
    return m_canvas->flags().outlineRotation();
}

void LMToolCanvas::setOutlineRotation(int degrees)
{
    m_canvas->setOutlineRotation(degrees);
}

bool LMToolCanvas::clipToOutline() const
{
    return m_canvas->flags().clipToOutline();
}

void LMToolCanvas::setClipToOutline(bool on)
{
    m_canvas->setClipToOutline(on);
}

void LMToolCanvas::setOutlineEditing(bool on)
{
    m_canvas->setOutlineEditing(on);
}

void LMToolCanvas::markModified()
{
    m_canvas->markModified();
}
