// Printing, the print preview with the print offset, and PDF files.
#include "app/LMMainWidget.h"

#include "app/QVTLanguageManager.h"
#include "canvas/LMGraphView.h"
#include "model/LMDesign.h"
#include "model/LMFiles.h"
#include "model/LMPaperTable.h"
#include "model/output/LMOutput.h"
#include "model/output/LMOutputPlan.h"
#include "model/output/LMPrinting.h"
#include "ui_LMMainWidget.h"
#include "widgets/LMFileDialog.h"

#include <QActionGroup>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>

LMOutputJob LMMainWidget::printJob() const
{
    LMOutputJob job = m_graphView->fileJob();
    job.printOffsetMm = m_printOffset;
    job.sheetPaperId = m_sheetPaperId;
    return job;
}

LMOutputPlan LMMainWidget::printPlan() const
{
    return LMOutputPlan::of(m_design->toDocument(), printJob());
}

QString LMMainWidget::sheetSummary() const
{
    const LMOutputPlan plan = printPlan();
    if (plan.isEmpty())
        return LMOutputPlan::tooSmall();
    const int pages = int(plan.pages.size());
    if (plan.sheet)
        return pages == 1 ? tr("%1 per sheet, 1 sheet").arg(plan.perSheet)
                          : tr("%1 per sheet, %2 sheets").arg(plan.perSheet).arg(pages);
    return pages == 1 ? tr("One insert, one sheet") : tr("%1 inserts, one per sheet").arg(pages);
}

void LMMainWidget::setSheetPaperId(int pageSizeId)
{
    m_sheetPaperId = LMPaperTable::lastRowWithId(pageSizeId) >= 0 ? pageSizeId : -1;
    if (m_sheetActions)
        for (QAction *a : m_sheetActions->actions())
            a->setChecked(a->data().toInt() == m_sheetPaperId);
    saveSettings();
}

bool LMMainWidget::refuseEmptySheet()
{
    if (!printPlan().isEmpty())
        return false;
    QMessageBox::warning(this, QStringLiteral("Lumetra"), sheetSummary());
    return true;
}

// Every choice of sheet: one insert per sheet, then the table's papers.
static void fillSheetChoice(QComboBox *box, const QString &oneEach)
{
    box->addItem(oneEach, -1);
    for (const PaperEntry &row : LMPaperTable::rows())
        box->addItem(QString::fromLatin1(row.name), row.pageSizeId);
}

bool LMMainWidget::printTo(QPrinter &printer, QString *error)
{
    return LMPrinting::print(printer, m_design->toDocument(), m_design->outputShapes(), printJob(),
                             error);
}

void LMMainWidget::setUpPrintMenu()
{
    auto *menu = new QMenu(ui->btn_print);
    m_printAction = menu->addAction(QString(), this, &LMMainWidget::on_btn_print_clicked);
    m_previewAction = menu->addAction(QString(), this, &LMMainWidget::slot_printPreview);
    m_pdfAction = menu->addAction(QString(), this, &LMMainWidget::slot_exportPdf);
    // Several small inserts on one sheet of the paper in the printer.
    m_sheetMenu = menu->addMenu(QString());
    m_sheetMenu->setObjectName(QStringLiteral("sheetMenu"));
    m_sheetActions = new QActionGroup(m_sheetMenu);
    const auto addSheet = [this](const QString &text, int id) {
        QAction *a = m_sheetMenu->addAction(text);
        a->setCheckable(true);
        a->setData(id);
        a->setChecked(id == m_sheetPaperId);
        m_sheetActions->addAction(a);
        connect(a, &QAction::triggered, this, [this, id] { setSheetPaperId(id); });
    };
    addSheet(QString(), -1);
    m_sheetMenu->addSeparator();
    for (const PaperEntry &row : LMPaperTable::rows())
        addSheet(QString::fromLatin1(row.name), row.pageSizeId);
    ui->btn_print->setMenu(menu);
    retranslatePrintMenu();
}

void LMMainWidget::retranslatePrintMenu()
{
    if (!m_printAction)
        return;
    m_printAction->setText(lmText(0) + QStringLiteral("…"));
    m_previewAction->setText(tr("Print Preview…"));
    m_pdfAction->setText(tr("Export as PDF…"));
    m_sheetMenu->setTitle(tr("Sheet"));
    m_sheetActions->actions().first()->setText(tr("One insert per sheet"));
}

