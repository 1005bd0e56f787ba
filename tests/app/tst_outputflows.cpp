#include "../common/RunLumetra.h"
#include "../common/WindowFixture.h"
#include "app/LMResources.h"
#include "model/output/LMOutputPlan.h"
#include "tools/LMScreenMsgHandlerInf.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

namespace {
// A one-page PDF drawn at the page raster's 3 pixels per millimetre.
QImage rendered(const QString &pdf)
{
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"), QStringLiteral("76.2"), QStringLiteral("-png"),
                       QStringLiteral("-singlefile"), pdf, pdf});
    return QImage(pdf + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}
} // namespace

// The page on its way out: margins, fitting the design, and printing.
class TestOutputFlows : public QObject, private WindowFixture {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        lmInitResources();
        QVERIFY(m_dir.isValid());
        QSettings(QStringLiteral("Lumetra"), QStringLiteral("Lumetra")).clear();
    }

    void init()
    {
        // The sheet outlasts windows too; each test starts with none.
        QSettings(QStringLiteral("Lumetra"), QStringLiteral("Lumetra"))
            .remove(QStringLiteral("print/sheet"));
        openWindow();
    }

    void cleanup()
    {
        forgetUnusedAnswers();
        closeWindow();
    }

    // Each box shows the design's own margin and edits that margin alone; a
    // paper change touches none of them; a value the paper cannot hold is refused
    // with its range; the margins outlast the window; metric locales get mm.
    void marginsPanel()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QTest::mouseClick(ui()->btn_padding, Qt::LeftButton);
        QVERIFY(canvas()->marginToolActive());
        auto *left = in<QDoubleSpinBox>("sp_left");
        auto *top = in<QDoubleSpinBox>("sp_top");
        auto *range = in<QLabel>("label_range");
        QVERIFY(left && top && range);
        for (const char *name : {"sp_left", "sp_top", "sp_right", "sp_bottom"})
            QCOMPARE(in<QDoubleSpinBox>(name)->text(), QStringLiteral("0.39 Inch"));
        const auto type = [](QDoubleSpinBox *box, double value) {
            box->setValue(value);
            Q_EMIT box->editingFinished();
        };
        type(left, 0.8);
        const std::array<double, 4> &mm = design()->margins(); // top, left, bottom, right
        QCOMPARE(mm, (std::array<double, 4>{10.0, 0.8 * 25.4, 10.0, 10.0}));
        QVERIFY(range->isHidden());

        // B10 portrait is 32 mm wide: the canvas keeps 20.32 mm and the box says so,
        // with the range the paper allows beside it.
        const int b10 = ui()->cob_pasesetting->findText(QStringLiteral("B10"));
        QVERIFY(b10 >= 0);
        ui()->chk_horizonal->setChecked(false);
        ui()->cob_pasesetting->setCurrentIndex(b10);
        QCOMPARE(mm[1], 0.8 * 25.4);
        QCOMPARE(left->text(), QStringLiteral("0.80 Inch"));
        QVERIFY(range->isVisibleTo(panel()));
        QVERIFY2(range->text().startsWith(QStringLiteral("Left: from 0 to 0.")),
                 qPrintable(range->text()));
        // Editing Top, or leaving Left untouched, changes nothing else.
        type(top, 0.5);
        Q_EMIT left->editingFinished();
        QCOMPARE(mm, (std::array<double, 4>{0.5 * 25.4, 0.8 * 25.4, 10.0, 10.0}));
        // Too much is refused aloud: the box goes back and says what fits.
        type(top, 1.5);
        QCOMPARE(mm[0], 0.5 * 25.4);
        QCOMPARE(top->text(), QStringLiteral("0.50 Inch"));
        QVERIFY(range->text().contains(QStringLiteral("Top: from 0 to 1.00 Inch")));

        // The next window, in a metric locale, starts with them, in millimetres.
        QTest::mouseClick(ui()->d01, Qt::LeftButton);
        QVERIFY(!canvas()->marginToolActive());
        closeWindow();
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        m_window = new LMMainWidget;
        m_window->show();
        QCOMPARE(design()->margins(), (std::array<double, 4>{0.5 * 25.4, 0.8 * 25.4, 10.0, 10.0}));
        QTest::mouseClick(ui()->btn_padding, Qt::LeftButton);
        QCOMPARE(in<QDoubleSpinBox>("sp_top")->text(), QStringLiteral("12,7 mm"));
        QLocale::setDefault(QLocale::c());
    }

    void fittingLiftsAndLandsAsOneStep_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("left at once") << "";
        QTest::newRow("to the frame") << "frame";
        QTest::newRow("to the frame at 50 %") << "frame50";
        // The box of the turned outline itself, not the turned box of the
        // outline: the design lands inside what the pouch shows.
        QTest::newRow("to a turned outline") << "frame30";
    }

    void fittingLiftsAndLandsAsOneStep()
    {
        QFETCH(QString, how);
        if (how == QLatin1String("frame50"))
            ui()->spin_size->setValue(50);
        if (how == QLatin1String("frame30")) {
            design()->selectOutline(4, 0);
            design()->setOutlineRotation(30);
        }
        drawLine();
        const QImage before = canvas()->rasterImage();
        const QRect drawn = ink();
        QTest::mouseClick(ui()->d16, Qt::LeftButton);
        QCOMPARE(canvas()->currentHandler()->objectName(), QStringLiteral("screenadj"));
        QCOMPARE(canvas()->liveItems().size(), 1);
        if (!how.isEmpty())
            QTest::mousePress(in<QPushButton>("btn_toframe"), Qt::LeftButton);
        // A click beside the frame lands nothing.
        QTest::mouseClick(canvas(), Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(canvas()->liveItems().size(), 1);
        QTest::mouseClick(ui()->d01, Qt::LeftButton); // landed
        QVERIFY(canvas()->liveItems().isEmpty());
        if (how.isEmpty()) {
            QCOMPARE(canvas()->rasterImage(), before);
        } else {
            const QRect box = canvas()
                                  ->transform(Matrix::OutlineToDoc)
                                  .map(design()->outlinePath())
                                  .boundingRect()
                                  .toAlignedRect();
            const QRect now = ink();
            QString seen;
            QDebug(&seen) << now << "in" << box;
            QVERIFY2(box.adjusted(-2, -2, 2, 2).contains(now), qPrintable(seen));
            QVERIFY(now != drawn);
            // One Undo brings the page from before the lift, whole.
            QTest::mouseClick(ui()->btn_return, Qt::LeftButton);
            QCOMPARE(canvas()->rasterImage(), before);
        }
    }

    void printDialog_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("printed to a PDF file") << true;
        QTest::newRow("cancelled") << false;
    }

    // Printing through the real dialog: what is being edited is committed; a
    // cancelled dialog prints nothing and leaves the mark as it was.
    void printDialog()
    {
        QFETCH(bool, accept);
        drawLine();
        design()->setModified(false);
        QTest::mouseClick(ui()->d00, Qt::LeftButton);
        drag(QPoint(120, 400), QPoint(400, 400), 2);
        QCOMPARE(canvas()->liveItems().size(), 1);
        const QString file =
            m_dir.filePath(accept ? QStringLiteral("printed.pdf") : QStringLiteral("never.pdf"));
        answerNextModal<QPrintDialog>([accept, file](QPrintDialog *dialog) {
            if (!accept) {
                dialog->reject();
                return;
            }
            // As a user does it: the dialog's "print to file" and a name.
            if (auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers")))
                printers->setCurrentIndex(
                    printers->findText(QStringLiteral("File"), Qt::MatchContains));
            if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("filename")))
                name->setText(file);
            dialog->accept();
        });
        QString warned;
        noteWarning(&warned);
        QMenu *menu = ui()->btn_print->menu();
        QVERIFY(menu);
        menu->actions().first()->trigger();
        QVERIFY(canvas()->liveItems().isEmpty()); // the second line was committed
        QVERIFY(design()->isModified());          // by that commit
        QCOMPARE(warned, QString());
        QCOMPARE(QFile::exists(file), accept);
        if (accept)
            QVERIFY(QFile(file).size() > 1000);
    }

    // Save As PDF, Export as PDF and the command line's PDF and PNG of one
    // design show the same: clipped to the outline as the design says, and
    // never moved by the printer's offset.
    void everyFileOutputShowsTheSame()
    {
        // A line across the whole page, of which the clip keeps the part inside the outline.
        design()->paintPage([](QPainter &painter) {
            painter.setPen(QPen(Qt::black, 5));
            painter.drawLine(20, 324, 817, 324);
            return true;
        });
        design()->setClipToOutline(true);
        m_window->setPrintOffset(QPointF(8, 6));
        const QString saved = m_dir.filePath(QStringLiteral("same.lmx"));
        const QString saveAsPdf = m_dir.filePath(QStringLiteral("saveas.pdf"));
        const QString exportPdf = m_dir.filePath(QStringLiteral("export.pdf"));
        const QString linePdf = m_dir.filePath(QStringLiteral("line.pdf"));
        const QString linePng = m_dir.filePath(QStringLiteral("line.png"));
        chooseFile(saved);
        QVERIFY(m_window->saveDocument(true));
        chooseFile(saveAsPdf);
        QVERIFY(m_window->saveDocument(true));
        chooseFile(exportPdf);
        m_window->slot_exportPdf();
        QCOMPARE(runLumetra({QStringLiteral("--export"), saved, linePdf}).code, 0);
        QCOMPARE(runLumetra({QStringLiteral("--export"), saved, linePng}).code, 0);

        // The PNG holds the page at its own detail; its ink in document pixels.
        const QImage png(linePng);
        const QRect box =
            documentRect(inkRect(png, 100), double(png.width()) / design()->pageSize().width());
        // The outline's box: the line beyond it was clipped away.
        const QRect outline = canvas()
                                  ->transform(Matrix::OutlineToDoc)
                                  .map(design()->outlinePath())
                                  .boundingRect()
                                  .toAlignedRect();
        QVERIFY2(outline.adjusted(-3, -3, 3, 3).contains(box),
                 qPrintable(QStringLiteral("%1 %2").arg(box.left()).arg(box.right())));
        const QImage first = rendered(saveAsPdf);
        for (const QString &pdf : {saveAsPdf, exportPdf, linePdf}) {
            const QImage page = rendered(pdf);
            QCOMPARE(page, first);
            const QRect ink = inkRect(page, 100);
            QString seen;
            QDebug(&seen) << pdf << ink << "for" << box;
            QVERIFY2(qAbs(ink.left() - box.left()) <= 2 && qAbs(ink.top() - box.top()) <= 2 &&
                         qAbs(ink.right() - box.right()) <= 2 &&
                         qAbs(ink.bottom() - box.bottom()) <= 2,
                     qPrintable(seen));
        }
    }

    // Five names on an A7 design: the preview counts the inserts and sheets and
    // follows the sheet chosen in it, and shows the print offset kept from before
    // and takes the one set in it; a sheet too small is refused with a reason;
    // the PDF holds a sheet of A4 per four names; the next window keeps the sheet.
    void manyInsertsFromTheWindow()
    {
        ui()->chk_horizonal->setChecked(false);
        ui()->cob_pasesetting->setCurrentIndex(
            ui()->cob_pasesetting->findText(QStringLiteral("A7")));
        design()->setFrameTextNames({"Ann", "Ben", "Cleo", "Dan", "Eve"});
        QCOMPARE(LMOutputPlan::of(design()->toDocument(), {}).pages.size(), 1); // no frame text yet
        design()->setFrameEffectOn(true);
        design()->setFrameTextOn(true);
        QMenu *sheets = ui()->btn_print->menu()->findChild<QMenu *>(QStringLiteral("sheetMenu"));
        QVERIFY(sheets);
        const auto choose = [sheets](const QString &paper) {
            for (QAction *a : sheets->actions())
                if (a->text() == paper)
                    a->trigger();
        };
        choose(QStringLiteral("A4"));
        QCOMPARE(m_window->sheetPaperId(), 0);

        QStringList seen;
        answerNextModal<QPrintPreviewDialog>([&seen](QPrintPreviewDialog *dialog) {
            auto *preview = dialog->findChild<QPrintPreviewWidget *>();
            auto *summary = dialog->findChild<QLabel *>(QStringLiteral("sheetSummary"));
            auto *choice = dialog->findChild<QComboBox *>(QStringLiteral("sheetChoice"));
            auto *x = dialog->findChild<QDoubleSpinBox *>(QStringLiteral("printOffsetX"));
            auto *y = dialog->findChild<QDoubleSpinBox *>(QStringLiteral("printOffsetY"));
            if (!preview || !summary || !choice || !x || !y) {
                dialog->reject();
                return;
            }
            seen << QStringLiteral("%1 (%2), offset %3 %4")
                        .arg(summary->text(), QString::number(preview->pageCount()),
                             QString::number(x->value()), QString::number(y->value()));
            choice->setCurrentIndex(0); // one insert per sheet
            seen << QStringLiteral("%1 (%2)").arg(summary->text()).arg(preview->pageCount());
            x->setValue(-1.5);
            y->setValue(4);
            dialog->reject();
        });
        m_window->setPrintOffset(QPointF(3.5, -2)); // as a preview before left it
        m_window->slot_printPreview();
        QCOMPARE(seen, (QStringList{"4 per sheet, 2 sheets (2), offset 3.5 -2",
                                    "5 inserts, one per sheet (5)"}));
        QCOMPARE(m_window->printOffset(), QPointF(-1.5, 4));
        QCOMPARE(m_window->sheetPaperId(), -1);

        choose(QStringLiteral("A8"));
        QString warned;
        noteWarning(&warned);
        m_window->slot_exportPdf();
        QCOMPARE(warned,
                 QStringLiteral("The sheet is too small for one insert within its margins."));

        choose(QStringLiteral("A4"));
        const QString pdf = m_dir.filePath(QStringLiteral("names.pdf"));
        chooseFile(pdf);
        m_window->slot_exportPdf();
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY(info.waitForFinished());
        const QString out = QString::fromLatin1(info.readAllStandardOutput());
        QVERIFY2(out.contains(QStringLiteral("Pages:           2")) &&
                     out.contains(QStringLiteral("(A4)")),
                 qPrintable(out));

        closeWindow();
        m_window = new LMMainWidget;
        QCOMPARE(m_window->sheetPaperId(), 0);
    }

private:
    QWidget *panel() const { return m_window->settingsPanel(); }
    template <class T> T *in(const char *name) const
    {
        return panel() ? panel()->findChild<T *>(QLatin1String(name)) : nullptr;
    }
    void drawLine();
    // The document pixels the page's dark pixels lie on.
    QRect ink() const
    {
        return documentRect(inkRect(canvas()->rasterImage()),
                            canvas()->rasterImage().devicePixelRatio());
    }

    QTemporaryDir m_dir;
};

void TestOutputFlows::drawLine()
{
    QTest::mouseClick(ui()->d00, Qt::LeftButton);
    drag(QPoint(100, 100), QPoint(500, 300), 2);
    QTest::mouseClick(ui()->d01, Qt::LeftButton);
}

QTEST_MAIN(TestOutputFlows)

#include "tst_outputflows.moc"
