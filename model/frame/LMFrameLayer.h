#pragma once

#include "model/LMOutlineShapes.h"

#include <QImage>
#include <QPainterPath>
#include <QPointF>

class LMFrameTextSettings;
class QPainter;
class LMViewFlags;

// What the outline and frame-effect layer is drawn from.
struct LMFrameLayerInputs {
    QPainterPath outline;
    QPainterPath frame;  // the ring between the outline and the chosen level's contour
    QPainterPath outer;  // the ring's outer contour: the outline
    bool output = false; // printing or exporting: the cutting line, never the editing look
    bool outlineEditing = false;
    bool outsidePrintable = false;
    bool frameEffectOn = false;
    bool frameToolActive = false;
    bool frameTextOn = false;
    int frameIndex = 0;
    bool thinStrips = false;
    bool textureTiled = false;
    int textureScale = 100;
    QImage texture;
    LMFrameTextSettings *text = nullptr; // the frame text and its glyph cache
};

// The outline and frame-effect layer, drawn into an image in outline units.
// The screen builds it one stage per paint; export and print build it at once.
// `origin` is where the outline's origin lies in the image.
class LMFrameLayer {
public:
    static constexpr int StageCount = 3;
    static constexpr int Margin = 5; // pixels round the outline, for the line's width

    struct Image {
        QImage image;
        QPointF origin;
    };

    // The inputs for a design's flags, paths and texture; `output` for print
    // and export, which never show the editing look. The editing look's
    // switches are the canvas's to set.
    static LMFrameLayerInputs inputsFor(const LMViewFlags &flags, const LMOutlineShapes &shapes,
                                        const QImage &texture, LMFrameTextSettings *text,
                                        bool output);
    // Runs one stage on `work`; stage 0 starts a new image.
    static void renderStage(int stage, Image &work, const LMFrameLayerInputs &in);
    static Image renderAll(const LMFrameLayerInputs &in);
    // The whole layer drawn as shapes onto `painter`, whose transform maps
    // outline units to the device: the cutting line, the ring and the
    // letters stay sharp at any printer's resolution and vectors in a PDF.
    static void paintVector(QPainter &painter, const LMFrameLayerInputs &in);
};
