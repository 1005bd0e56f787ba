#pragma once

#include "model/LMDocument.h"
#include "model/LMHistory.h"
#include "model/LMOutlineShapes.h"
#include "model/LMViewFlags.h"
#include "model/frame/LMFrameTextSettings.h"

#include <QColor>
#include <QImage>
#include <QObject>
#include <QPainterPath>
#include <QPointer>
#include <QTransform>

#include <array>
#include <functional>

class LMArtFrameFactory;
class QPainter;

// The design being edited: the page raster and its history, the paper, the
// pouch outline and its placement, the frame effect and its text, and the
// margins. Its setters are the only way to change them; each marks the
// design modified when, and only when, a saved value really changes, and
// announces what changed. Views and panels listen; nothing here knows them.
class LMDesign : public QObject {
    Q_OBJECT
public:
    // `catalogue` gives the outlines by number; not owned, may go first.
    explicit LMDesign(LMArtFrameFactory *catalogue = nullptr, QObject *parent = nullptr);
    ~LMDesign() override;

    LMArtFrameFactory *catalogue() const;

    // --- the whole design as a file holds it
    LMDocument toDocument() const;
    // Replaces the design by `document`; the history starts from its page
    // and the design is unmodified. A frame level beyond the outline's
    // becomes its widest, unless kept (strip mode counts strips with it).
    void load(const LMDocument &document, bool keepFrameLevel = false);
    // New: a white page on the same paper, the first outline in the middle,
    // fresh frame settings. Undo still reaches the page before.
    void clear();
    // An imported picture starts a new design: Undo never reaches the page before.
    void restartHistory();

    // --- modified state
    bool isModified() const { return m_modified; }
    void setModified(bool modified);

    // --- the page raster
    // The page at its detail: k physical pixels for each document pixel
    // (its device pixel ratio); a painter on it works in document pixels.
    // A white page gets its pixels when first asked for them.
    const QImage &page() const;
    // Whether the page is white and holds no pixels yet: views may skip it.
    bool pageIsBlank() const { return m_page.isNull(); }
    // The page's size and area in document pixels, whatever its detail.
    QSize pageSize() const { return m_pageSize; }
    QRect pageRect() const { return QRect(QPoint(0, 0), pageSize()); }
    // Physical pixels per document pixel: 1 for a standard page (see LMPageDetail).
    int detail() const { return m_detail; }
    // The detail a fine page of this size has; 1 where the page is too large.
    int fineDetail() const;
    // Redraws the page at detail `k`, smoothly scaled; one undo step.
    void setDetail(int k);
    // The page's pixels under `area` (document pixels), at the page's detail.
    QImage pagePart(const QRect &area) const;
    // Paints into the page; `paint` tells whether it drew. A drawing is one
    // undo step and a change.
    bool paintPage(const std::function<bool(QPainter &)> &paint);
    const LMHistory &history() const { return m_history; }
    // Steps through the history; false when there is no step to take.
    bool undo();
    bool redo();

    // --- paper: the table's id, orientation and the page's pixel size
    int paperId() const { return m_flags.paperId(); }
    bool landscape() const { return m_flags.landscape(); }
    // Another paper, orientation or size (document pixels): the page is
    // cropped or extended with white at its detail, and the change is one undo step.
    void setPaper(int paperId, bool landscape, const QSize &size);

    // --- margins in millimetres; the printer's, not saved with the design
    const std::array<double, 4> &margins() const { return m_margins; } // top, left, bottom, right
    void setMargins(double left, double top, double right, double bottom);
    // The page inside the margins.
    QRect printableRect() const;
    // Whether the placed outline reaches beyond the margins.
    bool outsidePrintable() const { return m_outsidePrintable; }

    // --- the pouch outline
    int outlineGroup() const { return m_outlineGroup; }
    int outlineIndex() const { return m_outlineIndex; }
    // Another outline, centred; a frame level it lacks becomes its widest.
    void selectOutline(int group, int index);
    const QPainterPath &outlinePath() const { return m_shapes.outline; }
    // The outline, its frame ring at the design's level and the ring's
    // contours, as the screen shows them.
    const LMOutlineShapes &shapes() const { return m_shapes; }
    // The same as every output draws them: a level the outline lacks gives
    // its widest ring, as a file read from disk would.
    LMOutlineShapes outputShapes() const;
    // How many frame levels the outline offers.
    int frameLevelCount() const;
    QPoint outlineOffset() const { return m_outlineOffset; }
    void setOutlineOffset(const QPoint &offset);
    // Puts the outline in the middle of the page.
    void centreOutline();
    int outlineRotation() const { return m_flags.outlineRotation(); }
    void setOutlineRotation(int degrees);
    // Outline units to page pixels: turned about the outline's centre, then moved.
    QTransform outlineToPage() const;
    bool clipToOutline() const { return m_flags.clipToOutline(); }
    void setClipToOutline(bool on);

