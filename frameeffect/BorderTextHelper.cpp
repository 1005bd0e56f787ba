#include "frameeffect/BorderTextHelper.h"

#include "model/frame/LMFrameTextSettings.h"
#include "tools/LMToolCanvas.h"

void BorderTextHelper::changed()
{
    m_view->frameTextChanged();
}

void BorderTextHelper::kept()
{
    // Files keep the text, its font and its fill: losing them on closing
    // would lose the user's work.
    m_view->frameTextChanged();
    m_view->markModified();
}

void BorderTextHelper::slot_colorChanged(const QColor &colour)
{
    LMFrameTextSettings &text = m_view->frameText();
    text.setColors(colour, text.fillColor());
    changed();
}

void BorderTextHelper::slot_fillcolorChanged(const QColor &colour)
{
    LMFrameTextSettings &text = m_view->frameText();
    text.setColors(text.edgeColor(), colour);
    kept();
}

void BorderTextHelper::slot_sizeIndexChanged(const QString &size)
{
    const int points = size.toInt();
    if (points <= 0)
        return;
    QFont font = m_view->frameText().font();
    font.setPointSize(points);
    m_view->frameText().setFont(font);
    kept();
}

void BorderTextHelper::slot_familyIndexChanged(const QString &family)
{
    QFont font = m_view->frameText().font();
    font.setFamily(family);
    m_view->frameText().setFont(font);
    kept();
}

void BorderTextHelper::slot_boldtextCheckboxChanged(int state)
{
    QFont font = m_view->frameText().font();
    font.setWeight(state == Qt::Checked ? QFont::Bold : QFont::Normal);
    m_view->frameText().setFont(font);
    kept();
}

void BorderTextHelper::slot_italicizetextCheckboxChanged(int state)
{
    QFont font = m_view->frameText().font();
    font.setStyle(state == Qt::Checked ? QFont::StyleItalic : QFont::StyleNormal);
    m_view->frameText().setFont(font);
    kept();
}

void BorderTextHelper::slot_strokeCheckboxChanged(int state)
{
    m_view->frameText().setStroke(state == Qt::Checked);
    changed();
}

void BorderTextHelper::slot_widthChanged(int width)
{
    m_view->frameText().setEdgeWidth(width);
    changed();
}

void BorderTextHelper::slot_TextChanged(const QString &text)
{
    m_view->frameText().setText(text);
    kept();
}
