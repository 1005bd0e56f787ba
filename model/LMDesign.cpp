#include "model/LMDesign.h"

#include "base/LMLogging.h"
#include "model/LMPageDetail.h"
#include "model/LMTransformCache.h"
#include "model/outlines/LMArtFrameFactory.h"
#include "model/output/LMPageRenderer.h"

#include <QPainter>

LMDesign::LMDesign(LMArtFrameFactory *catalogue, QObject *parent)
    : QObject(parent), m_catalogue(catalogue)
{
    m_textureToDecode = QStringLiteral(":/texture/metal0.jpg");
    m_textureName = QStringLiteral("metal0");
    m_flags.setTextureScale(100);
    rebuildShapes();
}

const QImage &LMDesign::texture() const
{
    if (!m_textureToDecode.isEmpty()) {
        m_texture = QImage(m_textureToDecode);
        qCDebug(lcFrame) << "texture decoded:" << m_textureToDecode;
        m_textureToDecode.clear();
    }
    return m_texture;
}

LMDesign::~LMDesign() = default;

LMArtFrameFactory *LMDesign::catalogue() const
{
    return m_catalogue;
}

// ---------------------------------------------------------------- the whole design

LMDocument LMDesign::toDocument() const
{
    LMDocument doc;
    // Only what describes the design: tool bits, the modified bit and the
    // layer stage are the program's state of the moment and stay clear.
    doc.flags = m_flags;
    doc.flags.setOutsidePrintable(m_outsidePrintable);
    doc.textureName = m_textureName;
    doc.outlineOffset = m_outlineOffset;
    doc.outlineGroup = m_outlineGroup;
    doc.outlineIndex = m_outlineIndex;
    doc.frameColor = m_frameColor.rgba();
    doc.sideColor = m_sideColor.rgba();
    doc.texture = texture();
    if (pageIsBlank()) {
        doc.page = LMPageDetail::whitePage(pageSize(), 1);
        if (detail() > 1)
            doc.finePage = LMPageDetail::whitePage(pageSize(), detail());
    } else if (detail() > 1) {
        // Any version-10 reader opens the page at 3 px/mm; the fine page follows.
        doc.page = LMPageDetail::standardOf(m_page, pageSize());
        doc.finePage = m_page; // its pixels count; the ratio is not written
    } else {
        doc.page = m_page;
    }
    doc.fontDescription = m_frameText.font().toString();
    doc.frameText = m_ownFrameText;
    doc.textColor = m_frameText.fillColor().rgba();
    doc.frameTextSeparator = m_frameText.separator();
    doc.frameTextNames = m_frameTextNames;
    doc.textEdgeColor = m_frameText.edgeColor().rgba();
    doc.textStroke = m_frameText.strokeOn();
    doc.textEdgeWidth = m_frameText.edgeWidth();
    doc.margins = m_margins;
    return doc;
}

void LMDesign::load(const LMDocument &doc, bool keepFrameLevel)
{
    LMViewFlags flags = doc.flags;
    // What a file holds of the program's state of the moment is not the design's.
    flags.setOutlineEditing(false);
    flags.setFrameToolActive(false);
    flags.setMarginToolActive(false);
    flags.setStripMode(false);
    flags.setModified(false);
    flags.setFrameStage(0);
    flags.setOutputRendering(false);
    flags.setOutsidePrintable(false);
    m_flags = flags;
    m_textureName = doc.textureName;
    m_texture = doc.texture;
    m_textureToDecode.clear();
    const int k = doc.finePage.isNull() ? 1 : doc.finePage.width() / qMax(1, doc.page.width());
    if (k > 1 && LMPageDetail::isFineOf(doc.finePage.size(), doc.page.size(), k)) {
        QImage fine = doc.finePage.convertToFormat(QImage::Format_RGB32);
        fine.setDevicePixelRatio(k);
        setPageImage(fine);
    } else {
        setPageImage(doc.page.convertToFormat(QImage::Format_RGB32));
    }
    m_outlineGroup = doc.outlineGroup;
    m_outlineIndex = doc.outlineIndex;
    m_outlineOffset = doc.outlineOffset;
    m_frameColor = QColor::fromRgb(doc.frameColor);
    m_sideColor = QColor::fromRgb(doc.sideColor);
    QFont font;
    if (font.fromString(doc.fontDescription))
        m_frameText.setFont(font);
    m_ownFrameText = doc.frameText;
    m_frameText.setSeparator(doc.frameTextSeparator);
    m_frameTextNames = doc.frameTextNames;
    showFrameText();
    m_frameText.setColors(m_frameText.edgeColor(), QColor::fromRgb(doc.textColor));
    const int levels = frameLevelCount();
    if (!keepFrameLevel && m_catalogue && frameLevel() > levels)
        m_flags.setFrameIndex(levels);
    rebuildShapes();
    // The opened page is where Undo stops: never another design's page.
    restartHistory();
    checkPrintable();

    Q_EMIT paperChanged();
    Q_EMIT pageChanged(pageRect());
    Q_EMIT outlineChanged();
    Q_EMIT frameChanged();
    Q_EMIT clipToOutlineChanged(m_flags.clipToOutline());
    setModified(false);
    Q_EMIT loaded();
}

