#include "frameeffect/LMScreenMsgHandlerStrip.h"

#include "frameeffect/LMScreenMsgHandlerBorderSetting.h"

QWidget *LMScreenMsgHandlerStrip::createSettingWidget(QWidget *parent)
{
    return new LMScreenMsgHandlerBorderSetting(view(), true, parent);
}
