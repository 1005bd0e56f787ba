#include "frameeffect/BorderTextHelper.h"

#include "model/LMDesign.h"

void BorderTextHelper::slot_colorChanged(const QColor &colour)
{
    m_design.setFrameTextColors(colour, m_design.frameText().fillColor());
}

void BorderTextHelper::slot_fillcolorChanged(const QColor &colour)
{
    m_design.setFrameTextColors(m_design.frameText().edgeColor(), colour);
}

void BorderTextHelper::slot_sizeIndexChanged(const QString &size)
{
    const int points = size.toInt();
    if (points <= 0)
        return;
    QFont font = m_design.frameText().font();
    font.setPointSize(points);
    m_design.setFrameTextFont(font);
}

void BorderTextHelper::slot_familyIndexChanged(const QString &family)
{
    QFont font = m_design.frameText().font();
    font.setFamily(family);
    m_design.setFrameTextFont(font);
}

void BorderTextHelper::slot_boldtextCheckboxChanged(int state)
{
    QFont font = m_design.frameText().font();
    font.setWeight(state == Qt::Checked ? QFont::Bold : QFont::Normal);
    m_design.setFrameTextFont(font);
}

void BorderTextHelper::slot_italicizetextCheckboxChanged(int state)
{
    QFont font = m_design.frameText().font();
    font.setStyle(state == Qt::Checked ? QFont::StyleItalic : QFont::StyleNormal);
    m_design.setFrameTextFont(font);
}

void BorderTextHelper::slot_strokeCheckboxChanged(int state)
{
    m_design.setFrameTextStroke(state == Qt::Checked);
}

void BorderTextHelper::slot_widthChanged(int width)
{
    m_design.setFrameTextEdgeWidth(width);
}

void BorderTextHelper::slot_TextChanged(const QString &text)
{
    m_design.setFrameText(text);
}

void BorderTextHelper::slot_separatorChanged(const QString &separator)
{
    m_design.setFrameTextSeparator(separator);
}
