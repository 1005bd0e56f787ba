#pragma once

#include "model/LMDocument.h"
#include "model/output/LMOutputJob.h"

#include <QList>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QString>

// Which inserts an output holds and where: one per name of the design's list
// (or one with its own frame text), each on its own paper or laid out several
// to a sheet. Print, preview, PDF and pictures all page through this.
struct LMOutputPlan {
    struct Insert {
        QRectF place;        // millimetres on the page: the insert's footprint
        bool turned = false; // a quarter clockwise
        QString name;        // takes the frame text's place; empty keeps the design's text
    };

    QPageSize paper;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QSizeF pageMm;      // the paper as it lies
    bool sheet = false; // several inserts to a page, with crop marks
    int perSheet = 1;
    QList<QList<Insert>> pages;

    // No page: the sheet is too small for one insert within its margins.
    bool isEmpty() const { return pages.isEmpty(); }
    int insertCount() const;

    // The design's list of names counts while its frame text is shown.
    static LMOutputPlan of(const LMDocument &document, const LMOutputJob &job);
    static bool namesShown(const LMDocument &document, const LMOutputJob &job);
    // What an empty plan means, for the user.
    static QString tooSmall();
    // The insert's paper, as the design lies: what one insert per sheet prints on.
    static QSizeF insertMm(const LMDocument &document);
};

// The design with `name` along its frame (the design's own text when empty).
LMDocument withName(const LMDocument &document, const QString &name);
