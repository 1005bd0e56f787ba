#pragma once

#include "tools/frame/LMGraphFuncShape.h"

#include <QImage>
#include <QPainter>

// A picture stretched into its selection frame.
class LMGraphFuncImg : public LMGraphFuncShape {
public:
    void drawItem(QPainter *painter, const QRect &rect, LMToolCanvas *) override
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

    bool commit(QPainter *painter, LMToolCanvas *view) override
    {
        if (image.isNull() || m_pixelsAt.size() != image.size() || frameState() != m_frameThen)
            return LMGraphFuncShape::commit(painter, view);
        painter->save();
        painter->resetTransform();
        painter->drawImage(m_pixelsAt.topLeft(), image);
        painter->restore();
        return true;
    }

    QImage image;

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
