// Saving, loading, exporting and importing: the canvas only gathers and
// applies its state; the bytes are the document file's business.
#include "canvas/LMGraphView.h"

#include "base/LMLogging.h"
#include "model/LMDocumentFile.h"
#include "model/LMFiles.h"
#include "model/output/LMPageRenderer.h"
#include "model/outlines/LMArtFrameFactory.h"
#include "tools/frame/LMScreenMsgHandlerImg.h"

#include <QFile>

using LMFiles::isDocumentName;

LMDocument LMGraphView::document() const
{
    LMDocument doc;
    doc.flags = m_flags;
    doc.textureName = m_textureName;
    doc.outlineOffset = m_outlineOffset;
    if (m_catalogue) {
        doc.outlineGroup = m_catalogue->currentGroup();
        doc.outlineIndex = m_catalogue->currentConfig();
    }
    doc.frameColor = m_frameColor.rgba();
    doc.sideColor = m_sideColor.rgba();
    doc.texture = m_frameTexture;
    doc.page = m_raster;
    doc.fontDescription = m_frameText.font().toString();
    doc.frameText = m_frameText.text();
    doc.textColor = m_frameText.fillColor().rgba();
    doc.textEdgeColor = m_frameText.edgeColor().rgba();
    doc.textStroke = m_frameText.strokeOn();
    doc.textEdgeWidth = m_frameText.edgeWidth();
    doc.margins = m_margins;
    return doc;
}

QImage LMGraphView::exportImage() const
{
    return LMPageRenderer::render(document(), outlineShapes());
}

bool LMGraphView::save(const QString &path, QString *error)
{
    qCDebug(lcCanvas) << "LMGraphView::save";
    refreshHandler();
    if (LMFiles::isPdfName(path))
        return LMPrinting::writePdf(path, document(), outlineShapes(), printJob(), nullptr);
    if (!isDocumentName(path))
        return LMFiles::saveImage(path, exportImage(), error);
    if (!LMFiles::saveDesign(path, document(), error))
        return false;
    setModifiedFlag(false);
    return true;
}

bool LMGraphView::placePicture(const QImage &picture)
{
    if (picture.isNull())
        return false;
    apply();
    setHandlerByName(QStringLiteral("img")); // also checks its button
    auto *images = qobject_cast<LMScreenMsgHandlerImg *>(m_currentHandler);
    if (!images)
        return false;
    images->setImage(picture);
    return true;
}

bool LMGraphView::load(const QString &path, QString *reason)
{
    if (!isDocumentName(path)) {
        const LMFiles::Picture read = LMFiles::readPicture(path);
        const QImage &picture = read.image;
        if (reason)
            *reason = read.tooLarge;
        if (picture.isNull())
            return false;
        clearDocument();
        // A new design: Undo never reaches the page that was open before.
        m_history.restart(m_raster, currentPaper());
        setHandlerByName(QStringLiteral("img")); // also checks its button
        if (auto *images = qobject_cast<LMScreenMsgHandlerImg *>(m_currentHandler))
            images->setImage(picture);
        return true;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const std::optional<LMDocument> doc = LMDocumentFile::read(file, reason);
    // An outline the catalogue does not have makes the file a damaged one.
    if (!doc || (m_catalogue && !m_catalogue->outlineOf(doc->outlineGroup, doc->outlineIndex)))
        return false;
    applyDocument(*doc);
    // The opened page is where Undo stops: never another document's page.
    m_history.restart(m_raster, currentPaper());
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
    m_frameTexture = doc.texture;
    m_raster = doc.page.convertToFormat(QImage::Format_RGB32);
    selectOutline(doc.outlineGroup, doc.outlineIndex);
    m_frameColor = QColor::fromRgb(doc.frameColor);
    m_sideColor = QColor::fromRgb(doc.sideColor);
    QFont font;
    if (font.fromString(doc.fontDescription))
        m_frameText.setFont(font);
    m_frameText.setText(doc.frameText);
    m_frameText.setColors(m_frameText.edgeColor(), QColor::fromRgb(doc.textColor));
    setOutlineOffset(doc.outlineOffset);

    // The window shows the document's paper; applying it sizes the page.
    Q_EMIT signal_paperLoaded(m_flags.landscape(), m_flags.paperId(), m_flags.stripMode());
    Q_EMIT signal_printTipVisible(m_flags.outsidePrintable() && !m_flags.stripMode());
    setModifiedFlag(false);
    m_flags.setFrameStage(0);
    m_flags.setOutputRendering(false);
    invalidateTransforms();
    update();
    Q_EMIT signal_frameSettingsChanged();
}
