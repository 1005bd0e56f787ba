// The frame effect's settings: texture, colours, strips and the flags the
// frame panel and the frame tools change. Each restarts the frame layer
// where its look depends on it, and repaints.
#include "canvas/LMGraphView.h"

#include "model/output/LMPageRenderer.h"
#include "model/outlines/LMArtFrameFactory.h"

namespace {
// A plain colour is a tiny tile of it, so colour and texture fill alike.
QImage colourTile(const QColor &colour)
{
    QImage tile(4, 4, QImage::Format_ARGB32);
    tile.fill(colour);
    return tile;
}
} // namespace

void LMGraphView::setTexture(const QString &name)
{
    const QImage texture(QStringLiteral(":/texture/%1.jpg").arg(name));
    if (!texture.isNull()) {
        m_frameTexture = texture;
        m_textureName = name;
        m_flags.setFrameStage(0);
        m_flags.setTextureScale(100);
    }
    update();
}

void LMGraphView::setFrameColor(const QColor &colour)
{
    m_frameTexture = colourTile(colour);
    m_textureName = QStringLiteral("color");
    m_frameColor = colour;
    m_flags.setFrameStage(0);
    m_flags.setTextureScale(100);
    update();
}

void LMGraphView::setFramePicture(const QImage &picture)
{
    if (picture.isNull())
        return;
    m_frameTexture = picture;
    m_textureName.clear();
    m_flags.setFrameStage(0);
    m_flags.setTextureScale(100);
    update();
}

void LMGraphView::setSideColor(const QColor &colour)
{
    m_sideColor = colour;
    update();
}

void LMGraphView::setTextureScale(int percent)
{
    setTextureTiling(m_flags.textureTiled(), percent);
}

void LMGraphView::setTextureTiling(bool tiled, int percent)
{
    m_flags.setTextureTiled(tiled);
    m_flags.setTextureScale(qBound(0, percent, 100));
    m_flags.setFrameStage(0);
    update();
}

void LMGraphView::setFrameEffectOn(bool on)
{
    m_flags.setFrameEffectOn(on);
    m_flags.setFrameStage(0);
    update();
}

void LMGraphView::setFrameTextOn(bool on)
{
    m_flags.setFrameTextOn(on);
    m_flags.setFrameStage(0);
    update();
}

void LMGraphView::setFrameToolActive(bool on)
{
    m_flags.setFrameToolActive(on);
    m_flags.setFrameStage(0);
    update();
}

void LMGraphView::setStripCount(int count)
{
    m_flags.setStripCount(qBound(1, count, 31));
    update();
}

void LMGraphView::setStripType(bool thin)
{
    m_flags.setStripType(thin);
    // The text rows along the frame follow the strip width.
    m_flags.setFrameStage(0);
    update();
}

void LMGraphView::setUseHeight(bool on)
{
    m_flags.setUseHeight(on);
    update();
}

void LMGraphView::setExpandToSides(bool on)
{
    m_flags.setExpandToSides(on);
    update();
}

void LMGraphView::setMarginToolActive(bool on)
{
    m_flags.setMarginToolActive(on);
    update();
}

void LMGraphView::frameTextChanged()
{
    m_flags.setFrameStage(0);
    update();
}

void LMGraphView::setStripMode(bool on)
{
    m_flags.setStripMode(on);
    m_flags.setFrameStage(0);
    update();
    if (!on && m_catalogue) {
        // Strip counts go up to three; a frame cannot be wider than its outline allows.
        const int levels = m_catalogue->frameLevelCount();
        if (levels > 0 && m_flags.frameIndex() > levels)
            setFrameIndex(levels);
        Q_EMIT signal_frameSettingsChanged();
    }
    // The tip explains the red area, which strip mode does not show.
    Q_EMIT signal_printTipVisible(!on && m_flags.outsidePrintable());
}

LMStripSheetInputs LMGraphView::stripSheetInputs()
{
    LMStripSheetInputs in;
    in.page = m_raster.size();
    in.landscape = m_flags.landscape();
    in.printable = printableRect(m_raster.rect());
    in.strips.thin = m_flags.stripType();
    in.strips.count = m_flags.stripCount();
    in.strips.sides = m_flags.useHeight();
    in.expandToSides = m_flags.expandToSides();
    in.sideColor = m_sideColor;
    in.texture = m_frameTexture;
    in.textureTiled = m_flags.textureTiled();
    in.textureScale = m_flags.textureScale();
    in.text = m_flags.frameTextOn() ? &m_frameText : nullptr;
    return in;
}
