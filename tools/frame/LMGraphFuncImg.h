#pragma once

#include "tools/LMToolEnvironment.h"
#include "tools/frame/LMGraphFuncShape.h"

#include <QImage>
#include <QPainter>

// A picture stretched into its selection frame.
class LMGraphFuncImg : public LMGraphFuncShape {
public:
    void drawItem(QPainter *painter, const QRect &rect, LMToolEnvironment *) override
    {
        if (image.isNull())
            return;
        painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter->drawImage(QRectF(rect.left(), rect.top(), rect.right() + 1 - rect.left(),
                                  rect.bottom() + 1 - rect.top()),
                           image, QRectF(image.rect()));
    }

    // The picture was placed on these page pixels at its own size; while the
    // frame stays as it was then, it is committed there pixel for pixel, at
    // any zoom.
    void keepPixels(const QRect &onPage)
    {
        m_pixelsAt = onPage;
        m_frameThen = frameState();
    }
    QRect keptPixels() const { return m_pixelsAt; }

    void paintPreview(QPainter *painter, LMToolEnvironment *view) override
    {
        // Where a lifted picture came from shows white until it is applied.
        if (liftedFrom.isValid())
            painter->fillRect(view->transform(Matrix::DocToWidget).mapRect(QRectF(liftedFrom)),
                              Qt::white);
        LMGraphFuncShape::paintPreview(painter, view);
    }

    bool commit(QPainter *painter, LMToolEnvironment *view) override
    {
        bool drew = false;
        if (liftedFrom.isValid()) {
            painter->save();
            painter->resetTransform();
            painter->fillRect(liftedFrom, Qt::white);
            painter->restore();
            drew = true;
        }
        if (image.isNull() || m_pixelsAt.size() != image.deviceIndependentSize().toSize() ||
            frameState() != m_frameThen)
            return LMGraphFuncShape::commit(painter, view) || drew;
        painter->save();
        painter->resetTransform();
        painter->drawImage(m_pixelsAt.topLeft(), image);
        painter->restore();
        return true;
    }

    QImage image;
    // The page pixels a picture was lifted from; they turn white on commit,
    // in the same step as the picture lands.
    QRect liftedFrom;

private:
    QVector<int> frameState() const
    {
        QVector<int> state{centreX, centreY, angle};
        for (const LMPoint *h : handles)
            state << h->x << h->y;
        return state;
    }

    QRect m_pixelsAt;
    QVector<int> m_frameThen;
};
