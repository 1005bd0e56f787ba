#include "widgets/KVCLIENT_ColorCompleter.h"

#include <QColor>

KVCLIENT_ColorCompleter::KVCLIENT_ColorCompleter(QObject *parent)
    : QCompleter(QColor::colorNames(), parent), Singleton<KVCLIENT_ColorCompleter>(this)
{
}
