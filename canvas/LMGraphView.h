#pragma once

#include "canvas/LMZoomedPage.h"
#include "model/LMTransformCache.h"
#include "model/frame/LMFrameLayer.h"
#include "model/frame/LMStripSheet.h"
#include "model/output/LMOutputJob.h"

#include <QImage>
#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <memory>

class LMCanvasToolEnvironment;
class LMDesign;
class LMGraphFuncInf;
class LMScreenMsgHandlerInf;
class LMToolEnvironment;
class QMenu;

// The drawing surface: shows a design (the page raster, the outline and its
// frame layer, the margin guide) at `zoom`, offset by (20, 25) document
// pixels inside the widget, hands pointer and key events to the current
// tool and paints the items it is still editing. It listens to the design
// and knows nothing of the window around it: what it changes of its own is
// announced by a signal.
class LMGraphView : public QWidget {
    Q_OBJECT
public:
    // `design` is not owned and must outlive the canvas.
    explicit LMGraphView(LMDesign *design, QWidget *parent = nullptr);
    ~LMGraphView() override;

    LMDesign &design() const { return *m_design; }

    // --- tools; each is a child of the canvas, named by its id
    void setHandler(LMScreenMsgHandlerInf *tool);
    void setHandlerByName(const QString &name);
    // The current tool lets go of what it holds and takes it up again.
    void refreshHandler();
    LMScreenMsgHandlerInf *currentHandler() const { return m_currentHandler; }
    LMScreenMsgHandlerInf *tool(const QString &name) const;
    // What the tools see of the canvas.
    LMToolEnvironment *toolEnvironment() const;

    // --- items drawn but not yet committed (owned)
    void addLiveItem(LMGraphFuncInf *item);
    const QList<LMGraphFuncInf *> &liveItems() const { return m_liveItems; }
    LMGraphFuncInf *lastLiveItem() const
    {
        return m_liveItems.isEmpty() ? nullptr : m_liveItems.last();
    }

    // --- history
    // Commits the live items into the page; when any drew, that is one undo
    // step. True when something was drawn.
    bool apply();
    void undo();
    // Leaves no tool current: the current one is deactivated first.
    void redo();

    // --- page and zoom
    const QImage &rasterImage() const;
    // The page's size at the design's paper; a zoom alone changes no step.
    void setPage(int width, int height, double zoom);
    // Another paper or orientation: the page is cropped or extended and the
    // change is one undo step.
    void setPaper(int paperId, bool landscape, const QSize &size, double zoom);
    // The page at detail `k` (see LMDesign::setDetail), after the tool's work lands.
    void setDetail(int k);
    double zoom() const { return m_zoom; }
    QRectF paperRect() const { return m_paperRect; }
    QPoint toDocument(const QPoint &widgetPos) const;
    const QTransform &transform(Matrix::Id index);

    // Whether a widget point lies inside the placed (turned, moved) outline.
    bool outlineContainsWidgetPoint(const QPoint &widgetPos);
    // Centres the current outline on the page.
    void slot_ToCenter();

    // --- how the design is shown while a tool is current
    bool stripMode() const { return m_stripMode; }
    // Strip mode shows the strip sheet instead of the design; leaving it
    // brings the frame level back within the outline's levels.
    void setStripMode(bool on);
    bool outlineEditing() const { return m_outlineEditing; }
    void setOutlineEditing(bool on);
    bool frameToolActive() const { return m_frameToolActive; }
    void setFrameToolActive(bool on);
    // The margins tool is current: the guide is drawn bold, red when the
    // outline crosses it.
    bool marginToolActive() const { return m_marginToolActive; }
    void setMarginToolActive(bool on);
    // The screen's outline and frame layer is built in stages, one a paint.
    int frameStage() const { return m_frameStage; }
    void setFrameStage(int stage);
    // The finished layer last shown on screen; null until one is finished.
    const LMFrameLayer::Image &frameImage() const { return m_frameImage; }

