#pragma once

#include "model/LMDocument.h"
#include "model/LMHistory.h"
#include "model/output/LMPrinting.h"
#include "model/LMTransformCache.h"
#include "model/LMViewFlags.h"
#include "model/frame/LMFrameLayer.h"
#include "model/frame/LMFrameTextSettings.h"
#include "model/frame/LMStripSheet.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QPainterPath>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <array>

class LMArtFrameFactory;
class QPrinter;
class LMGraphFuncInf;
class LMScreenMsgHandlerInf;
class LMToolCanvas;
class QMenu;

// The drawing surface and the document in one: the page raster, the items
// still being edited on it, the view and frame-effect state, and the tools.
// The page is a raster of 3 pixels per millimetre shown at `zoom`, offset by
// (20, 25) document pixels inside the widget. It knows nothing of the window
// around it: every change it makes is announced by a signal.
class LMGraphView : public QWidget {
    Q_OBJECT
public:
    explicit LMGraphView(QWidget *mainWindow);
    ~LMGraphView() override;

    // --- tools
    void setHandler(LMScreenMsgHandlerInf *tool);
    void setHandlerByName(const QString &name);
    void refreshHandler();
    LMScreenMsgHandlerInf *currentHandler() const { return m_currentHandler; }
    // What the tools see of the canvas.
    LMToolCanvas *toolCanvas() const { return m_toolCanvas; }

    // --- items drawn but not yet committed (owned)
    void addLiveItem(LMGraphFuncInf *item);
    const QList<LMGraphFuncInf *> &liveItems() const { return m_liveItems; }
    LMGraphFuncInf *lastLiveItem() const
    {
        return m_liveItems.isEmpty() ? nullptr : m_liveItems.last();
    }

    // --- history
    // Commits the live items into the page; when any drew, a step is
    // recorded and the design is modified. True when something was drawn.
    bool apply();
    void undo();
    // Leaves no tool current: the current one is deactivated first.
    void redo();
    const LMHistory &history() const { return m_history; }

    // --- page
    QImage &rasterImage() { return m_raster; }
    const QImage &rasterImage() const { return m_raster; }
    // The page's size at the current paper; a zoom alone changes no step.
    void setPage(int width, int height, double zoom);
    // Another paper or orientation: the page is cropped or extended and the
    // change is one undo step.
    void setPaper(int paperId, bool landscape, const QSize &size, double zoom);
    double zoom() const { return m_zoom; }
    QRectF paperRect() const { return m_paperRect; }
    QPoint toDocument(const QPoint &widgetPos) const;

    // --- margins in millimetres and the printable area
    void setMargins(double left, double top, double right, double bottom);
    // The margins tool is current: the guide is drawn bold, red when the
    // outline crosses it.
    void setMarginToolActive(bool on);
    void getMargins(double &left, double &top, double &right, double &bottom) const;
    QRect printableRect(const QRect &rect) const;
    void checkPrintable();

    // --- the pouch outline's placement on the page
    // The catalogue whose current outline the page shows; the canvas follows
    // its announcements from then on.
    void setCatalogue(LMArtFrameFactory *catalogue);
    LMArtFrameFactory *catalogue() const;
    const QPainterPath &outlinePath() const;
    QPoint outlineOffset() const { return m_outlineOffset; }
    void setOutlineOffset(const QPoint &offset);
    void setOutlineRotation(int degrees);
    // Whether a widget point lies inside the placed (turned, moved) outline.
    bool outlineContainsWidgetPoint(const QPoint &widgetPos);

    // --- the outline and frame-effect layer
    // The finished layer last shown on screen; null until one is finished.
    const LMFrameLayer::Image &frameImage() const { return m_frameImage; }

    // --- frame texture and colours; each restarts the frame layer
    // A built-in texture by name; a name without a picture changes nothing.
    void setTexture(const QString &name);
    // One colour over the whole frame.
    void setFrameColor(const QColor &colour);
    // A picture of the user's as the frame's texture.
    void setFramePicture(const QImage &picture);
    // The strips' sides where the texture does not cover them.
    void setSideColor(const QColor &colour);
    QString textureName() const { return m_textureName; }
    const QImage &frameTexture() const { return m_frameTexture; }
    QColor frameColor() const { return m_frameColor; }
    QColor sideColor() const { return m_sideColor; }

    // --- view state; every setter repaints
    const LMViewFlags &flags() const { return m_flags; }
    void setClipToOutline(bool on);
    void setLandscape(bool on);
    void setPaperId(int id);
    void setModifiedFlag(bool on);
    // The design changed: the modified flag is set and announced.
    void markModified();
    void setTextureScale(int percent);
    void setTextureTiling(bool tiled, int percent);
    void setFrameEffectOn(bool on);
    void setFrameTextOn(bool on);
    void setFrameToolActive(bool on);
    void setStripCount(int count);
    void setStripType(bool thin);
    void setUseHeight(bool on);
    void setExpandToSides(bool on);
    // The frame text's look changed: the layer is drawn anew.
    void frameTextChanged();
    // Strip mode shows the strip sheet instead of the design; leaving it
    // brings the frame level back within the outline's levels.
    void setStripMode(bool on);
    void setOutlineEditing(bool on);
    void setFrameStage(int stage);
    // The frame level; the outline's frame ring follows.
    void setFrameIndex(int level);