void LMDesign::clear()
{
    // A new design is fine, whatever the one before was.
    const int k = fineDetail();
    // The history goes on: Undo brings the page before New back. A page that
    // was white already gives nothing to bring back.
    if (k != detail() || !m_history.isWhite(m_history.index()))
        m_history.pushWhite(pageSize() * k, k, currentPaper());
    setBlankPage(pageSize(), k);
    // The page itself stays: New keeps the paper and its orientation.
    LMViewFlags fresh = LMViewFlags::atStart();
    fresh.setLandscape(m_flags.landscape());
    fresh.setPaperId(m_flags.paperId());
    m_flags = fresh;
    m_outlineGroup = 0;
    m_outlineIndex = 0;
    // A list of names belongs to the design it was made for: a new one
    // prints once, with the frame text it keeps.
    m_frameTextNames.clear();
    showFrameText();
    rebuildShapes();
    placeOutlineInMiddle();
    Q_EMIT pageChanged(pageRect());
    Q_EMIT frameChanged();
    Q_EMIT clipToOutlineChanged(false);
    setModified(false);
    Q_EMIT loaded();
}

void LMDesign::restartHistory()
{
    if (pageIsBlank())
        m_history.restartWhite(pageSize() * detail(), detail(), currentPaper());
    else
        m_history.restart(m_page, currentPaper());
}

// ---------------------------------------------------------------- modified

void LMDesign::setModified(bool modified)
{
    if (modified == m_modified)
        return;
    m_modified = modified;
    Q_EMIT modifiedChanged(modified);
}

void LMDesign::edited()
{
    setModified(true);
    Q_EMIT changed();
}

// ---------------------------------------------------------------- page and history

bool LMDesign::paintPage(const std::function<bool(QPainter &)> &paint)
{
    bool drew = false;
    {
        QPainter painter(&pixels());
        painter.setRenderHint(QPainter::Antialiasing, true);
        drew = paint(painter);
    }
    if (!drew)
        return false;
    const QRect changed = m_history.push(m_page, currentPaper());
    qCDebug(lcCanvas) << "when Apply" << m_history.index();
    if (!changed.isEmpty())
        Q_EMIT pageChanged(documentRect(changed));
    edited();
    return true;
}

bool LMDesign::undo()
{
    if (!m_history.stepBack())
        return false;
    qCDebug(lcCanvas) << "do Return" << m_history.index();
    showStep(m_history.index() + 1, m_history.index());
    edited();
    return true;
}

bool LMDesign::redo()
{
    if (!m_history.stepForward())
        return false;
    qCDebug(lcCanvas) << "do Redo" << m_history.index();
    showStep(m_history.index() - 1, m_history.index());
    edited();
    return true;
}