    // --- files and output
    // What a file written now holds: what the canvas shows (the page or the
    // strip sheet), clipped as the design says; never a print offset.
    LMOutputJob fileJob() const;
    // The design in `path`, its format told by the name's ending. The tool
    // first lets go of what it holds. The system's reason goes to `error`.
    bool save(const QString &path, QString *error = nullptr);
    // A ".lmx" name reads a design, any other name imports a picture as a new
    // design. Nothing changes unless the whole file was read and checked. A
    // file refused for a picture's size says why in `reason`; a design that
    // opened without a part it could not read (its fine detail) says so in
    // `warning`.
    bool load(const QString &path, QString *reason = nullptr, QString *warning = nullptr);
    // The picture in the image tool's frame, to move and scale before it is
    // applied; the image tool becomes current. It lands over `place` when that
    // is in view, else in the middle of the view. False for a null picture.
    bool placePicture(const QImage &picture, const QRect &place = QRect());
    // The clipboard's picture, placed as above: a part copied from this page
    // over the place it came from.
    bool pastePicture();
    // New document: white page, fresh state, the hand tool.
    void clearDocument();

    // The modifiers held with the key being handed to the tool.
    Qt::KeyboardModifiers keyModifiers() const { return m_keyModifiers; }
    // The note a tool shows beside the pointer (a frame's place and size).
    void setReadout(const QString &text, const QPoint &widgetPos);
    QString readout() const { return m_readout; }
    // The right-click menu's entries for a click at `widgetPos`.
    void fillContextMenu(QMenu *menu, const QPoint &widgetPos);

Q_SIGNALS:
    // Another tool is current (null: none); the window shows its panel.
    void signal_handlerChanged(LMScreenMsgHandlerInf *tool);
    // A tool was chosen by name; its palette button shows it.
    void signal_toolChosen(const QString &name);
    void signal_printTipVisible(bool visible);
    // The page's size or zoom changed.
    void signal_zoomChanged();
    // Ctrl and the wheel: zoom by `steps` about `widgetPos`.
    void signal_zoomWheel(int steps, const QPoint &widgetPos);

public Q_SLOTS:
    void slot_ChangeHandler();

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
    void inputMethodEvent(QInputMethodEvent *event) override;
    // Tab goes to the tools (it types spaces into text), not to the next widget.
    bool focusNextPrevChild(bool next) override;

private:
    void listenToDesign();
    void dropCurrentHandler();
    void showZoom(double zoom);
    void restartFrameLayer();
    void showPrintTip();
    LMTransformInputs transformInputs() const;
    void paintPage(QPainter &painter);
    void paintMarginGuide(QPainter &painter);
    void paintReadout(QPainter &painter);
    void paintFrameLayer(QPainter &painter);
    LMFrameLayerInputs frameLayerInputs();
    LMStripSheetInputs stripSheetInputs();
    void paintUnprintableArea(QPainter &painter);
    void copyFrameContent();

    LMDesign *m_design;
    std::unique_ptr<LMCanvasToolEnvironment> m_toolEnvironment;
    LMScreenMsgHandlerInf *m_currentHandler = nullptr;
    QList<LMGraphFuncInf *> m_liveItems;
    double m_zoom = 1.0;
    QRectF m_paperRect;
    bool m_stripMode = false;
    bool m_outlineEditing = false;
    bool m_frameToolActive = false;
    bool m_marginToolActive = false;
    int m_frameStage = 0;
    LMTransformCache m_transforms;
    LMFrameLayer::Image m_frameImage;
    LMFrameLayer::Image m_frameWork;
    LMStripSheet m_stripSheet;
    LMZoomedPage m_zoomedPage;
    QTimer m_stageTimer;
    Qt::KeyboardModifiers m_keyModifiers;
    QString m_readout;
    QPoint m_readoutAt;
};
