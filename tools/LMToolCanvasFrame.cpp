// What the page-level tools (margins, frame effect, strips) reach of the canvas.
#include "tools/LMToolCanvas.h"

#include "canvas/LMGraphView.h"
#include "model/outlines/LMArtFrameFactory.h"

void LMToolCanvas::margins(double &left, double &top, double &right, double &bottom) const
{
    m_canvas->getMargins(left, top, right, bottom);
}

void LMToolCanvas::setMargins(double left, double top, double right, double bottom)
{
    m_canvas->setMargins(left, top, right, bottom);
    m_canvas->update();
}

void LMToolCanvas::setMarginToolActive(bool on)
{
    m_canvas->setMarginToolActive(on);
}

const LMViewFlags &LMToolCanvas::flags() const
{
    return m_canvas->flags();
}

QPainterPath LMToolCanvas::framePath() const
{
    LMArtFrameFactory *catalogue = m_canvas->catalogue();
    return catalogue ? catalogue->currentShapes().frame : QPainterPath();
}

QString LMToolCanvas::textureName() const
{
    return m_canvas->textureName();
}

QColor LMToolCanvas::frameColor() const
{
    return m_canvas->frameColor();
}

QColor LMToolCanvas::sideColor() const
{
    return m_canvas->sideColor();
}

void LMToolCanvas::setTexture(const QString &name)
{
    m_canvas->setTexture(name);
}

void LMToolCanvas::setFrameColor(const QColor &colour)
{
    m_canvas->setFrameColor(colour);
}

void LMToolCanvas::setFramePicture(const QImage &picture)
{
    m_canvas->setFramePicture(picture);
}

void LMToolCanvas::setSideColor(const QColor &colour)
{
    m_canvas->setSideColor(colour);
}

void LMToolCanvas::setTextureTiling(bool tiled, int percent)
{
    m_canvas->setTextureTiling(tiled, percent);
}

void LMToolCanvas::setFrameEffectOn(bool on)
{
    m_canvas->setFrameEffectOn(on);
}

void LMToolCanvas::setFrameTextOn(bool on)
{
    m_canvas->setFrameTextOn(on);
}

void LMToolCanvas::setFrameToolActive(bool on)
{
    m_canvas->setFrameToolActive(on);
}

void LMToolCanvas::setFrameIndex(int level)
{
    m_canvas->setFrameIndex(level);
}

void LMToolCanvas::setStripCount(int count)
{
    m_canvas->setStripCount(count);
}

void LMToolCanvas::setStripType(bool thin)
{
    m_canvas->setStripType(thin);
}

void LMToolCanvas::setUseHeight(bool on)
{
    m_canvas->setUseHeight(on);
}

void LMToolCanvas::setExpandToSides(bool on)
{
    m_canvas->setExpandToSides(on);
}

void LMToolCanvas::setStripMode(bool on)
{
    m_canvas->setStripMode(on);
}

LMFrameTextSettings &LMToolCanvas::frameText()
{
    return m_canvas->frameTextSettings();
}

void LMToolCanvas::frameTextChanged()
{
    m_canvas->frameTextChanged();
}