void LMDesign::showStep(int from, int to)
{
    const QImage page = m_history.snapshot(to);
    if (page.isNull()) {
        setBlankPage(pageSize(), detail()); // the page before anything was recorded
        Q_EMIT pageChanged(pageRect());
        return;
    }
    const LMHistory::Paper paper = m_history.paper(to);
    const bool resized = page.deviceIndependentSize().toSize() != pageSize();
    const QRect changed = m_history.difference(from, to);
    setPageImage(page);
    if (!changed.isEmpty())
        Q_EMIT pageChanged(documentRect(changed));
    if (paper.paperId < 0 || (paper == currentPaper() && !resized))
        return;
    // A step on another paper brings that paper back.
    m_flags.setPaperId(paper.paperId);
    m_flags.setLandscape(paper.landscape);
    checkPrintable();
    Q_EMIT paperChanged();
}

LMHistory::Paper LMDesign::currentPaper() const
{
    return {m_flags.paperId(), m_flags.landscape()};
}

const QImage &LMDesign::page() const
{
    return pixels();
}

QImage &LMDesign::pixels() const
{
    if (m_page.isNull() && !m_pageSize.isEmpty()) {
        m_page = QImage(m_pageSize * m_detail, QImage::Format_RGB32);
        m_page.setDevicePixelRatio(m_detail);
        m_page.fill(Qt::white);
    }
    return m_page;
}

void LMDesign::setPageImage(const QImage &page)
{
    m_page = page;
    m_detail = qMax(1, qRound(page.devicePixelRatio()));
    m_pageSize = page.deviceIndependentSize().toSize();
}

void LMDesign::setBlankPage(const QSize &size, int k)
{
    m_page = QImage();
    m_pageSize = size;
    m_detail = k;
}

QRect LMDesign::documentRect(const QRect &physical) const
{
    const qreal k = detail();
    return QRectF(physical.x() / k, physical.y() / k, physical.width() / k, physical.height() / k)
        .toAlignedRect()
        .intersected(pageRect());
}

QImage LMDesign::pagePart(const QRect &area) const
{
    const int k = detail();
    return page().copy(QRect(area.topLeft() * k, area.size() * k));
}

int LMDesign::fineDetail() const
{
    return LMPageDetail::forPage(pageSize());
}

void LMDesign::setDetail(int k)
{
    if (k < 1 || k == detail() || pageSize().isEmpty())
        return;
    if (pageIsBlank()) {
        m_history.pushWhite(pageSize() * k, k, currentPaper());
        setBlankPage(pageSize(), k);
    } else {
        QImage page(pageSize() * k, QImage::Format_RGB32);
        page.setDevicePixelRatio(k);
        page.fill(Qt::white);
        {
            QPainter painter(&page);
            painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
            painter.drawImage(QRectF(pageRect()), m_page);
        }
        setPageImage(page);
        m_history.push(m_page, currentPaper());
    }
    Q_EMIT pageChanged(pageRect());
    edited();
}

void LMDesign::setPaper(int paperId, bool landscape, const QSize &size)
{
    const bool first = pageSize().isEmpty();
    const bool resized = pageSize() != size;
    const bool otherPaper = paperId != m_flags.paperId() || landscape != m_flags.landscape();
    m_flags.setPaperId(paperId);
    m_flags.setLandscape(landscape);
    if (resized) {
        // A fine page stays fine, as fine as the new size allows; a new one is fine.
        const int k = first || detail() > 1 ? LMPageDetail::forPage(size) : 1;
        if (pageIsBlank()) {
            setBlankPage(size, k);
        } else {
            // Keep what is drawn: the old page is cropped or extended with white.
            QImage page(size * k, QImage::Format_RGB32);
            page.setDevicePixelRatio(k);
            page.fill(Qt::white);
            QPainter painter(&page);
            painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
            painter.drawImage(0, 0, m_page);
            painter.end();
            setPageImage(page);
        }
    }
    if (first) {
        restartHistory();
    } else if (resized || currentPaper() != m_history.paper(m_history.index())) {
        // Another paper is a step of its own: Undo brings the old one back whole.
        if (pageIsBlank())
            m_history.pushWhite(pageSize() * detail(), detail(), currentPaper());
        else
            m_history.push(m_page, currentPaper());
    }
    if (!first && !resized && !otherPaper)
        return;
    checkPrintable();
    Q_EMIT paperChanged();
    Q_EMIT pageChanged(pageRect());
    if (!first)
        edited();
}