    const QTransform &transform(Matrix::Id index);
    void invalidateTransforms() { m_transforms.invalidate(); }

    // New document: white page, fresh state, the hand tool.
    void clearDocument();

    // --- files
    // A name ending in ".lmx" writes the design, any other name exports the
    // page as an image of that suffix's format. Writes to a temporary file
    // and renames it over the target, so a failed save leaves the old file
    // and puts the system's reason in `error`.
    bool save(const QString &path, QString *error = nullptr);
    // A ".lmx" name reads a design, any other name imports a picture as a new
    // design. Nothing changes unless the whole file was read and checked. A
    // file refused for a picture's size says why in `reason`.
    bool load(const QString &path, QString *reason = nullptr);
    // The picture in the image tool's frame, to move and scale before it is
    // applied; the image tool becomes current. False for a null picture.
    bool placePicture(const QImage &picture);
    // The design as a file holds it, and the design from a file.
    LMDocument document() const;
    void applyDocument(const LMDocument &document);
    // The page as exported and printed: with the outline and frame layer.
    QImage exportImage() const;

    // --- printing
    // What a printout holds now: the page or, in strip mode, the strip sheet,
    // moved by the print offset.
    LMPrinting::Job printJob() const;
    // Prints onto a set-up printer; false with `error` when the printer fails.
    bool printTo(QPrinter &printer, QString *error);
    // Millimetres the whole printout moves, for printers that shift the page.
    void setPrintOffset(const QPointF &offsetMm);
    QPointF printOffset() const { return m_printOffset; }

    LMFrameTextSettings &frameTextSettings() { return m_frameText; }

    // The modifiers held with the key being handed to the tool.
    Qt::KeyboardModifiers keyModifiers() const { return m_keyModifiers; }

    // The right-click menu's entries for a click at `widgetPos`.
    void fillContextMenu(QMenu *menu, const QPoint &widgetPos);

Q_SIGNALS:
    void signal_modifiedChanged(bool modified);
    // Another tool is current (null: none); the window shows its panel.
    void signal_handlerChanged(LMScreenMsgHandlerInf *tool);
    // A tool was chosen by name; its palette button shows it.
    void signal_toolChosen(const QString &name);
    void signal_printTipVisible(bool visible);
    // The frame settings changed other than through the frame panel (a loaded
    // design, strip mode left): an open frame panel reads them again.
    void signal_frameSettingsChanged();
    // A loaded design's paper: the window's page controls follow and size the page.
    void signal_paperLoaded(bool landscape, int paperId, bool stripMode);
    // The page's size or zoom changed.
    void signal_zoomChanged();
    void signal_clipToOutlineChanged(bool on);
    // Ctrl and the wheel: zoom by `steps` about `widgetPos`.
    void signal_zoomWheel(int steps, const QPoint &widgetPos);

public Q_SLOTS:
    void slot_ChangeHandler();
    // Draws the printout onto `printer` (the preview asks through this).
    void slot_PrintPainter(QPrinter *printer);
    // Centres the current outline on the page.
    void slot_ToCenter();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    // Tab goes to the tools (it types spaces into text), not to the next widget.
    bool focusNextPrevChild(bool next) override;

private:
    bool paintLiveItemsIntoPage();
    void createTools();
    void dropCurrentHandler();
    void showStep(int k);
    void showZoom(double zoom);
    LMHistory::Paper currentPaper() const;
    LMTransformInputs transformInputs() const;
    LMOutlineShapes outlineShapes() const;
    void paintMarginGuide(QPainter &painter);
    void paintFrameLayer(QPainter &painter);
    LMStripSheetInputs stripSheetInputs();
    void paintUnprintableArea(QPainter &painter);
    void copyFrameContent();
    void selectOutline(int group, int index);
    void slot_outlineChanged();
    void slot_shapesChanged();

    QImage m_frameTexture;
    QColor m_frameColor = QColor::fromRgba(LMDocument::DefaultFrameColor);
    QColor m_sideColor = QColor::fromRgba(LMDocument::DefaultSideColor);
    LMToolCanvas *m_toolCanvas = nullptr;
    QPointer<LMArtFrameFactory> m_catalogue; // not owned; may go first
    LMScreenMsgHandlerInf *m_currentHandler = nullptr;
    QList<LMGraphFuncInf *> m_liveItems;
    QImage m_raster;
    QString m_textureName;
    double m_zoom = 100.0;
    std::array<double, 4> m_margins = {10.0, 10.0, 10.0, 10.0}; // top, left, bottom, right
    QPoint m_outlineOffset;
    LMViewFlags m_flags = LMViewFlags::atStart();
    QRectF m_paperRect;
    LMHistory m_history;
    LMTransformCache m_transforms;
    LMFrameTextSettings m_frameText;
    LMFrameLayer::Image m_frameImage;
    LMFrameLayer::Image m_frameWork;
    LMStripSheet m_stripSheet;
    QPointF m_printOffset;
    QTimer m_stageTimer;
    Qt::KeyboardModifiers m_keyModifiers;
};
