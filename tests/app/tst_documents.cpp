#include "../common/Golden.h"
#include "../common/WindowFixture.h"
#include "app/LMLanguageTable.h"
#include "app/LMResources.h"
#include "app/LMSaveDialog.h"
#include "model/LMDocumentFile.h"
#include "tools/LMScreenMsgHandlerInf.h"

#include <QPushButton>
#include <QTemporaryDir>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
// Answers the save-changes prompt: "save", "dont", "cancel" or "escape".
void answerPrompt(const QString &answer, QString *question = nullptr)
{
    answerNextModal<LMSaveDialog>([answer, question](LMSaveDialog *prompt) {
        if (question)
            *question = prompt->question()->text();
        if (answer == QLatin1String("escape"))
            QTest::keyClick(prompt, Qt::Key_Escape);
        else
            QTest::mouseClick(prompt->findChild<QPushButton *>(QStringLiteral("btn_") + answer),
                              Qt::LeftButton);
    });
}
} // namespace

class TestDocuments : public QObject, private WindowFixture {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { lmInitResources(); }

    void init()
    {
        m_dir = new QTemporaryDir;
        openWindow();
    }

    void cleanup()
    {
        forgetUnusedAnswers();
        ui()->cob_lan->setCurrentIndex(0); // the next window starts in English again
        closeWindow();
        delete m_dir;
    }

    void saveNewOpen_data()
    {
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<int>("paperRow");
        QTest::newRow("Letter landscape") << true << 0;
        QTest::newRow("A5 portrait") << false << 8;
    }

    // Draw, save, start anew, open again: everything of the design comes back.
    void saveNewOpen()
    {
        QFETCH(bool, landscape);
        QFETCH(int, paperRow);
        ui()->cob_pasesetting->setCurrentIndex(paperRow);
        if (ui()->chk_horizonal->isChecked() != landscape)
            toggleLandscape();
        scribble();
        m_window->design()->selectOutline(2, 4);
        design()->setOutlineOffset(QPoint(200, 150));
        design()->setOutlineRotation(30);
        design()->setFrameText(QStringLiteral("Grüße"));
        const QSize page = design()->pageSize();
        const QString file = path(QStringLiteral("card.lmx"));

        chooseFile(file);
        QVERIFY(m_window->saveDocument(false));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("card.lmx   Lumetra"));
        QVERIFY(!design()->isModified());

        m_window->findChild<QPushButton *>(QStringLiteral("btn_new"))->click();
        QCOMPARE(m_window->windowTitle(), QStringLiteral("   Lumetra"));
        QCOMPARE(at(150, 120), QColor(Qt::white));
        QCOMPARE(design()->outlineGroup(), 0);
        // The page for the reopening starts from the other orientation.
        toggleLandscape();
        ui()->cob_pasesetting->setCurrentIndex(3);
        design()->setModified(false);

