// The frame effect's settings and the text along the frame. Each setter
// changes the design only when the value really differs.
#include "model/LMDesign.h"
#include "model/LMDocumentFile.h"

namespace {
// A plain colour is a tiny tile of it, so colour and texture fill alike.
QImage colourTile(const QColor &colour)
{
    QImage tile(4, 4, QImage::Format_ARGB32);
    tile.fill(colour);
    return tile;
}
} // namespace

void LMDesign::frameEdited()
{
    Q_EMIT frameChanged();
    edited();
}

void LMDesign::setFrameLevel(int level)
{
    if (level == m_flags.frameIndex())
        return;
    m_flags.setFrameIndex(level);
    rebuildShapes();
    checkPrintable();
    Q_EMIT outlineChanged();
    frameEdited();
}

void LMDesign::clampFrameLevel()
{
    // Strip counts go up to three; a frame cannot be wider than its outline allows.
    const int levels = frameLevelCount();
    if (levels > 0 && frameLevel() > levels)
        setFrameLevel(levels);
}

void LMDesign::setFrameEffectOn(bool on)
{
    if (on == m_flags.frameEffectOn())
        return;
    m_flags.setFrameEffectOn(on);
    frameEdited();
}

void LMDesign::setFrameTextOn(bool on)
{
    if (on == m_flags.frameTextOn())
        return;
    m_flags.setFrameTextOn(on);
    frameEdited();
}

void LMDesign::setTexture(const QString &name)
{
    const QImage texture(QStringLiteral(":/texture/%1.jpg").arg(name));
    if (texture.isNull())
        return;
    if (name == m_textureName && m_flags.textureScale() == 100)
        return;
    m_texture = texture;
    m_textureToDecode.clear();
    m_textureName = name;
    m_flags.setTextureScale(100);
    frameEdited();
}

void LMDesign::setFrameColor(const QColor &colour)
{
    const QString name = QStringLiteral("color");
    if (name == m_textureName && colour == m_frameColor && m_flags.textureScale() == 100)
        return;
    m_texture = colourTile(colour);
    m_textureToDecode.clear();
    m_textureName = name;
    m_frameColor = colour;
    m_flags.setTextureScale(100);
    frameEdited();
}

void LMDesign::setFramePicture(const QImage &picture)
{
    if (picture.isNull())
        return;
    m_texture = picture;
    m_textureToDecode.clear();
    m_textureName.clear();
    m_flags.setTextureScale(100);
    frameEdited();
}

void LMDesign::setSideColor(const QColor &colour)
{
    if (colour == m_sideColor)
        return;
    m_sideColor = colour;
    frameEdited();
}

void LMDesign::setTextureTiling(bool tiled, int percent)
{
    percent = qBound(0, percent, 100);
    if (tiled == m_flags.textureTiled() && percent == m_flags.textureScale())
        return;
    m_flags.setTextureTiled(tiled);
    m_flags.setTextureScale(percent);
    frameEdited();
}

void LMDesign::setStripCount(int count)
{
    count = qBound(1, count, 31);
    if (count == m_flags.stripCount())
        return;
    m_flags.setStripCount(count);
    frameEdited();
}

void LMDesign::setStripType(bool thin)
{
    if (thin == m_flags.stripType())
        return;
    m_flags.setStripType(thin);
    frameEdited();
}

void LMDesign::setUseHeight(bool on)
{
    if (on == m_flags.useHeight())
        return;
    m_flags.setUseHeight(on);
    frameEdited();
}

void LMDesign::setExpandToSides(bool on)
{
    if (on == m_flags.expandToSides())
        return;
    m_flags.setExpandToSides(on);
    frameEdited();
}

// ---------------------------------------------------------------- frame text

void LMDesign::setFrameText(const QString &text)
{
    if (text == m_ownFrameText)
        return;
    m_ownFrameText = text;
    showFrameText();
    frameEdited();
}

void LMDesign::showFrameText()
{
    const QString &shown = m_frameTextNames.isEmpty() ? m_ownFrameText : m_frameTextNames.first();
    if (shown != m_frameText.text())
        m_frameText.setText(shown);
}

void LMDesign::setFrameTextSeparator(const QString &separator)
{
    if (separator == m_frameText.separator())
        return;
    m_frameText.setSeparator(separator);
    frameEdited();
}

void LMDesign::setFrameTextNames(const QStringList &names)
{
    const QStringList clean = LMDocumentFile::cleanNames(names).mid(0, LMDocument::MaxNames);
    if (clean == m_frameTextNames)
        return;
    m_frameTextNames = clean;
    showFrameText();
    frameEdited();
}

void LMDesign::setFrameTextFont(const QFont &font)
{
    if (font == m_frameText.font())
        return;
    m_frameText.setFont(font);
    frameEdited();
}

void LMDesign::setFrameTextColors(const QColor &edge, const QColor &fill)
{
    if (edge == m_frameText.edgeColor() && fill == m_frameText.fillColor())
        return;
    const bool savedValue = fill != m_frameText.fillColor();
    m_frameText.setColors(edge, fill);
    // The edge's look is not kept in files: it is no change to the design.
    if (savedValue)
        frameEdited();
    else
        Q_EMIT frameChanged();
}

void LMDesign::setFrameTextStroke(bool on)
{
    if (on == m_frameText.strokeOn())
        return;
    m_frameText.setStroke(on);
    Q_EMIT frameChanged();
}

void LMDesign::setFrameTextEdgeWidth(int width)
{
    if (width == m_frameText.edgeWidth())
        return;
    m_frameText.setEdgeWidth(width);
    Q_EMIT frameChanged();
}
