#include "model/LMPaperTable.h"

#include <QRegularExpression>

#include <cmath>

namespace LMPaperTable {

const std::array<PaperEntry, RowCount> &rows()
{
    // Ledger is the one row wider than high; it stays so in portrait too.
    // The B sizes are the Japanese series (B5 is 182 x 257 mm).
    static const std::array<PaperEntry, RowCount> table = {{
        {"Letter Size-8.5x11(In)", 2, 216, 279, QPageSize::Letter},
        {"Legal - 8.5x14(In)", 3, 216, 356, QPageSize::Legal},
        {"Ledger - 17x11(In)", 28, 432, 279, QPageSize::Ledger},
        {"A0", 5, 841, 1189, QPageSize::A0},
        {"A1", 6, 594, 841, QPageSize::A1},
        {"A2", 7, 420, 594, QPageSize::A2},
        {"A3", 8, 297, 420, QPageSize::A3},
        {"A4", 0, 210, 297, QPageSize::A4},
        {"A5", 9, 148, 210, QPageSize::A5},
        {"A6", 10, 105, 148, QPageSize::A6},
        {"A7", 11, 74, 105, QPageSize::A7},
        {"A8", 12, 52, 74, QPageSize::A8},
        {"A9", 13, 37, 52, QPageSize::A9},
        {"B0", 14, 1030, 1456, QPageSize::JisB0},
        {"B1", 15, 728, 1030, QPageSize::JisB1},
        {"B10", 16, 32, 45, QPageSize::JisB10},
        {"B2", 17, 515, 728, QPageSize::JisB2},
        {"B3", 18, 364, 515, QPageSize::JisB3},
        {"B4", 19, 257, 364, QPageSize::JisB4},
        {"B5", 1, 182, 257, QPageSize::JisB5},
        {"B6", 20, 128, 182, QPageSize::JisB6},
        {"B7", 21, 91, 128, QPageSize::JisB7},
        {"B8", 22, 64, 91, QPageSize::JisB8},
        {"B9", 23, 45, 64, QPageSize::JisB9},
        {"C5E", 24, 163, 229, QPageSize::C5E},
        {"Comm10E", 25, 105, 241, QPageSize::Comm10E},
        {"DLE", 26, 110, 220, QPageSize::DLE},
        {"Executive", 4, 191, 254, QPageSize::Executive},
        {"Folio", 27, 210, 330, QPageSize::Folio},
        {"Tabloid", 29, 279, 432, QPageSize::Tabloid},
    }};
    return table;
}

QSize pixelSize(int index, bool landscape)
{
    if (index < 0 || index >= RowCount)
        return QSize(-1, -1);
    const PaperEntry &row = rows()[index];
    // Halves round upward, as the sizes are whole millimetres this is exact today.
    const int w = int(std::floor(PixelsPerMm * double(row.widthMm) + 0.5));
    const int h = int(std::floor(PixelsPerMm * double(row.heightMm) + 0.5));
    return landscape ? QSize(h, w) : QSize(w, h);
}

bool fitsAPaper(QSize size)
{
    if (!size.isValid())
        return false;
    for (int i = 0; i < RowCount; ++i) {
        const QSize paper = pixelSize(i, false);
        if ((size.width() <= paper.width() && size.height() <= paper.height()) ||
            (size.width() <= paper.height() && size.height() <= paper.width()))
            return true;
    }
    return false;
}

int lastRowWithId(int pageSizeId)
{
    for (int i = RowCount - 1; i >= 0; --i) {
        if (rows()[i].pageSizeId == pageSizeId)
            return i;
    }
    return -1;
}

int idForName(const QString &name)
{
    const QString wanted = name.trimmed();
    bool number = false;
    const int id = wanted.toInt(&number);
    if (number)
        return lastRowWithId(id) >= 0 ? id : -1;
    for (const PaperEntry &row : rows()) {
        const QString full = QString::fromLatin1(row.name);
        const QString firstWord = full.section(QRegularExpression(QStringLiteral("[ -]")), 0, 0);
        if (wanted.compare(full, Qt::CaseInsensitive) == 0 ||
            wanted.compare(firstWord, Qt::CaseInsensitive) == 0)
            return row.pageSizeId;
    }
    return -1;
}

QPageSize::PageSizeId printerPageSize(int pageSizeId)
{
    const int row = lastRowWithId(pageSizeId);
    return row < 0 ? QPageSize::Letter : rows()[row].printerSize;
}

} // namespace LMPaperTable