// ---------------------------------------------------------------- margins

void LMDesign::setMargins(double left, double top, double right, double bottom)
{
    const std::array<double, 4> margins = {top, left, bottom, right};
    if (margins == m_margins)
        return;
    m_margins = margins;
    checkPrintable();
    Q_EMIT marginsChanged();
}

QRect LMDesign::printableRect() const
{
    return LMPageRenderer::printableRect(pageRect(), m_margins);
}

void LMDesign::checkPrintable()
{
    const QRect printable = printableRect();
    const QRectF area(QPointF(printable.topLeft()), QPointF(printable.bottomRight()));
    bool outside = false;
    if (!m_shapes.outline.isEmpty()) {
        const QPainterPath placed = outlineToPage().map(m_shapes.outline).simplified();
        outside = !area.contains(placed.boundingRect());
    }
    if (outside == m_outsidePrintable)
        return;
    m_outsidePrintable = outside;
    Q_EMIT outsidePrintableChanged(outside);
}

// ---------------------------------------------------------------- the outline

void LMDesign::rebuildShapes()
{
    m_shapes = m_catalogue ? m_catalogue->shapesAt(m_outlineGroup, m_outlineIndex, frameLevel())
                           : LMOutlineShapes();
}

LMOutlineShapes LMDesign::outputShapes() const
{
    return m_catalogue ? m_catalogue->shapesOf(m_outlineGroup, m_outlineIndex, frameLevel())
                       : LMOutlineShapes();
}

int LMDesign::frameLevelCount() const
{
    return m_catalogue ? m_catalogue->frameLevelCount(m_outlineGroup, m_outlineIndex) : 0;
}

void LMDesign::selectOutline(int group, int index)
{
    // An outline the catalogue lacks would make the design unreadable.
    if (m_catalogue && !m_catalogue->outlineOf(group, index))
        return;
    const bool other = group != m_outlineGroup || index != m_outlineIndex;
    m_outlineGroup = group;
    m_outlineIndex = index;
    // The widest level the new outline offers replaces a level it does not have.
    const int levels = frameLevelCount();
    if (m_catalogue && frameLevel() > levels)
        m_flags.setFrameIndex(levels);
    rebuildShapes();
    const QPoint centred = LMArtFrameFactory::centredOffset(m_shapes.outline, pageSize());
    const bool moved = centred != m_outlineOffset;
    m_outlineOffset = centred;
    checkPrintable();
    Q_EMIT outlineChanged();
    Q_EMIT frameChanged();
    if (other || moved)
        edited();
}

void LMDesign::centreOutline()
{
    setOutlineOffset(LMArtFrameFactory::centredOffset(m_shapes.outline, pageSize()));
}

void LMDesign::placeOutlineInMiddle()
{
    m_outlineOffset = LMArtFrameFactory::centredOffset(m_shapes.outline, pageSize());
    checkPrintable();
    Q_EMIT outlineChanged();
}

void LMDesign::setOutlineOffset(const QPoint &offset)
{
    if (offset == m_outlineOffset)
        return;
    m_outlineOffset = offset;
    checkPrintable();
    Q_EMIT outlineChanged();
    edited();
}

void LMDesign::setOutlineRotation(int degrees)
{
    if (degrees == m_flags.outlineRotation())
        return;
    m_flags.setOutlineRotation(degrees);
    checkPrintable();
    Q_EMIT outlineChanged();
    edited();
}

QTransform LMDesign::outlineToPage() const
{
    LMTransformInputs in;
    in.outlineBounds = m_shapes.outline.boundingRect();
    in.outlineRotation = m_flags.outlineRotation();
    in.outlineOffset = m_outlineOffset;
    in.rasterHeight = pageSize().height();
    LMTransformCache matrices;
    return matrices.get(Matrix::OutlineToDoc, in);
}

void LMDesign::setClipToOutline(bool on)
{
    if (on == m_flags.clipToOutline())
        return;
    m_flags.setClipToOutline(on);
    Q_EMIT clipToOutlineChanged(on);
    edited();
}
