#include "tools/text/LMScreenMsgHandlerTextAlongArc.h"

#include "tools/text/LMGraphFuncTextAlongArc.h"
#include "tools/text/LMScreenMsgHandlerTextSetting.h"

#include <QCheckBox>

LMScreenMsgHandlerTextAlongArc::LMScreenMsgHandlerTextAlongArc(LMToolEnvironment *view)
    : LMScreenMsgHandlerText(view)
{
}

LMGraphFuncText *LMScreenMsgHandlerTextAlongArc::newItem() const
{
    auto *item = new LMGraphFuncTextAlongArc;
    item->rotate = m_rotate;
    return item;
}

QWidget *LMScreenMsgHandlerTextAlongArc::createSettingWidget(QWidget *parent)
{
    LMScreenMsgHandlerTextSetting *panel = makePanel(parent);
    connect(panel, &LMScreenMsgHandlerTextSetting::signal_RotateTextChanged, this,
            &LMScreenMsgHandlerTextAlongArc::slot_RotateTextChanged);
    panel->rotateCheckBox()->show();
    panel->rotateCheckBox()->setChecked(m_rotate);
    return panel;
}

void LMScreenMsgHandlerTextAlongArc::slot_RotateTextChanged(bool rotate)
{
    m_rotate = rotate;
    if (LMGraphFuncText *item = lastTextItem()) {
        item->rotate = rotate;
        item->layoutText(true);
    }
    view()->update();
}
