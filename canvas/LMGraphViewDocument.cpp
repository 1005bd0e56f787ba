// Saving, loading, exporting and importing: the canvas lets its tool go and
// hands the design over; the bytes are the output's and the file's business.
#include "canvas/LMGraphView.h"

#include "base/LMLogging.h"
#include "model/LMDesign.h"
#include "model/LMDocumentFile.h"
#include "model/LMFiles.h"
#include "model/LMPictureClipboard.h"
#include "model/outlines/LMArtFrameFactory.h"
#include "model/output/LMOutput.h"
#include "tools/LMScreenMsgHandlerInf.h"

#include <QFile>

LMOutputJob LMGraphView::fileJob() const
{
    LMOutputJob job;
    job.strips = m_stripMode;
    job.clipToOutline = m_design->clipToOutline();
    return job;
}

bool LMGraphView::save(const QString &path, QString *error)
{
    qCDebug(lcCanvas) << "LMGraphView::save";
    refreshHandler();
    if (!LMOutput::write(path, m_design->toDocument(), m_design->outputShapes(), fileJob(), error))
        return false;
    // Only the design itself keeps everything: an export leaves changes unsaved.
    if (LMOutput::formatOf(path) == LMOutput::Format::Design)
        m_design->setModified(false);
    return true;
}

bool LMGraphView::placePicture(const QImage &picture, const QRect &place)
{
    if (picture.isNull())
        return false;
    apply();
    setHandlerByName(QStringLiteral("img")); // also checks its button
    return m_currentHandler && m_currentHandler->takePicture(picture, place);
}

bool LMGraphView::pastePicture()
{
    QRect from;
    const QImage picture = LMPictureClipboard::picture(&from);
    return placePicture(picture, from);
}

bool LMGraphView::load(const QString &path, QString *reason, QString *warning)
{
    if (!LMFiles::isDocumentName(path)) {
        const LMFiles::Picture read = LMFiles::readPicture(path);
        if (reason)
            *reason = read.tooLarge;
        if (read.image.isNull())
            return false;
        clearDocument();
        // A new design: Undo never reaches the page that was open before.
        m_design->restartHistory();
        setHandlerByName(QStringLiteral("img")); // also checks its button
        if (m_currentHandler)
            m_currentHandler->takePicture(read.image);
        return true;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const std::optional<LMDocument> doc = LMDocumentFile::read(file, reason, warning);
    // An outline the catalogue does not have makes the file a damaged one.
    LMArtFrameFactory *catalogue = m_design->catalogue();
    if (!doc || (catalogue && !catalogue->outlineOf(doc->outlineGroup, doc->outlineIndex)))
        return false;
    // In strip mode the frame level counts strips and may pass the outline's.
    m_design->load(*doc, m_stripMode);
    return true;
}
