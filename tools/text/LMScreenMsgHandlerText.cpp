#include "tools/text/LMScreenMsgHandlerText.h"

#include "tools/text/LMGraphFuncText.h"
#include "tools/text/LMScreenMsgHandlerTextSetting.h"

#include <QFontInfo>

LMScreenMsgHandlerText::LMScreenMsgHandlerText(LMToolEnvironment *view)
    : LMScreenMsgHandlerDashedLineRectangle(view, true)
{
    m_width = 1; // the edge width
    m_font = QFont(QStringLiteral("Times"), 48);
    m_font.setStyleStrategy(QFont::ForceOutline);
}

LMGraphFuncText *LMScreenMsgHandlerText::newItem() const
{
    return new LMGraphFuncText;
}

LMGraphFuncText *LMScreenMsgHandlerText::textItem()
{
    return currentItemOf<LMGraphFuncText>([this] {
        LMGraphFuncText *item = newItem();
        item->colour = m_colour;
        item->font = m_font;
        item->fillColour = m_fillColour;
        item->stroke = m_stroke;
        item->width = m_width * view()->zoom();
        return item;
    });
}

LMGraphFuncDashedLineRectangle *LMScreenMsgHandlerText::currentItem()
{
    return textItem();
}

LMGraphFuncText *LMScreenMsgHandlerText::lastTextItem() const
{
    return dynamic_cast<LMGraphFuncText *>(view()->lastLiveItem());
}

void LMScreenMsgHandlerText::onMouseRelease(const QPoint &widgetPos, const QPoint &docPos)
{
    LMScreenMsgHandlerDashedLineRectangle::onMouseRelease(widgetPos, docPos);
    if (LMGraphFuncText *item = lastTextItem())
        item->layoutText(false);
}

void LMScreenMsgHandlerText::onKeyPress(int key, const QString &text)
{
    LMGraphFuncText *item = lastTextItem();
    if (!item) {
        view()->update();
        return;
    }
    using T = LMGraphFuncText;
    switch (key) {
    case Qt::Key_Escape:
        // Editing ends; what was typed stays, committed to the page.
        view()->apply();
        view()->update();
        return;
    case Qt::Key_Left:
        item->moveCaret(T::PreviousCharacter);
        break;
    case Qt::Key_Right:
        item->moveCaret(T::NextCharacter);
        break;
    case Qt::Key_Home:
        item->moveCaret(T::LineStart);
        break;
    case Qt::Key_End:
        item->moveCaret(T::LineEnd);
        break;
    case Qt::Key_Backspace:
        item->eraseAtCaret(false);
        break;
    case Qt::Key_Delete:
        item->eraseAtCaret(true);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        item->breakLine();
        break;
    case Qt::Key_Tab:
        item->insertAtCaret(QStringLiteral("   "));
        break;
    default:
        item->insertAtCaret(text); // control characters never enter the text
        break;
    }
    item->layoutText(true);
    view()->update();
}

void LMScreenMsgHandlerText::onInputMethod(const QString &commitString)
{
    if (LMGraphFuncText *item = lastTextItem()) {
        item->insertAtCaret(commitString);
        item->layoutText(true);
    }
    view()->update();
}

LMScreenMsgHandlerTextSetting *LMScreenMsgHandlerText::makePanel(QWidget *parent)
{
    auto *panel = new LMScreenMsgHandlerTextSetting(parent);
    using P = LMScreenMsgHandlerTextSetting;
    using T = LMScreenMsgHandlerText;
    connect(panel, &P::signal_colorChanged, this, &T::slot_colorChanged);
    connect(panel, &P::signal_fillcolorChanged, this, &T::slot_fillcolorChanged);
    connect(panel, &P::signal_sizeIndexChanged, this, &T::slot_sizeIndexChanged);
    connect(panel, &P::signal_familyIndexChanged, this, &T::slot_familyIndexChanged);
    connect(panel, &P::signal_boldtextCheckboxChanged, this, &T::slot_boldtextCheckboxChanged);
    connect(panel, &P::signal_italicizetextCheckboxChanged, this,
            &T::slot_italicizetextCheckboxChanged);
    connect(panel, &P::signal_strokeCheckboxChanged, this, &T::slot_strokeCheckboxChanged);
    connect(panel, &P::signal_widthChanged, this, &T::slot_widthChanged);
    // The family the font really resolves to, so the list shows what is drawn.
    panel->init(m_colour, m_fillColour, m_width, QString::number(m_font.pointSize()),
                QFontInfo(m_font).family(), m_font.weight() > QFont::Normal,
                m_font.style() != QFont::StyleNormal, m_stroke);
    return panel;
}

QWidget *LMScreenMsgHandlerText::createSettingWidget(QWidget *parent)
{
    return makePanel(parent);
}

void LMScreenMsgHandlerText::slot_colorChanged(const QColor &colour)
{
    m_colour = colour;
    textItem()->colour = colour;
    view()->update();
}

void LMScreenMsgHandlerText::slot_fillcolorChanged(const QColor &colour)
{
    m_fillColour = colour;
    textItem()->fillColour = colour;
    view()->update();
}

void LMScreenMsgHandlerText::slot_sizeIndexChanged(const QString &size)
{
    const int points = size.toInt();
    if (points <= 0)
        return;
    m_font.setPointSize(points);
    LMGraphFuncText *item = textItem();
    item->font.setPointSize(points);
    item->layoutText(true);
    view()->update();
}

void LMScreenMsgHandlerText::slot_familyIndexChanged(const QString &family)
{
    m_font.setFamily(family);
    LMGraphFuncText *item = textItem();
    item->font.setFamily(family);
    item->layoutText(true);
    view()->update();
}

void LMScreenMsgHandlerText::slot_boldtextCheckboxChanged(int state)
{
    const QFont::Weight weight = state == Qt::Checked ? QFont::Bold : QFont::Normal;
    m_font.setWeight(weight);
    LMGraphFuncText *item = textItem();
    item->font.setWeight(weight);
    item->layoutText(true);
    view()->update();
}

void LMScreenMsgHandlerText::slot_italicizetextCheckboxChanged(int state)
{
    const QFont::Style style = state == Qt::Checked ? QFont::StyleItalic : QFont::StyleNormal;
    m_font.setStyle(style);
    LMGraphFuncText *item = textItem();
    item->font.setStyle(style);
    item->layoutText(true);
    view()->update();
}

void LMScreenMsgHandlerText::slot_strokeCheckboxChanged(int state)
{
    m_stroke = state == Qt::Checked;
    textItem()->stroke = m_stroke;
    view()->update();
}

void LMScreenMsgHandlerText::slot_widthChanged(int width)
{
    m_width = width;
    textItem()->width = width * view()->zoom();
    view()->update();
}
