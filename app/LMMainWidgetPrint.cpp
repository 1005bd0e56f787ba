// Printing, the print preview with the print offset, and PDF files.
#include "app/LMMainWidget.h"

#include "app/QVTLanguageManager.h"
#include "canvas/LMGraphView.h"
#include "model/LMDesign.h"
#include "model/LMFiles.h"
#include "model/output/LMOutput.h"
#include "model/output/LMPrinting.h"
#include "widgets/LMFileDialog.h"
#include "ui_LMMainWidget.h"

#include <QDoubleSpinBox>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>

namespace {
void setUpFor(QPrinter &printer, const LMDesign *design)
{
    LMPrinting::setUp(printer, LMOutputPlan::of(design->toDocument(), LMOutputJob()));
}
} // namespace

LMOutputJob LMMainWidget::printJob() const
{
    LMOutputJob job = m_graphView->fileJob();
    job.printOffsetMm = m_printOffset;
    return job;
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
}

void LMMainWidget::on_btn_print_clicked()
{
    // What is still being edited is part of the printout, even if the
    // dialog is then cancelled.
    m_graphView->apply();
    QPrinter printer(QPrinter::HighResolution);
    setUpFor(printer, m_design);
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
    setUpFor(printer, m_design);
    QPrintPreviewDialog dialog(&printer, this);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter *target) {
        if (target)
            printTo(*target, nullptr);
    });
    // The print offset, set where its effect shows.
    auto *preview = dialog.findChild<QPrintPreviewWidget *>();
    if (auto *tools = dialog.findChild<QToolBar *>()) {
        tools->addSeparator();
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
    dialog.exec();
}

void LMMainWidget::slot_exportPdf()
{
    m_graphView->apply();
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
    if (!LMOutput::write(path, m_design->toDocument(), m_design->outputShapes(),
                         m_graphView->fileJob(), &error))
        warn(59, error);
}
