#include "app/LMLeftController.h"

#include "model/LMPaperTable.h"

#include <QComboBox>

void LMLeftController::fillPaperSizes(QComboBox *combo) const
{
    for (const PaperEntry &row : LMPaperTable::rows())
        combo->addItem(QString::fromLatin1(row.name), row.pageSizeId);
    combo->setCurrentIndex(LMPaperTable::lastRowWithId(LMPaperTable::DefaultPageSizeId));
}

QSize LMLeftController::paperPixelSize(int index, bool landscape) const
{
    return LMPaperTable::pixelSize(index, landscape);
}
