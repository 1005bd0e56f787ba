#include "frameeffect/LMScreenMsgHandlerStrip.h"

#include "model/LMDesign.h"

#include "frameeffect/LMScreenMsgHandlerBorderSetting.h"

QWidget *LMScreenMsgHandlerStrip::createSettingWidget(QWidget *parent)
{
    return new LMScreenMsgHandlerBorderSetting(view()->design(), true, parent);
}
