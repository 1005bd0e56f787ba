#pragma once

#include "tools/frame/LMScreenMsgHandlerDashedLineRectangle.h"

#include <QFont>

class LMGraphFuncText;
class LMScreenMsgHandlerTextSetting;

// The text tool ("text"): drag a field, then type; the lines break to the
// field's width and the field grows downwards.
class LMScreenMsgHandlerText : public LMScreenMsgHandlerDashedLineRectangle {
    Q_OBJECT
public:
    explicit LMScreenMsgHandlerText(LMToolEnvironment *view);

    void onMouseRelease(const QPoint &widgetPos, const QPoint &docPos) override;
    void onKeyPress(int key, const QString &text) override;
    void onInputMethod(const QString &commitString) override;
    QWidget *createSettingWidget(QWidget *parent) override;
    LMGraphFuncDashedLineRectangle *currentItem() override;

    QFont font() const { return m_font; }

public Q_SLOTS:
    void slot_colorChanged(const QColor &colour);
    void slot_fillcolorChanged(const QColor &colour);
    void slot_sizeIndexChanged(const QString &size);
    void slot_familyIndexChanged(const QString &family);
    void slot_boldtextCheckboxChanged(int state);
    void slot_italicizetextCheckboxChanged(int state);
    void slot_strokeCheckboxChanged(int state);
    void slot_widthChanged(int width);

protected:
    // A new item of this tool's kind, not yet in the live items.
    virtual LMGraphFuncText *newItem() const;
    LMGraphFuncText *textItem();
    // The last live item when it is lettering.
    LMGraphFuncText *lastTextItem() const;
    LMScreenMsgHandlerTextSetting *makePanel(QWidget *parent);

    QFont m_font;
    QColor m_fillColour = Qt::yellow;
    bool m_stroke = false;
};
