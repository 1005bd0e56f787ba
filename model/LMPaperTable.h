#pragma once

#include <QPageSize>
#include <QSize>
#include <QString>

#include <array>

// One paper the page can take. Sizes are portrait millimetres as printed on
// the paper's label. The page-size number is what documents store (A4 0, B5 1,
// Letter 2, ...); Qt numbers its page sizes differently, so each row also names
// the printer's page size.
struct PaperEntry {
    const char *name;
    int pageSizeId;
    int widthMm;
    int heightMm;
    QPageSize::PageSizeId printerSize;
};

namespace LMPaperTable {

constexpr int RowCount = 30;
constexpr int PixelsPerMm = 3;
constexpr int DefaultPageSizeId = 2; // Letter

const std::array<PaperEntry, RowCount> &rows();

// Page raster size of row `index` at 3 pixels per millimetre, sides exchanged
// for landscape. An index outside the table gives (-1, -1).
QSize pixelSize(int index, bool landscape);

// Whether a page raster of `size` fits one of the table's papers, either way
// round: no page Lumetra makes is larger, so a file claiming more is damaged.
bool fitsAPaper(QSize size);

// The last row whose page-size number is `pageSizeId`, or -1.
int lastRowWithId(int pageSizeId);

// The page-size number of the paper a person names: the table's name or its
// first word in any case ("a4", "letter"), or the number itself; -1 if none.
int idForName(const QString &name);

// The printer's page size for a stored page-size number; Letter when unknown.
QPageSize::PageSizeId printerPageSize(int pageSizeId);

} // namespace LMPaperTable
