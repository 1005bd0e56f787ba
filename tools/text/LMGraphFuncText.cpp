#include "tools/text/LMGraphFuncText.h"

#include "base/LMLogging.h"
#include "tools/LMPoint.h"
#include "tools/text/LMTextLayout.h"

#include <QElapsedTimer>
#include <QFontMetrics>
#include <QPainter>
#include <QTextBoundaryFinder>

bool LMGraphFuncText::commit(QPainter *painter, LMToolEnvironment *view)
{
    return !glyphs.isEmpty() && LMGraphFuncShape::commit(painter, view);
}

void LMGraphFuncText::paintPreview(QPainter *painter, LMToolEnvironment *view)
{
    LMGraphFuncShape::paintPreview(painter, view);
    if (!hasHandles())
        return;
    painter->save();
    painter->setTransform(GetMatrix(FrameToWidget));
    // Seen on any colour: the caret inverts what lies under it.
    painter->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter->setPen(QPen(Qt::white, 0));
    painter->drawLine(caretLine());
    painter->restore();
}

QLineF LMGraphFuncText::caretLine() const
{
    const std::optional<QPoint> tl = handlePos(LMPoint::TopLeft),
                                br = handlePos(LMPoint::BottomRight);
    if (!tl || !br)
        return QLineF();
    const QPoint place = LMTextLayout::caretPlace(text, font, br->x() + 1 - tl->x(), caretIndex());
    const int lineHeight = QFontMetrics(font).height();
    const double x = tl->x() + place.x() + 0.5;
    const int y = tl->y() + place.y() * lineHeight;
    return QLineF(x, y, x, y + lineHeight - 1);
}

int LMGraphFuncText::caretIndex() const
{
    return caret < 0 || caret > text.size() ? int(text.size()) : caret;
}

void LMGraphFuncText::moveCaret(CaretMove move)
{
    int at = caretIndex();
    switch (move) {
    case PreviousCharacter:
    case NextCharacter: {
        // Whole characters: a surrogate pair, an accent or a line end is one step.
        QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
        finder.setPosition(at);
        const qsizetype next =
            move == NextCharacter ? finder.toNextBoundary() : finder.toPreviousBoundary();
        if (next >= 0)
            at = int(next);
        break;
    }
    case LineStart:
        at = int(text.lastIndexOf(QLatin1Char('\n'), at - 1)) + 1;
        break;
    case LineEnd: {
        const qsizetype feed = text.indexOf(QLatin1Char('\n'), at);
        at = feed < 0 ? int(text.size()) : int(feed);
        if (at > 0 && at < text.size() && text.at(at - 1) == QLatin1Char('\r'))
            --at; // before the whole line end
        break;
    }
    }
    caret = at;
}

void LMGraphFuncText::insertAtCaret(const QString &typed)
{
    QString clean;
    for (const QChar c : typed) {
        if (c.category() != QChar::Other_Control)
            clean += c;
    }
    insertRaw(clean);
}

void LMGraphFuncText::breakLine()
{
    insertRaw(QStringLiteral("\r\n"));
}

void LMGraphFuncText::insertRaw(const QString &clean)
{
    if (clean.isEmpty())
        return;
    const int at = caretIndex();
    text.insert(at, clean);
    if (caret >= 0)
        caret = at + int(clean.size());
}

void LMGraphFuncText::eraseAtCaret(bool forward)
{
    const int at = caretIndex();
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    finder.setPosition(at);
    const qsizetype other = forward ? finder.toNextBoundary() : finder.toPreviousBoundary();
    if (other < 0)
        return;
    const int from = int(qMin<qsizetype>(at, other)), to = int(qMax<qsizetype>(at, other));
    text.remove(from, to - from);
    if (caret >= 0)
        caret = from;
}

void LMGraphFuncText::drawItem(QPainter *painter, const QRect &, LMToolEnvironment *)
{
    QElapsedTimer timer;
    timer.start();
    QPen edge(colour, width); // fractional below 100 %: the page gets the chosen width
    if (!stroke)
        edge.setStyle(Qt::NoPen);
    painter->save();
    painter->setPen(edge);
    painter->setBrush(QBrush(fillColour, Qt::SolidPattern));
    painter->setFont(font);
    const std::optional<QPoint> tl = handlePos(LMPoint::TopLeft),
                                br = handlePos(LMPoint::BottomRight);
    if (clipsToField() && tl && br)
        painter->setClipRect(QRect(*tl, *br), Qt::ReplaceClip);
    painter->drawPath(glyphs);
    painter->restore();
    qCDebug(lcTools) << "time of drawItem" << timer.elapsed();
}

void LMGraphFuncText::layoutText(bool grow)
{
    glyphs = QPainterPath();
    const std::optional<QPoint> tl = handlePos(LMPoint::TopLeft),
                                br = handlePos(LMPoint::BottomRight);
    if (!tl || !br)
        return;
    const int left = tl->x(), top = tl->y(), right = br->x();
    const QStringList lines = LMTextLayout::breakLines(text, font, right + 1 - left);
    const int lineHeight = QFontMetrics(font).height();
    const int needed = int(lines.size()) * lineHeight;
    if (grow && needed > br->y() + 1 - top)
        setField(QRect(QPoint(left, top), QPoint(right, top + needed - 1)));
    glyphs = LMTextLayout::fieldGlyphs(lines, font, left, top);
}

void LMGraphFuncText::setField(const QRect &field)
{
    const auto mid = [](int a, int b) { return qRound(0.5 * (a + b)); };
    const int left = field.left(), top = field.top(), right = field.right(),
              bottom = field.bottom();
    handle(LMPoint::TopLeft)->setPos(QPoint(left, top));
    handle(LMPoint::TopRight)->setPos(QPoint(right, top));
    handle(LMPoint::BottomRight)->setPos(QPoint(right, bottom));
    handle(LMPoint::BottomLeft)->setPos(QPoint(left, bottom));
    handle(LMPoint::LeftMid)->setPos(QPoint(left, mid(top, bottom)));
    handle(LMPoint::TopMid)->setPos(QPoint(mid(left, right), top));
    handle(LMPoint::RightMid)->setPos(QPoint(right, mid(top, bottom)));
    handle(LMPoint::BottomMid)->setPos(QPoint(mid(left, right), bottom));
    invalidateMatrices();
}
