#include "app/LMStoredMargins.h"

#include <QSettings>
#include <QVariantList>

namespace LMStoredMargins {

namespace {
const QString Key = QStringLiteral("print/margins");
} // namespace

std::optional<std::array<double, 4>> read(const QSettings &stored)
{
    const QVariantList margins = stored.value(Key).toList();
    if (margins.size() != 4)
        return std::nullopt;
    std::array<double, 4> mm{};
    for (int i = 0; i < 4; ++i) {
        bool number = false;
        mm[i] = margins[i].toDouble(&number);
        // Anything the margins panel could not have set is not ours.
        if (!number || !(mm[i] >= 0.0 && mm[i] <= 25.4))
            return std::nullopt;
    }
    return mm;
}

void write(QSettings &stored, const std::array<double, 4> &margins)
{
    stored.setValue(Key, QVariantList{margins[0], margins[1], margins[2], margins[3]});
}

} // namespace LMStoredMargins
