#include "base/LMUnits.h"

#include <QCoreApplication>
#include <QLocale>

namespace LMUnits {

bool usesInches()
{
    return QLocale().measurementSystem() != QLocale::MetricSystem;
}

QString number(double mm)
{
    return usesInches() ? QLocale().toString(mm / MmPerInch, 'f', 2)
                        : QLocale().toString(mm, 'f', 1);
}

QString unitName()
{
    return usesInches() ? QCoreApplication::translate("LMUnits", "in")
                        : QCoreApplication::translate("LMUnits", "mm");
}

} // namespace LMUnits