    // --- the frame effect
    // The saved switches and numbers; tool bits and the modified bit are clear.
    const LMViewFlags &flags() const { return m_flags; }
    int frameLevel() const { return m_flags.frameIndex(); }
    void setFrameLevel(int level);
    // Brings the frame level back within the outline's levels.
    void clampFrameLevel();
    void setFrameEffectOn(bool on);
    void setFrameTextOn(bool on);
    // A built-in texture by name; a name without a picture changes nothing.
    void setTexture(const QString &name);
    // One colour over the whole frame.
    void setFrameColor(const QColor &colour);
    // A picture of the user's as the frame's texture.
    void setFramePicture(const QImage &picture);
    // The strips' sides where the texture does not cover them.
    void setSideColor(const QColor &colour);
    void setTextureTiling(bool tiled, int percent);
    void setStripCount(int count);
    void setStripType(bool thin);
    void setUseHeight(bool on);
    void setExpandToSides(bool on);
    QString textureName() const { return m_textureName; }
    // Decoded on first use: a new design's metal costs nothing at start-up.
    const QImage &texture() const;
    QColor frameColor() const { return m_frameColor; }
    QColor sideColor() const { return m_sideColor; }

    // --- the text along the frame
    // The text as the screen shows it: the first name while a list of names
    // is set, else the user's own text.
    const LMFrameTextSettings &frameText() const { return m_frameText; }
    // The same settings for drawing, which fills their glyph cache.
    LMFrameTextSettings *frameTextForDrawing() { return &m_frameText; }
    // The text the user wrote, which files keep whether or not names stand in for it.
    const QString &ownFrameText() const { return m_ownFrameText; }
    void setFrameText(const QString &text);
    void setFrameTextSeparator(const QString &separator);
    // Names that each take the frame text's place on an insert of their own.
    const QStringList &frameTextNames() const { return m_frameTextNames; }
    void setFrameTextNames(const QStringList &names);
    void setFrameTextFont(const QFont &font);
    void setFrameTextColors(const QColor &edge, const QColor &fill);
    void setFrameTextStroke(bool on);
    void setFrameTextEdgeWidth(int width);

Q_SIGNALS:
    // The design was replaced whole (opened, New): every view reads it again.
    void loaded();
    // Exactly when the modified flag flips.
    void modifiedChanged(bool modified);
    // Once per edit of a saved value.
    void changed();
    // Pixels of the page changed (the whole page: its size may have too).
    void pageChanged(const QRect &rect);
    // Paper, orientation or page size; also when Undo brings another paper back.
    void paperChanged();
    // Another outline, or its place, turn or frame ring.
    void outlineChanged();
    // The frame effect's look: texture, colours, switches, strips, text.
    void frameChanged();
    void clipToOutlineChanged(bool on);
    void marginsChanged();
    // The outline came to reach beyond the margins, or back inside.
    void outsidePrintableChanged(bool outside);

private:
    // A saved value changed: modified, and one `changed`.
    void edited();
    void frameEdited();
    // The first name while there is a list, else the user's own text.
    void showFrameText();
    void rebuildShapes();
    // Centres the outline as part of a larger change, which says itself
    // whether the design was edited.
    void placeOutlineInMiddle();
    void checkPrintable();
    void showStep(int from, int to);
    void setPageImage(const QImage &page);
    void setBlankPage(const QSize &size, int k);
    // The page's pixels, allocated white if it had none yet.
    QImage &pixels() const;
    // Physical pixels of the page to the document pixels that cover them.
    QRect documentRect(const QRect &physical) const;
    LMHistory::Paper currentPaper() const;

    QPointer<LMArtFrameFactory> m_catalogue;
    mutable QImage m_page; // null while the page is white and unallocated
    QSize m_pageSize;      // document pixels
    int m_detail = 1;
    LMHistory m_history;
    LMViewFlags m_flags = LMViewFlags::atStart();
    int m_outlineGroup = 0;
    int m_outlineIndex = 0;
    QPoint m_outlineOffset;
    LMOutlineShapes m_shapes;
    QString m_textureName;
    mutable QImage m_texture;
    mutable QString m_textureToDecode; // a resource not decoded yet
    QColor m_frameColor = QColor::fromRgba(LMDocument::DefaultFrameColor);
    QColor m_sideColor = QColor::fromRgba(LMDocument::DefaultSideColor);
    LMFrameTextSettings m_frameText;
    QString m_ownFrameText = m_frameText.text();
    QStringList m_frameTextNames;
    std::array<double, 4> m_margins = {10.0, 10.0, 10.0, 10.0};
    bool m_outsidePrintable = false;
    bool m_modified = false;
};