void LMMainWidget::on_btn_print_clicked()
{
    // What is still being edited is part of the printout, even if the
    // dialog is then cancelled.
    m_graphView->apply();
    if (refuseEmptySheet())
        return;
    QPrinter printer(QPrinter::HighResolution);
    LMPrinting::setUp(printer, printPlan());
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QString error;
    if (!printTo(printer, &error))
        QMessageBox::warning(this, QStringLiteral("Lumetra"), error);
}

void LMMainWidget::slot_printPreview()
{
    m_graphView->apply();
    QPrinter printer(QPrinter::HighResolution);
    LMPrinting::setUp(printer, printPlan());
    QPrintPreviewDialog dialog(&printer, this);
    // Room for a sheet of several inserts and the tools above it.
    if (const QScreen *screen = this->screen())
        dialog.resize(screen->availableSize() * 0.8);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter *target) {
        if (target)
            printTo(*target, nullptr);
    });
    auto *preview = dialog.findChild<QPrintPreviewWidget *>();
    if (auto *tools = dialog.findChild<QToolBar *>()) {
        tools->addSeparator();
        addSheetChoice(tools, printer, preview);
        tools->addSeparator();
        addPrintOffset(tools, preview);
    }
    dialog.exec();
}

void LMMainWidget::addSheetChoice(QToolBar *tools, QPrinter &printer, QPrintPreviewWidget *preview)
{
    auto *choice = new QComboBox(tools);
    choice->setObjectName(QStringLiteral("sheetChoice"));
    choice->setToolTip(tr("Sheet"));
    fillSheetChoice(choice, tr("One insert per sheet"));
    choice->setCurrentIndex(qMax(0, choice->findData(m_sheetPaperId)));
    auto *summary = new QLabel(sheetSummary(), tools);
    summary->setObjectName(QStringLiteral("sheetSummary"));
    summary->setContentsMargins(6, 0, 6, 0);
    connect(choice, &QComboBox::currentIndexChanged, this, [=, &printer](int index) {
        setSheetPaperId(choice->itemData(index).toInt());
        summary->setText(sheetSummary());
        LMPrinting::setUp(printer, printPlan());
        if (preview)
            preview->updatePreview();
    });
    tools->addWidget(choice);
    tools->addWidget(summary);
}

// The print offset, set where its effect shows.
void LMMainWidget::addPrintOffset(QToolBar *tools, QPrintPreviewWidget *preview)
{
    const QPointF offset = m_printOffset;
    for (int axis = 0; axis < 2; ++axis) {
        auto *box = new QDoubleSpinBox(tools);
        box->setObjectName(axis == 0 ? QStringLiteral("printOffsetX")
                                     : QStringLiteral("printOffsetY"));
        box->setRange(-20.0, 20.0);
        box->setSingleStep(0.5);
        box->setDecimals(1);
        box->setPrefix(axis == 0 ? QStringLiteral("⇆ ") : QStringLiteral("⇅ "));
        box->setSuffix(tr(" mm"));
        box->setValue(axis == 0 ? offset.x() : offset.y());
        box->setToolTip(tr("Moves the whole printout, for printers that shift the page"));
        connect(box, &QDoubleSpinBox::valueChanged, this, [this, axis, preview](double mm) {
            (axis == 0 ? m_printOffset.rx() : m_printOffset.ry()) = mm;
            saveSettings();
            if (preview)
                preview->updatePreview();
        });
        tools->addWidget(box);
    }
}

void LMMainWidget::slot_exportPdf()
{
    m_graphView->apply();
    if (refuseEmptySheet())
        return;
    const QString suggested =
        m_currentPath.isEmpty()
            ? m_lastFolder
            : QFileInfo(m_currentPath)
                  .absoluteDir()
                  .filePath(QFileInfo(m_currentPath).completeBaseName() + QStringLiteral(".pdf"));
    QString path = LMFileDialog::askSave(this, tr("Export as PDF"), suggested,
                                         tr("PDF document") + QStringLiteral("(*.pdf)"));
    if (path.isEmpty())
        return;
    if (!LMFiles::isPdfName(path))
        path += QStringLiteral(".pdf");
    QString error;
    // The printout's inserts and sheets, without the printer's offset.
    LMOutputJob job = printJob();
    job.printOffsetMm = QPointF();
    if (!LMOutput::write(path, m_design->toDocument(), m_design->outputShapes(), job, &error))
        warn(59, error);
}
