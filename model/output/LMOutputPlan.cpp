#include "model/output/LMOutputPlan.h"

#include "model/LMPaperTable.h"
#include "model/output/LMSheetLayout.h"

#include <QCoreApplication>

int LMOutputPlan::insertCount() const
{
    int count = 0;
    for (const QList<Insert> &page : pages)
        count += page.size();
    return count;
}

QSizeF LMOutputPlan::insertMm(const LMDocument &document)
{
    // The printer's own size of the paper, so an insert on a sheet is exactly
    // the size it has printed alone.
    const QSizeF portrait = QPageSize(LMPaperTable::printerPageSize(document.flags.paperId()))
                                .size(QPageSize::Millimeter);
    return document.flags.landscape() ? portrait.transposed() : portrait;
}

bool LMOutputPlan::namesShown(const LMDocument &document, const LMOutputJob &job)
{
    // Without its frame text an insert has no place for a name, and a list
    // would only print the same insert again and again.
    const LMViewFlags &flags = document.flags;
    return !document.frameTextNames.isEmpty() && flags.frameTextOn() &&
           (job.strips || flags.frameEffectOn());
}

LMOutputPlan LMOutputPlan::of(const LMDocument &document, const LMOutputJob &job)
{
    LMOutputPlan plan;
    const QStringList &names = namesShown(document, job) ? document.frameTextNames : QStringList();
    QList<Insert> inserts;
    if (job.sheetPaperId < 0) {
        plan.paper = QPageSize(LMPaperTable::printerPageSize(document.flags.paperId()));
        plan.orientation =
            document.flags.landscape() ? QPageLayout::Landscape : QPageLayout::Portrait;
        plan.pageMm = insertMm(document);
        const Insert whole{QRectF(QPointF(0, 0), plan.pageMm), false, QString()};
        if (names.isEmpty())
            plan.pages << QList<Insert>{whole};
        for (const QString &name : names)
            plan.pages << QList<Insert>{Insert{whole.place, false, name}};
        return plan;
    }
    plan.sheet = true;
    plan.paper = QPageSize(LMPaperTable::printerPageSize(job.sheetPaperId));
    plan.pageMm = plan.paper.size(QPageSize::Millimeter);
    const LMSheetLayout::Layout layout =
        LMSheetLayout::layOut(plan.pageMm, insertMm(document), document.margins);
    plan.perSheet = int(layout.places.size());
    if (layout.places.isEmpty())
        return plan;
    // Without names, one sheet full of the design.
    const QStringList each = names.isEmpty() ? QStringList(QString()) : names;
    const int count = names.isEmpty() ? plan.perSheet : int(names.size());
    for (int i = 0; i < count; ++i) {
        if (i % plan.perSheet == 0)
            plan.pages << QList<Insert>();
        plan.pages.last() << Insert{layout.places.at(i % plan.perSheet), layout.turned,
                                    each.at(names.isEmpty() ? 0 : i)};
    }
    return plan;
}

QString LMOutputPlan::tooSmall()
{
    return QCoreApplication::translate("LMPrinting",
                                       "The sheet is too small for one insert within its margins.");
}

LMDocument withName(const LMDocument &document, const QString &name)
{
    LMDocument named = document;
    if (!name.isEmpty())
        named.frameText = name;
    return named;
}
