#include "../common/PngClaim.h"
#include "../common/WindowFixture.h"
#include "app/LMResources.h"
#include "base/LMText.h"
#include "model/LMDocumentFile.h"
#include "tools/LMScreenMsgHandlerInf.h"
#include "widgets/KVCLIENT_ColorComboBox.h"
#include "widgets/LMNamesDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>

// The frame effect as a user works it: the panel, the ring on the design and
// in exports, the strip sheet, and designs that keep all of it.
class TestFrameFlows : public QObject, private WindowFixture {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        lmInitResources();
        QVERIFY(m_dir.isValid());
        QSettings(QStringLiteral("Lumetra"), QStringLiteral("Lumetra")).clear();
    }

    void init() { openWindow(); }

    void cleanup() { closeWindow(); }

    void textureOnTheRingAndBackFromAFile_data()
    {
        QTest::addColumn<bool>("tiled");
        QTest::addColumn<int>("scale");
        QTest::newRow("stretched") << false << 100;
        QTest::newRow("tiled at 50 %") << true << 50;
    }

    // Choose a texture, tile it, write along the frame; the export shows the
    // ring, and the saved design brings every setting back, the scale too.
    void textureOnTheRingAndBackFromAFile()
    {
        QFETCH(bool, tiled);
        QFETCH(int, scale);
        QTest::mouseClick(ui()->b1, Qt::LeftButton);
        QCOMPARE(canvas()->currentHandler()->objectName(), QStringLiteral("border"));
        QVERIFY(canvas()->frameToolActive());
        QTest::mouseClick(in<QPushButton>("btn_wood1"), Qt::LeftButton);
        QVERIFY(design()->flags().frameEffectOn());
        QVERIFY(in<QCheckBox>("chk_useborder")->isChecked());
        QCOMPARE(design()->textureName(), QStringLiteral("wood1"));
        QVERIFY(design()->isModified());
        if (tiled) {
            QTest::mouseClick(in<QRadioButton>("r_copy"), Qt::LeftButton);
            in<QSlider>("slider_size")->setValue(scale);
        }
        in<QComboBox>("cob_n")->setCurrentIndex(3); // 24 mm
        QCOMPARE(design()->flags().frameIndex(), 4);
        QTest::mouseClick(in<QCheckBox>("chk_usetext"), Qt::LeftButton);
        in<QLineEdit>("frameTextEdt")->setText(QStringLiteral("EMMA 2026"));
        in<QLineEdit>("separatorEdt")->setText(QStringLiteral(" * "));
        QCOMPARE(design()->frameText().separator(), QStringLiteral(" * "));
        QCOMPARE(design()->flags().textureTiled(), tiled);
        QCOMPARE(design()->flags().textureScale(), scale);

        // The export shows walnut on the ring and the text on it, not white.
        const QImage page = exported();
        const QColor ring = exportedAt(page, ringPoint());
        QVERIFY2(ring.lightness() < 200 && ring.red() > ring.blue(), qPrintable(ring.name()));
        int red = 0; // every other document pixel
        for (int y = 0; y < design()->pageSize().height(); y += 2)
            for (int x = 0; x < design()->pageSize().width(); x += 2) {
                const QColor c = exportedAt(page, QPoint(x, y));
                red += c.red() > 200 && c.green() < 60;
            }
        QVERIFY2(red > 50, qPrintable(QString::number(red)));

        const QString file = path(QStringLiteral("framed.lmx"));
        m_window->setCurrentPath(file);
        QVERIFY(m_window->saveDocument(false));
        QTest::mouseClick(ui()->d01, Qt::LeftButton);
        design()->setModified(false);
        m_window->on_btn_new_clicked();
        QVERIFY(!design()->flags().frameEffectOn());
        QVERIFY(m_window->openFile(file));
        QCOMPARE(design()->textureName(), QStringLiteral("wood1"));
        QCOMPARE(design()->texture().size(), QSize(512, 384));
        QVERIFY(design()->flags().frameEffectOn());
        QCOMPARE(design()->flags().textureTiled(), tiled);
        QCOMPARE(design()->flags().textureScale(), scale);
        QCOMPARE(design()->flags().frameIndex(), 4);
        QCOMPARE(design()->frameText().text(), QStringLiteral("EMMA 2026"));
        QCOMPARE(design()->frameText().separator(), QStringLiteral(" * "));
        QVERIFY(!design()->isModified());
        // An open panel reads the loaded design.
        QTest::mouseClick(ui()->b1, Qt::LeftButton);
        QCOMPARE(in<QLineEdit>("frameTextEdt")->text(), QStringLiteral("EMMA 2026"));
        QCOMPARE(in<QLineEdit>("separatorEdt")->text(), QStringLiteral(" * "));
        QVERIFY(in<QPushButton>("btn_wood1")->isChecked());
    }

    void userPictureAsTexture()
    {
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(QColor(10, 200, 30));
        const QString file = path(QStringLiteral("grass.png"));
        QVERIFY(picture.save(file));
        QTest::mouseClick(ui()->b1, Qt::LeftButton);
        QTest::mouseClick(in<QPushButton>("btn_metal2"), Qt::LeftButton);
        chooseFile(file);
        QTest::mouseClick(in<QPushButton>("btn_load"), Qt::LeftButton);
        // A picture is no built-in texture: no texture button stays checked.
        QCOMPARE(design()->textureName(), QString());
        QVERIFY(!in<QPushButton>("btn_metal2")->isChecked());
        QCOMPARE(exportedAt(exported(), ringPoint()), QColor(10, 200, 30));

        const QString design = path(QStringLiteral("grass.lmx"));
        QVERIFY(canvas()->save(design));
        QFile f(design);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const std::optional<LMDocument> read = LMDocumentFile::read(f);
        QVERIFY(read);
        QCOMPARE(read->textureName, QString());
        QCOMPARE(read->texture.convertToFormat(QImage::Format_RGB32), picture);
        // Choosing a texture afterwards checks its button again.
        QTest::mouseClick(in<QPushButton>("btn_metal2"), Qt::LeftButton);
        QVERIFY(in<QPushButton>("btn_metal2")->isChecked());
    }

    void panelShowsWhatApplies()
    {
        QTest::mouseClick(ui()->b1, Qt::LeftButton);
        QWidget *p = panel();
        // Stretched hides the scale, Tiled shows it and its value.
        QTest::mouseClick(in<QRadioButton>("r_copy"), Qt::LeftButton);
        QVERIFY(in<QWidget>("size_w")->isVisibleTo(p));
        in<QSlider>("slider_size")->setValue(30);
        QCOMPARE(in<QLabel>("label_2")->text(), QStringLiteral("30"));
        QTest::mouseClick(in<QRadioButton>("r_expand"), Qt::LeftButton);
        QVERIFY(!in<QWidget>("size_w")->isVisibleTo(p));
        QVERIFY(!design()->flags().textureTiled());
        // Frame effect off: the text and the width are out of reach.
        QTest::mouseClick(in<QPushButton>("btn_metal0"), Qt::LeftButton);
        QVERIFY(in<QCheckBox>("chk_usetext")->isEnabled());
        QTest::mouseClick(in<QCheckBox>("chk_useborder"), Qt::LeftButton);
        QVERIFY(!design()->flags().frameEffectOn());
        QVERIFY(!in<QCheckBox>("chk_usetext")->isEnabled());
        QVERIFY(!in<QWidget>("w_num")->isEnabled());
        QVERIFY(!in<QWidget>("edt_text")->isEnabled());
        // One colour: the ring shows it; the strip controls belong to the other mode.
        in<KVCLIENT_ColorComboBox>("colorW")->setColor(QColor(200, 0, 200));
        QVERIFY(design()->flags().frameEffectOn());
        QCOMPARE(design()->textureName(), QStringLiteral("color"));
        QVERIFY(in<QPushButton>("btn_color")->isChecked());
        QCOMPARE(exportedAt(exported(), ringPoint()), QColor(200, 0, 200));
        QVERIFY(!in<QWidget>("w1")->isVisibleTo(p));
        QVERIFY(!in<QSpinBox>("spin_n")->isVisibleTo(p));
    }

    // The frame tool drags the outline by its ring, never from inside the window;
    // the moved outline is a change to keep.
    void frameToolDragsTheOutlineByItsRing()
    {
        QTest::mouseClick(ui()->b1, Qt::LeftButton);
        QTest::mouseClick(in<QPushButton>("btn_metal0"), Qt::LeftButton);
        design()->setModified(false);
        const QPoint start = design()->outlineOffset();
        const QTransform toWidget = canvas()->transform(Matrix::DocToWidget);
        const QPoint inside =
            toWidget.map(canvas()->transform(Matrix::OutlineToDoc).map(QPoint(0, 0)));
        drag(inside, inside + QPoint(30, 20), 1);
        QCOMPARE(design()->outlineOffset(), start);
        QVERIFY(!design()->isModified());

        const QPoint ring = toWidget.map(ringPoint());
        QTest::mousePress(canvas(), Qt::LeftButton, {}, ring);
        QTest::mouseMove(canvas(), ring + QPoint(15, 10));
        QTest::mouseMove(canvas(), ring + QPoint(30, 20));
        QTest::mouseRelease(canvas(), Qt::LeftButton, {}, ring + QPoint(30, 20));
        QCOMPARE(design()->outlineOffset(), start + QPoint(30, 20));
        QVERIFY(design()->isModified());
    }

    // The strip tool shows the sheet; leaving it shows the design again with a
    // frame level the outline has.
    void stripSheetAndBack()
    {
        QTest::mouseClick(ui()->b1, Qt::LeftButton);
        QTest::mouseClick(in<QPushButton>("btn_metal0"), Qt::LeftButton);
        in<QComboBox>("cob_n")->setCurrentIndex(4); // 36 mm
        QTest::mouseClick(ui()->b2, Qt::LeftButton);
        QVERIFY(canvas()->stripMode());
        QVERIFY(!in<QWidget>("w0")->isVisibleTo(panel()));
        in<QSpinBox>("spin_n")->setValue(3);
        QTest::mouseClick(in<QCheckBox>("chk_useheight"), Qt::LeftButton);
        QCOMPARE(design()->flags().stripCount(), 3);
        QVERIFY(design()->flags().useHeight());
        // What the screen shows: bands of the texture with grey sides.
        const QImage shown = canvas()->grab().toImage();
        const QPoint corner = canvas()->transform(Matrix::DocToWidget).map(QPoint(40, 40));
        QVERIFY(shown.pixelColor(corner) != QColor(Qt::white));
        // Thin strips draw the size-26 letters smaller and say so; the chosen size stays.
        auto *fitted = in<QLabel>("label_fitted");
        QVERIFY(!fitted->isVisibleTo(panel()));
        in<QComboBox>("cob_type")->setCurrentIndex(1);
        QVERIFY(design()->flags().stripType());
        QVERIFY(fitted->isVisibleTo(panel()));
        QVERIFY2(fitted->text().contains(QStringLiteral("thin")), qPrintable(fitted->text()));
        QCOMPARE(design()->frameText().font().pointSize(), 26);
        in<QComboBox>("cob_type")->setCurrentIndex(0);
        QVERIFY(!fitted->isVisibleTo(panel()));
        // The strips carry the separator the frame shows.
        QTest::mouseClick(in<QCheckBox>("chk_usetext"), Qt::LeftButton);
        in<QLineEdit>("frameTextEdt")->setText(QStringLiteral("EMMA"));
        const QImage plain = canvas()->grab().toImage();
        in<QLineEdit>("separatorEdt")->setText(QStringLiteral(" ### "));
        QVERIFY(canvas()->grab().toImage() != plain);
        in<QLineEdit>("separatorEdt")->clear();
        QCOMPARE(canvas()->grab().toImage(), plain);

        design()->selectOutline(2, 0); // three levels only
        QTest::mouseClick(ui()->d01, Qt::LeftButton);
        QVERIFY(!canvas()->stripMode());
        QCOMPARE(design()->flags().frameIndex(), 3);
    }

    // The width list follows the outline: five widths for an outline with five
    // frame levels, three for a card's three. On the card's small round window a
    // long name finds no side to stand on whole: nothing is drawn, and the panel
    // says why until the text fits.
    void widthsAndRoomFollowTheOutline()
    {
        QTest::mouseClick(ui()->b1, Qt::LeftButton);
        auto *widths = in<QComboBox>("cob_n");
        QCOMPARE(widths->count(), 5);
        QCOMPARE(widths->itemText(4), QStringLiteral("36mm"));
        design()->selectOutline(2, 4);
        QCOMPARE(widths->count(), 3);
        QCOMPARE(widths->itemText(2), QStringLiteral("12mm"));
        QTest::mouseClick(in<QPushButton>("btn_metal0"), Qt::LeftButton);
        widths->setCurrentIndex(2); // 12 mm
        QTest::mouseClick(in<QCheckBox>("chk_usetext"), Qt::LeftButton);
        auto *noRoom = in<QLabel>("label_noroom");
        QVERIFY(!noRoom->isVisibleTo(panel()));
        in<QLineEdit>("frameTextEdt")->setText(QStringLiteral("Alexandra-Josephine"));
        QVERIFY(noRoom->isVisibleTo(panel()));
        in<QLineEdit>("frameTextEdt")->setText(QStringLiteral("EMMA"));
        QVERIFY(!noRoom->isVisibleTo(panel()));
        design()->selectOutline(0, 0);
        QCOMPARE(widths->count(), 5);
    }

    void unreadablePicturesWarnAlike_data()
    {
        QTest::addColumn<bool>("framePanel");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("line");
        QTest::addColumn<bool>("saysWhy");
        const QByteArray huge = pngClaiming(QSize(20000, 20000));
        const QByteArray junk("this is no picture");
        QTest::newRow("frame panel, too large") << true << huge << 59 << true;
        QTest::newRow("frame panel, not a picture") << true << junk << 61 << false;
        QTest::newRow("image tool, too large") << false << huge << 59 << true;
        QTest::newRow("image tool, not a picture") << false << junk << 61 << false;
    }

    // The frame panel's Load and the image tool's Load Image refuse a picture
    // they cannot read with the same words, and say why when it is its size.
    void unreadablePicturesWarnAlike()
    {
        QFETCH(bool, framePanel);
        QFETCH(QByteArray, bytes);
        QFETCH(int, line);
        QFETCH(bool, saysWhy);
        const QString file = written(QStringLiteral("picture.png"), bytes);
        QTest::mouseClick(framePanel ? ui()->b1 : ui()->d10, Qt::LeftButton);
        QString warning;
        noteWarning(&warning);
        chooseFile(file);
        QTest::mouseClick(in<QPushButton>(framePanel ? "btn_load" : "loadImgButton"),
                          Qt::LeftButton);
        QVERIFY2(warning.startsWith(lmText(line)), qPrintable(warning));
        QCOMPARE(warning.contains(QLatin1Char('\n')), saysWhy);
        QVERIFY(!design()->isModified());
    }

    // A club's names along the frame: pasted rows and a CSV file give the list,
    // the field and the canvas show the first name, the file keeps the list and
    // the user's own text, and clearing the list brings that text back.
    void namesStandInForTheFrameText()
    {
        QTest::mouseClick(ui()->b1, Qt::LeftButton);
        QTest::mouseClick(in<QPushButton>("btn_metal0"), Qt::LeftButton);
        in<QComboBox>("cob_n")->setCurrentIndex(3); // 24 mm
        QVERIFY(!in<QPushButton>("btn_names")->isEnabled());
        QTest::mouseClick(in<QCheckBox>("chk_usetext"), Qt::LeftButton);
        QVERIFY(in<QPushButton>("btn_names")->isEnabled());
        auto *field = in<QLineEdit>("frameTextEdt");
        field->setText(QStringLiteral("EMMA"));
        const QImage emma = shown();
        field->setText(QStringLiteral("CLUB"));
        const QImage club = shown();
        QVERIFY(club != emma);

        // Cancel keeps the list as it was: empty.
        editNames([](LMNamesDialog *d) {
            d->findChild<QPlainTextEdit *>(QStringLiteral("namesEdt"))
                ->setPlainText(QStringLiteral("Lea"));
            d->reject();
        });
        QVERIFY(design()->frameTextNames().isEmpty());

        const QString latin = written(QStringLiteral("latin1.txt"), "J\xFCrgen\n");
        const QString csv = written(QStringLiteral("club.csv"), "\xEF\xBB\xBF"
                                                                "EMMA;7b\r\n\"Noah; Leo\";7a\r\n");
        QString warning, count;
        bool refused = false, boxKept = false, loaded = false;
        editNames([&](LMNamesDialog *d) {
            auto *box = d->findChild<QPlainTextEdit *>(QStringLiteral("namesEdt"));
            box->setPlainText(QStringLiteral("Mia\t7c\n\nBen\t7c"));
            count = d->findChild<QLabel *>(QStringLiteral("lab_count"))->text();
            // A file that is not UTF-8 is refused by name and leaves the box alone.
            noteWarning(&warning);
            refused = !d->loadFile(latin);
            boxKept = box->toPlainText().startsWith(QStringLiteral("Mia"));
            loaded = d->loadFile(csv);
            d->accept();
        });
        QVERIFY(refused && boxKept && loaded);
        QCOMPARE(count, QStringLiteral("2 names"));
        QVERIFY2(warning.contains(QStringLiteral("latin1.txt")), qPrintable(warning));
        const QStringList names = {QStringLiteral("EMMA"), QStringLiteral("Noah; Leo")};
        QCOMPARE(design()->frameTextNames(), names);
        QVERIFY(design()->isModified());
        QCOMPARE(field->text(), QStringLiteral("EMMA"));
        QVERIFY(field->isReadOnly());
        QVERIFY2(field->toolTip().contains(QLatin1Char('2')), qPrintable(field->toolTip()));
        // The canvas draws the first name exactly as it would the same own text.
        QCOMPARE(shown(), emma);
        QCOMPARE(design()->toDocument().frameText, QStringLiteral("CLUB"));

        const QString file = path(QStringLiteral("club.lmx"));
        m_window->setCurrentPath(file);
        QVERIFY(m_window->saveDocument(false));
        design()->setModified(false);
        m_window->on_btn_new_clicked();
        // A new design prints once: the list stays with the design it was made for.
        QVERIFY(design()->frameTextNames().isEmpty());
        QCOMPARE(design()->frameText().text(), QStringLiteral("CLUB"));
        QVERIFY(m_window->openFile(file));
        QCOMPARE(design()->frameTextNames(), names);
        QCOMPARE(design()->ownFrameText(), QStringLiteral("CLUB"));
        QTest::mouseClick(ui()->b1, Qt::LeftButton);
        field = in<QLineEdit>("frameTextEdt");
        QCOMPARE(field->text(), QStringLiteral("EMMA"));
        QVERIFY(field->isReadOnly());

        editNames([](LMNamesDialog *d) {
            d->findChild<QPlainTextEdit *>(QStringLiteral("namesEdt"))->clear();
            d->accept();
        });
        QVERIFY(design()->frameTextNames().isEmpty());
        QVERIFY(design()->isModified());
        QCOMPARE(field->text(), QStringLiteral("CLUB"));
        QVERIFY(!field->isReadOnly());
        QCOMPARE(shown(), club);
    }

