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

    QImage image;
};