        QVERIFY(m_window->openFile(file));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("card.lmx   Lumetra"));
        QCOMPARE(m_window->currentPath(), file);
        QCOMPARE(ui()->chk_horizonal->isChecked(), landscape);
        QCOMPARE(ui()->cob_pasesetting->currentIndex(), paperRow);
        QCOMPARE(design()->pageSize(), page);
        QCOMPARE(at(150, 120), QColor(Qt::red));
        QCOMPARE(design()->outlineGroup(), 2);
        QCOMPARE(design()->outlineIndex(), 4);
        QCOMPARE(design()->outlineOffset(), QPoint(200, 150));
        QCOMPARE(design()->flags().outlineRotation(), 30);
        QCOMPARE(design()->frameText().text(), QStringLiteral("Grüße"));
        QVERIFY(!design()->isModified());
    }

    // A file that names a paper the table lacks opens on the paper chosen.
    void paperNotInTheTable()
    {
        ui()->cob_pasesetting->setCurrentIndex(7); // A4
        LMDocument doc = design()->toDocument();
        doc.flags.setPaperId(77);
        QVERIFY(writeFile(QStringLiteral("odd.lmx"), LMDocumentFile::write(doc)));
        design()->setModified(false);
        QVERIFY(m_window->openFile(path(QStringLiteral("odd.lmx"))));
        QCOMPARE(ui()->cob_pasesetting->currentIndex(), 7); // the choice stays
        QCOMPARE(design()->flags().paperId(), qint16(0));   // and the page is A4's
    }

    // The fine detail of a design is a part the design can do without: a
    // damaged fine block opens the standard page, with a warning.
    void damagedFineDetailOpensStandard()
    {
        paint([](QPainter &painter) { painter.fillRect(100, 100, 40, 40, Qt::blue); });
        design()->setDetail(4);
        const QString fine = path(QStringLiteral("fine.lmx"));
        QVERIFY(canvas()->save(fine));
        QFile file(fine);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(writeFile(QStringLiteral("damaged.lmx"), file.readAll().chopped(20)));
        m_window->on_btn_new_clicked();
        QCOMPARE(design()->detail(), 4); // New keeps the page as it is

        QString said;
        noteWarning(&said);
        QVERIFY(m_window->openFile(path(QStringLiteral("damaged.lmx"))));
        QTRY_VERIFY(!said.isEmpty());
        QVERIFY2(said.contains(QStringLiteral("fine detail")), qPrintable(said));
        QCOMPARE(design()->detail(), 1);
        QCOMPARE(at(120, 120), QColor(Qt::blue));
        QVERIFY(!design()->isModified());
        QVERIFY(m_window->openFile(fine));
        QCOMPARE(design()->detail(), 4);
        QCOMPARE(at(120, 120), QColor(Qt::blue));
    }

    void saveFailuresKeepTheMark()
    {
        scribble();
        QVERIFY(writeFile(QStringLiteral("plain"), QByteArray()));
        // A folder that cannot be written to (its "folder" is a file), under the current name.
        const QString blocked = path(QStringLiteral("plain/inside.lmx"));
        m_window->setCurrentPath(blocked);
        QString said;
        noteWarning(&said);
        QVERIFY(!m_window->saveDocument(false));
        // The table's line, and the system's reason below it.
        QCOMPARE(said, QStringLiteral("Can not open file!\nNot a directory"));
        QVERIFY(design()->isModified());
        QCOMPARE(m_window->windowTitle(), QStringLiteral("inside.lmx*   Lumetra"));
        // An ending that names no image format.
        said.clear();
        noteWarning(&said);
        chooseFile(path(QStringLiteral("page.xyz")));
        QVERIFY(!m_window->saveDocument(true));
        QCOMPARE(said, QStringLiteral("Can not open file!\nLumetra writes no \"xyz\" images."));
        QVERIFY(design()->isModified());
        QCOMPARE(m_window->currentPath(), blocked);
        QVERIFY(!QFile::exists(path(QStringLiteral("page.xyz"))));
        // Saving over an existing design replaces it whole.
        const QString file = path(QStringLiteral("over.lmx"));
        // Longer than any design, texture and page included: no old tail may stay.
        QVERIFY(writeFile(QStringLiteral("over.lmx"), QByteArray(8000000, 'x')));
        QVERIFY(canvas()->save(file));
        QVERIFY(QFile(file).size() < 8000000);
        QFile reread(file);
        QVERIFY(reread.open(QIODevice::ReadOnly));
        QVERIFY(LMDocumentFile::read(reread));
    }

    void saveAsImageKeepsTheDocumentUnnamed()
    {
        scribble();
        const QString picture = path(QStringLiteral("page.png"));
        chooseFile(picture);
        QVERIFY(m_window->saveDocument(false));
        QVERIFY(QFile::exists(picture));
        QVERIFY(m_window->currentPath().isEmpty());
        QCOMPARE(m_window->windowTitle(), QStringLiteral("*   Lumetra"));
        // A typed name without an ending takes the chosen type's: a design by default.
        const auto named = [](const char *filter) {
            return LMMainWidget::withChosenEnding(QStringLiteral("/a/named"),
                                                  QLatin1String(filter));
        };
        QCOMPARE(named("Lumetra File (*.lmx)"), QStringLiteral("/a/named.lmx"));
        QCOMPARE(named("JPEG(*.jpeg *.jpg *.jpe)"), QStringLiteral("/a/named.jpeg"));
        QCOMPARE(named(""), QStringLiteral("/a/named.lmx"));
    }

    void prompt_data()
    {
        QTest::addColumn<QString>("command"); // new, open, close; "new live": of a line not applied
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("fileDialogAccepted");
        QTest::addColumn<bool>("goesOn");
        QTest::addColumn<bool>("saved");
        for (const char *command : {"new", "open", "close"}) {
            const QByteArray c(command);
            QTest::newRow(c + ", save") << command << "save" << true << true << true;
            QTest::newRow(c + ", save, file dialog cancelled")
                << command << "save" << false << false << false;
            QTest::newRow(c + ", don't") << command << "dont" << false << true << false;
            QTest::newRow(c + ", cancel") << command << "cancel" << false << false << false;
            QTest::newRow(c + ", escape") << command << "escape" << false << false << false;
        }
        QTest::newRow("new, a live line, save") << "new live"
                                                << "save" << true << true << true;
        QTest::newRow("new, a live line, don't") << "new live"
                                                 << "dont" << false << true << false;
        QTest::newRow("new, a live line, cancel") << "new live"
                                                  << "cancel" << false << false << false;
    }

    // Unsaved work is asked about before it is lost; a line not applied yet is
    // unsaved work too, though the design is unmarked, and the new page never
    // inherits it.
    void prompt()
    {
        QFETCH(QString, command);
        QFETCH(QString, answer);
        QFETCH(bool, fileDialogAccepted);
        QFETCH(bool, goesOn);
        QFETCH(bool, saved);
        const bool live = command == QLatin1String("new live");
        if (live) {
            whitePage();
            ui()->d00->click();
            design()->setModified(false);                // as just after a save
            drag(QPoint(100, 145), QPoint(300, 145), 1); // page row 120
            QVERIFY(!design()->isModified());
        } else {
            scribble();
        }
        const QString target = path(QStringLiteral("answer.lmx"));
        const QString other = path(QStringLiteral("other.png"));
        QImage(40, 30, QImage::Format_RGB32).save(other);
        QString question;
        answerPrompt(answer, &question);
        if (answer == QLatin1String("save")) {
            chooseFile(fileDialogAccepted ? target : QString());
        }
        if (command.startsWith(QLatin1String("new"))) {
            m_window->findChild<QPushButton *>(QStringLiteral("btn_new"))->click();
            QCOMPARE(at(150, 120) == QColor(Qt::white), goesOn);
            QVERIFY(canvas()->liveItems().isEmpty());
        } else if (command == QLatin1String("open")) {
            QCOMPARE(m_window->openFile(other), goesOn);
            QCOMPARE(canvas()->currentHandler()->objectName() == QLatin1String("img"), goesOn);
        } else {
            QCOMPARE(m_window->close(), goesOn);
            QCOMPARE(m_window->isVisible(), !goesOn);
        }
        QCOMPARE(QFile::exists(target), saved);
        QCOMPARE(question, QStringLiteral("Save File Untitled?"));
        if (saved) {
            QFile file(target);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(LMDocumentFile::read(file)->page.pixelColor(150, 120),
                     live ? QColor(Qt::black) : QColor(Qt::red));
        }
    }

    void promptQuestion_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("mark");
        const QString card = QStringLiteral("/home/me/card.lmx");
        const QString arabic = QStringLiteral("العربية");
        QTest::newRow("English, named") << "English"
                                        << "enu" << card << "?";
        QTest::newRow("Arabic, Arabic folder name")
            << arabic << "ara" << QStringLiteral("/home/me/بطاقات/card 2.lmx")
            << QStringLiteral("؟");
        QTest::newRow("Greek, named") << QStringLiteral("Ελληνικά") << "ell" << card << ";";
    }

    // The prompt names a named design's full path, isolated as one left-to-right
    // piece inside the sentence (so a right-to-left sentence never reorders it),
    // and ends with the language's own question mark.
    void promptQuestion()
    {
        QFETCH(QString, language);
        QFETCH(QString, folder);
        QFETCH(QString, file);
        QFETCH(QString, mark);
        ui()->cob_lan->setCurrentIndex(ui()->cob_lan->findText(language));
        scribble();
        m_window->setCurrentPath(file);
        QString question;
        Qt::LayoutDirection direction = Qt::LeftToRight;
        answerNextModal<LMSaveDialog>([&](LMSaveDialog *prompt) {
            question = prompt->question()->text();
            direction = prompt->question()->layoutDirection();
            QTest::mouseClick(prompt->findChild<QPushButton *>(QStringLiteral("btn_cancel")),
                              Qt::LeftButton);
        });
        m_window->findChild<QPushButton *>(QStringLiteral("btn_new"))->click();

        QFile table(LMLanguageTable::resourcePath(folder));
        QVERIFY(table.open(QIODevice::ReadOnly));
        const QString saveFile = LMLanguageTable::parse(table.readAll()).at(28);
        // An unnamed design is called "Untitled", in the language.
        const QString untitled = LMSaveDialog::tr("Untitled");
        QCOMPARE(untitled == QLatin1String("Untitled"), language == QLatin1String("English"));
        const QString isolated =
            file.isEmpty() ? untitled : QChar(0x2066) + file + QChar(0x2069); // LRI, PDI
        QCOMPARE(question, saveFile + QLatin1Char(' ') + isolated + mark);
        QCOMPARE(direction, folder == QLatin1String("ara") ? Qt::RightToLeft : Qt::LeftToRight);
    }

    void validation_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::addColumn<QString>("message");
        LMDocument doc;
        doc.page = QImage(4, 4, QImage::Format_RGB32);
        doc.page.fill(Qt::white);
        const QByteArray design = LMDocumentFile::write(doc);
        doc.outlineIndex = 99;
        const QByteArray unknownOutline = LMDocumentFile::write(doc);
        QTest::newRow("missing") << "missing.lmx" << QByteArray() << "File not found!";
        QTest::newRow("a folder") << "folder.png" << QByteArray("dir") << "Can not open file!";
        // No regular files: a FIFO would block the reader until a writer comes.
        QTest::newRow("a FIFO") << "pipe.lmx" << QByteArray("fifo") << "Can not open file!";
        QTest::newRow("a socket") << "socket.png" << QByteArray("socket") << "Can not open file!";
        QTest::newRow("a device") << "zero.png" << QByteArray("/dev/zero") << "Can not open file!";
        QTest::newRow("wrong version") << "old.lmx" << (QByteArray("\x09\0\0\0", 4) + design.mid(4))
                                       << "Lmx file internal error!";
        QTest::newRow("shorter than a version")
            << "tiny.lmx" << QByteArray("\x0a") << "Lmx file internal error!";
        // These pass the first look: the prompt comes first, and the page stays.
        for (int cut : {4, 95, 96, int(design.size()) / 2, int(design.size()) - 1})
            QTest::addRow("cut at %d", cut)
                << "cut.lmx" << design.left(cut) << "Lmx file internal error!";
        QTest::newRow("an outline the catalogue does not have")
            << "outline.lmx" << unknownOutline << "Lmx file internal error!";
        QTest::newRow("upper-case ending is checked as a picture")
            << "CARD.LMX" << design << "Not a valid image file!";
        QTest::newRow("text named .png")
            << "notes.png" << QByteArray("just some text\n") << "Not a valid image file!";
    }

    // A file that cannot be opened is named in a warning, and nothing of the open
    // design changes: not its page, its settings nor its name.
    void validation()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        const QString file = path(name);
        const QByteArray encoded = QFile::encodeName(file);
        int socket = -1;
        const auto closeSocket = qScopeGuard([&socket] { ::close(socket); });
        if (content == "dir") {
            QVERIFY(QDir().mkpath(file));
        } else if (content == "fifo") {
            QCOMPARE(::mkfifo(encoded.constData(), 0600), 0);
        } else if (content == "socket") {
            socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            QVERIFY(encoded.size() < int(sizeof(address.sun_path)));
            qstrcpy(address.sun_path, encoded.constData());
            QCOMPARE(::bind(socket, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
        } else if (content.startsWith("/dev/")) {
            QVERIFY(QFile::link(QString::fromLatin1(content), file));
        } else if (!content.isEmpty())
            QVERIFY(writeFile(name, content));
        scribble();
        const QByteArray flags = design()->toDocument().flags.toBytes();
        QString said, title;
        noteWarning(&said, &title);
        answerPrompt(QStringLiteral("dont"));
        QVERIFY(!m_window->openFile(file));
        QCOMPARE(said, message + QLatin1Char('\n') + file);
        QCOMPARE(title, QStringLiteral("Lumetra"));
        QCOMPARE(at(150, 120), QColor(Qt::red));
        QCOMPARE(design()->toDocument().flags.toBytes(), flags);
        QCOMPARE(m_window->windowTitle(), QStringLiteral("*   Lumetra"));
    }

    // The export holds the page and the cutting line along the outline, black and
    // white dashes; the outline's red where it crosses the margins, and the dotted
    // margin guide, are on screen only.
    void exportShowsTheCuttingLineOnly()
    {
        whitePage();
        design()->setMargins(40, 40, 40, 40); // the outline crosses them
        QVERIFY(design()->outsidePrintable());
        // The outline's layer is built over a few repaints.
        QTRY_COMPARE(canvas()->frameStage(), int(LMFrameLayer::StageCount));
        LM_COMPARE_GOLDEN(canvas()->grab().toImage(), QStringLiteral("tst_documents_screen"));
        m_window->form()->d02->click();
        drag(QPoint(300, 300), QPoint(400, 400), 1);
        const QString file = path(QStringLiteral("export.png"));
        QVERIFY(canvas()->save(file));
        const QImage exported(file);
        QCOMPARE(exported.size(), canvas()->rasterImage().size()); // at the page's own detail
        // One sample per document pixel keeps the dashes sharp.
        LM_COMPARE_GOLDEN(exported.scaled(design()->pageSize()),
                          QStringLiteral("tst_documents_export"));
    }

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    bool writeFile(const QString &name, const QByteArray &bytes) const;
    void scribble(QColor colour = Qt::red);

    QTemporaryDir *m_dir = nullptr;
};

void TestDocuments::scribble(QColor colour)
{
    paint([colour](QPainter &painter) {
        painter.fillRect(painter.window(), Qt::white);
        painter.fillRect(QRect(100, 120, 100, 1), colour); // row 120, at any detail
    });
    m_window->setModified();
}

bool TestDocuments::writeFile(const QString &name, const QByteArray &bytes) const
{
    QFile file(path(name));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

QTEST_MAIN(TestDocuments)

#include "tst_documents.moc"