private:
    QWidget *panel() const { return m_window->settingsPanel(); }
    template <class T> T *in(const char *name) const
    {
        T *w = panel() ? panel()->findChild<T *>(QLatin1String(name)) : nullptr;
        if (!w)
            qWarning("no %s in the panel", name);
        return w;
    }
    // A page point in the middle of the frame ring's top edge.
    QPoint ringPoint();
    // The canvas once every stage of the frame layer is drawn.
    QImage shown() const
    {
        for (int stage = 0; stage < 3; ++stage)
            canvas()->grab();
        return canvas()->grab().toImage();
    }
    // Opens the names editor from the panel and lets `edit` work in it.
    void editNames(const std::function<void(LMNamesDialog *)> &edit)
    {
        // A new panel is shown once the event loop runs; clicks need it there.
        QTRY_VERIFY(in<QPushButton>("btn_names")->isVisible());
        answerNextModal<LMNamesDialog>(edit);
        QTest::mouseClick(in<QPushButton>("btn_names"), Qt::LeftButton);
    }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    // A file of the test's own with these bytes; its path.
    QString written(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qWarning("cannot write %s", qPrintable(file.fileName()));
        return file.fileName();
    }

    QTemporaryDir m_dir;
};

QPoint TestFrameFlows::ringPoint()
{
    const QPainterPath ring = design()->shapes().frame;
    const QRectF box = ring.boundingRect();
    // Straight down from the top edge until inside the ring.
    QPointF p(box.center().x(), box.top());
    while (!ring.contains(p + QPointF(0, 2)) && p.y() < box.bottom())
        p.ry() += 1;
    return canvas()->transform(Matrix::OutlineToDoc).map(p + QPointF(0, 4)).toPoint();
}

QTEST_MAIN(TestFrameFlows)

#include "tst_frameflows.moc"
