// Saving, loading, exporting and importing: the canvas only gathers and
// applies its state; the bytes are the document file's business.
#include "canvas/LMGraphView.h"

#include "app/LMMainWidget.h"
#include "canvas/LMDocumentFile.h"
#include "outlines/LMArtFrameFactory.h"
#include "tools/LMScreenMsgHandlerImg.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

namespace {
bool isDocumentName(const QString &path)
{
    return path.endsWith(QLatin1String(".lmx")); // case-sensitive, as names are matched everywhere
}
} // namespace

LMDocument LMGraphView::document() const
{
    LMDocument doc;
    doc.flags = m_flags;
    doc.textureName = m_textureName;
    doc.outlineOffset = m_outlineOffset;
    if (const LMArtFrameFactory *catalogue = LMArtFrameFactory::instance()) {
        doc.outlineGroup = catalogue->currentGroup();
        doc.outlineIndex = catalogue->currentConfig();
    }
    doc.frameColor = m_frameColor.rgba();
    doc.sideColor = m_sideColor.rgba();
    doc.texture = m_frameTexture.toImage();
    doc.page = m_raster;
    doc.fontDescription = m_frameText.font.toString();
    doc.frameText = m_frameText.text;
    doc.textColor = m_frameText.fillColor.rgba();
    return doc;
}

QImage LMGraphView::exportImage()
{
    QImage page = m_raster.copy();
    m_flags.setOutputRendering(true);
    if (!outlinePath().isEmpty()) {
        const LMFrameLayer::Image layer = outputFrameLayer();
        QPainter painter(&page);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.setTransform(transform(6));
        painter.drawImage(-layer.origin, layer.image);
    }
    m_flags.setOutputRendering(false);
    return page;
}

bool LMGraphView::save(const QString &path)
{
    qDebug() << "LMGraphView::save";
    refreshHandler();
    QSaveFile file(path);
    if (!isDocumentName(path)) {
        const QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
        if (format.isEmpty() || !QImageWriter::supportedImageFormats().contains(format))
            return false;
        if (!file.open(QIODevice::WriteOnly))
            return false;
        QImageWriter writer(&file, format);
        return writer.write(exportImage()) && file.commit();
    }
    const QByteArray bytes = LMDocumentFile::write(document());
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return false;
    m_flags.setModified(false);
    return true;
}

bool LMGraphView::load(const QString &path)
{
    if (!isDocumentName(path)) {
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        const QImage picture = reader.read();
        if (picture.isNull())
            return false;
        clearDocument();
        setHandlerByName(QStringLiteral("img")); // also checks its button
        if (auto *images = qobject_cast<LMScreenMsgHandlerImg *>(m_currentHandler))
            images->setImage(picture);
        return true;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const std::optional<LMDocument> doc = LMDocumentFile::read(file);
    if (!doc)
        return false;
    applyDocument(*doc);
    return true;
}

void LMGraphView::applyDocument(const LMDocument &doc)
{
    // These describe the current tool, not the document.
    const bool outlineEditing = m_flags.outlineEditing();
    const bool frameToolActive = m_flags.frameToolActive();
    const bool stripMode = m_flags.stripMode();
    m_flags = doc.flags;
    m_flags.setOutlineEditing(outlineEditing);
    m_flags.setFrameToolActive(frameToolActive);
    m_flags.setStripMode(stripMode);

    m_textureName = doc.textureName;
    m_frameTexture = QPixmap::fromImage(doc.texture);
    m_raster = doc.page.convertToFormat(QImage::Format_RGB32);
    if (LMArtFrameFactory *catalogue = LMArtFrameFactory::instance())
        catalogue->selectOutline(doc.outlineGroup, doc.outlineIndex);
    m_frameColor = QColor::fromRgb(doc.frameColor);
    m_sideColor = QColor::fromRgb(doc.sideColor);
    QFont font;
    if (font.fromString(doc.fontDescription))
        m_frameText.font = font;
    m_frameText.text = doc.frameText;
    m_frameText.fillColor = QColor::fromRgb(doc.textColor);
    setOutlineOffset(doc.outlineOffset);

    // The window shows the document's paper; applying it sizes the page.
    if (LMMainWidget *window = LMMainWidget::instance())
        window->showPage(m_flags.landscape(), m_flags.paperId(), m_flags.stripMode());
    m_flags.setModified(false);
    m_flags.setFrameStage(0);
    m_flags.setOutputRendering(false);
    invalidateTransforms();
    update();
}
