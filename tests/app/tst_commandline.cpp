#include "../common/Golden.h"
#include "../common/PagePixels.h"
#include "../common/PngClaim.h"
#include "../common/RunLumetra.h"
#include "model/LMDocumentFile.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>
#include <sys/stat.h>

// The program itself, started the way a script starts it: no display.
class TestCommandLine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_dir = new QTemporaryDir;
        QImage picture(120, 80, QImage::Format_RGB32);
        picture.fill(QColor(0, 120, 0));
        QVERIFY(picture.save(path(QStringLiteral("photo.png"))));
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("folder.png")));
        QVERIFY(write(QStringLiteral("notes.png"), "not a picture\n"));
        // Its header states 300 megapixels; it is refused before decoding.
        QVERIFY(
            write(QStringLiteral("huge.ppm"), "P6\n20000 15000\n255\n" + QByteArray(3000, '\x7f')));
        QVERIFY(write(QStringLiteral("old.lmx"), QByteArray(100, '\x01')));
        QVERIFY(write(QStringLiteral("names.csv"), "\xef\xbb\xbf"
                                                   "Emma,7\r\nZo\xc3\xab,8\r\n\r\n"));
        QVERIFY(write(QStringLiteral("blank.txt"), "\n  \n"));
        QVERIFY(write(QStringLiteral("latin1.txt"), "Zo\xeb\n"));
        // Files that are no regular files: reading a FIFO blocks until a writer comes.
        QCOMPARE(::mkfifo(QFile::encodeName(path(QStringLiteral("pipe.lmx"))).constData(), 0600),
                 0);
    }

    void cleanup() { delete m_dir; }

    void answers_data()
    {
        QTest::addColumn<QString>("arguments"); // split at blanks; @ is the test's folder
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("says"); // on standard output for 0, on standard error otherwise
        QTest::newRow("help") << "--help" << 0 << "Usage: lumetra [FILE]";
        QTest::newRow("version") << "--version" << 0 << "Lumetra ";
        QTest::newRow("export without OUT")
            << "--export a.lmx" << 2 << "--export needs two file names";
        QTest::newRow("check-update with more")
            << "--check-update a.lmx" << 2 << "--check-update takes nothing else";
        QTest::newRow("unknown option") << "--frobnicate" << 2 << "unknown option --frobnicate";
        QTest::newRow("missing input")
            << "--export @/missing.lmx @/out.png" << 1 << "missing.lmx: File not found!";
        QTest::newRow("not a design")
            << "--export @/old.lmx @/out.png" << 1 << "old.lmx: Lmx file internal error!";
        QTest::newRow("not a picture")
            << "--export @/notes.png @/out.lmx" << 1 << "notes.png: Not a valid image file!";
        QTest::newRow("a picture too large")
            << "--export @/huge.ppm @/out.png" << 1
            << "huge.ppm: Can not open file! The picture is 20000 x 15000 pixels; Lumetra opens "
               "pictures of up to 100 megapixels.";
        QTest::newRow("strips into a design")
            << "--export @/photo.png @/out.lmx --strips" << 2
            << "--strips writes a picture or PDF of the strip sheet";
        QTest::newRow("unknown output type")
            << "--export @/photo.png @/out.xyz" << 1 << "out.xyz: not a file type Lumetra writes";
        QTest::newRow("output folder missing")
            << "--export @/photo.png @/no/where.lmx" << 1
            << "where.lmx: Can not open file! No such file or directory";
        QTest::newRow("output is a folder")
            << "--export @/photo.png @/folder.png" << 1 << "folder.png: Can not open file! ";
        QTest::newRow("input is a FIFO")
            << "--export @/pipe.lmx @/out.png" << 1 << "pipe.lmx: Can not open file!";
        QTest::newRow("input is a device")
            << "--thumbnail /dev/zero @/t.png 64" << 1 << "/dev/zero: Can not open file!";
        const QString names = QStringLiteral("--export @/photo.png @/out.pdf --names");
        QTest::newRow("names for a design without frame text")
            << names + " @/names.csv" << 1 << "photo.png: the design shows no frame text";
        QTest::newRow("names file missing")
            << names + " @/nobody.txt" << 1 << "nobody.txt: the list of names could not be read";
        QTest::newRow("names file without a name")
            << names + " @/blank.txt" << 1 << "blank.txt: the list of names holds no name";
        QTest::newRow("names file not UTF-8")
            << names + " @/latin1.txt" << 1 << "latin1.txt: the list of names is not UTF-8";
        QTest::newRow("names without a file") << names << 2 << "--names needs a value";
        QTest::newRow("names into a design") << "--export @/photo.png @/out.lmx --names @/names.csv"
                                             << 2 << "--names and --sheet write pictures or a PDF";
        QTest::newRow("unknown paper") << "--export @/photo.png @/out.pdf --sheet A11" << 2
                                       << "--sheet: no paper called \"A11\"";
        // A new design is Letter: A5 holds none within its margins.
        QTest::newRow("sheet smaller than an insert")
            << "--export @/photo.png @/out.pdf --sheet a5" << 1
            << "out.pdf: The sheet is too small for one insert within its margins.";
        QTest::newRow("thumbnail without a size")
            << "--thumbnail @/photo.png @/t.png" << 2 << "--thumbnail needs IN, OUT and a SIZE";
        QTest::newRow("thumbnail of size 0")
            << "--thumbnail @/photo.png @/t.png 0" << 2 << "--thumbnail needs IN, OUT and a SIZE";
        QTest::newRow("thumbnail of one pixel") << "--thumbnail @/photo.png @/t.png 1" << 0 << "";
    }

    void answers()
    {
        QFETCH(QString, arguments);
        QFETCH(int, code);
        QFETCH(QString, says);
        const LumetraRun result =
            run(arguments.replace(QLatin1Char('@'), m_dir->path()).split(QLatin1Char(' ')));
        QCOMPARE(result.code, code);
        const QString text = code == 0 ? result.out : result.err;
        QVERIFY2(text.contains(says), qPrintable(text));
        if (code == 1) // one clear line
            QCOMPARE(text.trimmed().count(QLatin1Char('\n')), 0);
    }

    void exportRoundTrip_data()
    {
        QTest::addColumn<QString>("designName");
        QTest::addColumn<QString>("pageName");
        QTest::newRow("plain names") << "photo.lmx"
                                     << "page.png";
        QTest::newRow("names beyond ASCII") << "fotó ü.lmx"
                                            << "страница 頁.png";
        QTest::newRow("TIFF") << "photo.lmx"
                              << "page.tiff";
    }

    void exportRoundTrip()
    {
        QFETCH(QString, designName);
        QFETCH(QString, pageName);
        const QString design = path(designName);
        const QString page = path(pageName);
        QCOMPARE(failureOf({QStringLiteral("--export"), path(QStringLiteral("photo.png")), design}),
                 QString());
        QCOMPARE(failureOf({QStringLiteral("--export"), design, page}), QString());
        const QImage exported(page);
        // The first paper, Letter landscape, written at its fine detail.
        const int k = 4;
        QCOMPARE(exported.size(), QSize(837, 648) * k);
        QCOMPARE(colourAt(exported, 60, 40, k),
                 QColor(0, 120, 0)); // the picture, at the page's corner
        QCOMPARE(colourAt(exported, 200, 40, k), QColor(Qt::white));
        // The exported page imports again, as a new design; the design converts to itself again.
        QCOMPARE(failureOf({QStringLiteral("--export"), page, path(QStringLiteral("again.lmx"))}),
                 QString());
        QCOMPARE(failureOf({QStringLiteral("--export"), design, path(QStringLiteral("again.lmx"))}),
                 QString());
        // Its thumbnail: the page, no larger than asked, whatever the name's ending.
        const QString thumbnail = path(QStringLiteral("thumbnail.tmp"));
        QCOMPARE(
            failureOf({QStringLiteral("--thumbnail"), design, thumbnail, QStringLiteral("100")}),
            QString());
        LM_COMPARE_GOLDEN(QImage(thumbnail, "png"), QStringLiteral("tst_commandline_thumbnail"));
        // Its strip sheet: bands of the frame's metal inside the margins, with
        // crisp black cut lines, on the design's paper.
        const QString sheet = path(QStringLiteral("sheet.png"));
        QCOMPARE(failureOf({QStringLiteral("--export"), design, sheet, QStringLiteral("--strips")}),
                 QString());
        const QImage strips(sheet);
        QCOMPARE(strips.size(), QSize(837, 648));
        // A third of its size keeps the golden small; a missing or moved cut line
        // still darkens or lightens its row well past the tolerance.
        LM_COMPARE_GOLDEN(
            strips.scaled(strips.size() / 3, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
            QStringLiteral("tst_commandline_strips"));
    }

    void undecodableNames_data()
    {
        // Shell words; $BAD is a name holding the byte 0xE9, not valid UTF-8.
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("says");
        QTest::newRow("output") << "--export photo.png \"$BAD.lmx\""
                                << "o\\xe9.lmx";
        QTest::newRow("input") << "--export \"$BAD.png\" out.lmx"
                               << "o\\xe9.png";
        QTest::newRow("thumbnail") << "--thumbnail \"$BAD.png\" t.png 64"
                                   << "o\\xe9.png";
    }

    void undecodableNames()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, says);
        // The name a lossy decoding would turn it into must stay as it is.
        QVERIFY(write(QStringLiteral("o\uFFFD.lmx"), "someone else's file"));
        const QStringList before = QDir(m_dir->path()).entryList(QDir::Files);
        QProcess shell;
        shell.setWorkingDirectory(m_dir->path());
        shell.start(QStringLiteral("/bin/sh"),
                    {QStringLiteral("-c"),
                     QStringLiteral("BAD=$(printf 'o\\351'); cp photo.png \"$BAD.png\" && "
                                    "\"$0\" %1; code=$?; rm -f \"$BAD.png\"; exit $code")
                         .arg(arguments),
                     QStringLiteral(LUMETRA_BINARY)});
        QVERIFY(shell.waitForFinished(60000));
        const QString said = QString::fromLocal8Bit(shell.readAllStandardError());
        QCOMPARE(shell.exitCode(), 1);
        QVERIFY2(said.contains(says + QStringLiteral(": this file name is not valid UTF-8")),
                 qPrintable(said));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), before);
        QFile other(path(QStringLiteral("o\uFFFD.lmx")));
        QVERIFY(other.open(QIODevice::ReadOnly));
        QCOMPARE(other.readAll(), QByteArray("someone else's file"));
    }

    void statedSizesWithTheLimitLifted_data()
    {
        QTest::addColumn<QSize>("page");
        QTest::addColumn<bool>("claimOnly");  // the page's header alone, no pixels behind it
        QTest::addColumn<QString>("refusal"); // empty: the design converts
        QTest::newRow("a page of 30000 x 30000")
            << QSize(30000, 30000) << true
            << "Lmx file internal error! The page is 30000 x 30000 pixels, larger than any paper.";
        QTest::newRow("the largest paper") << QSize(4368, 3090) << false << "";
    }

    void statedSizesWithTheLimitLifted()
    {
        QFETCH(QSize, page);
        QFETCH(bool, claimOnly);
        QFETCH(QString, refusal);
        LMDocument doc;
        doc.page = QImage(claimOnly ? QSize(1, 1) : page, QImage::Format_RGB32);
        doc.page.fill(Qt::white);
        QByteArray bytes = LMDocumentFile::write(doc);
        if (claimOnly) {
            // The page block is last: its position sits at byte 72 of the header.
            const qint32 at = qFromLittleEndian<qint32>(bytes.constData() + 72);
            const QByteArray claim = pngClaiming(page);
            bytes = bytes.left(at) + claim;
            qToLittleEndian<qint32>(qint32(claim.size()), bytes.data() + 76);
        }
        QVERIFY(write(QStringLiteral("design.lmx"), bytes));
        const QString design = path(QStringLiteral("design.lmx"));
        const LumetraRun result =
            run({QStringLiteral("--export"), design, path(QStringLiteral("out.lmx"))}, true);
        QCOMPARE(result.code, refusal.isEmpty() ? 0 : 1);
        QCOMPARE(result.err.trimmed(),
                 refusal.isEmpty() ? QString() : "lumetra: " + design + ": " + refusal);
    }
    void fineDetail();
    void namesAndSheets();

private:
    LumetraRun run(const QStringList &arguments, bool limitLifted = false);
    // Empty when the program ran through without a word on standard error;
    // else its exit code and what it said.
    QString failureOf(const QStringList &arguments)
    {
        const LumetraRun result = run(arguments);
        return result.code == 0 && result.err.isEmpty()
                   ? QString()
                   : QStringLiteral("%1: %2").arg(result.code).arg(result.err);
    }
    QString path(const QString &name) const { return m_dir->filePath(name); }
    bool write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

    QTemporaryDir *m_dir = nullptr;
};

LumetraRun TestCommandLine::run(const QStringList &arguments, bool limitLifted)
{
    if (!limitLifted)
        return runLumetra(arguments);
    // Qt's own allocation limit off: only Lumetra's checks stand. Should they
    // fail, the program runs out of its 2 GB rather than the machine.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_IMAGEIO_MAXALLOC"), QStringLiteral("0"));
#ifndef __SANITIZE_ADDRESS__ // its shadow memory needs far more address space
    return runLumetra(arguments, env, [] {
        const rlimit memory{rlim_t(2) << 30, rlim_t(2) << 30};
        ::setrlimit(RLIMIT_AS, &memory);
    });
#else
    return runLumetra(arguments, env);
#endif
}

// A fine design exports at its own detail; one whose fine block is damaged
// still exports, from its standard page, and says what was lost.
void TestCommandLine::fineDetail()
{
    QFile fineDesign(qEnvironmentVariable("LUMETRA_SOURCE_DIR") +
                     QStringLiteral("/fuzz/corpus/document/fine.lmx"));
    QVERIFY(fineDesign.open(QIODevice::ReadOnly));
    QVERIFY(write(QStringLiteral("damaged.lmx"), fineDesign.readAll().chopped(20)));

    const QString finePng = path(QStringLiteral("fine.png"));
    QCOMPARE(failureOf({QStringLiteral("--export"), fineDesign.fileName(), finePng}), QString());
    const QSize standard = QImage(finePng).size() / 4;
    const QString lostPng = path(QStringLiteral("lost.png"));
    const LumetraRun lost =
        run({QStringLiteral("--export"), path(QStringLiteral("damaged.lmx")), lostPng});
    QCOMPARE(lost.code, 0);
    QVERIFY2(lost.err.contains(
                 QStringLiteral("damaged.lmx: The fine detail of this design could not be read")),
             qPrintable(lost.err));
    QCOMPARE(QImage(lostPng).size(), standard);
}

// A picture per name, numbered; a PDF of strip sheets laid out on A3, with
// names from a CSV file's first column.
void TestCommandLine::namesAndSheets()
{
    const QString framed = qEnvironmentVariable("LUMETRA_SOURCE_DIR") +
                           QStringLiteral("/fuzz/corpus/document/framed.lmx");
    const QString names = path(QStringLiteral("names.csv"));
    const QString png = path(QStringLiteral("child.png"));
    QCOMPARE(failureOf({QStringLiteral("--export"), framed, png, QStringLiteral("--names"), names}),
             QString());
    QVERIFY(!QFile::exists(png));
    QVERIFY(QFile::exists(path(QStringLiteral("child-001.png"))));
    QVERIFY(QFile::exists(path(QStringLiteral("child-002.png"))));
    QVERIFY(!QFile::exists(path(QStringLiteral("child-003.png"))));
    const QString pdf = path(QStringLiteral("strips.pdf"));
    QCOMPARE(failureOf({QStringLiteral("--export"), framed, pdf, QStringLiteral("--strips"),
                        QStringLiteral("--sheet"), QStringLiteral("A3"), QStringLiteral("--names"),
                        names}),
             QString());
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY(info.waitForFinished());
    const QString out = QString::fromLatin1(info.readAllStandardOutput());
    // Its B10 strip sheets share one sheet of A3.
    QVERIFY2(out.contains(QStringLiteral("Pages:           1")) &&
                 out.contains(QStringLiteral("(A3)")),
             qPrintable(out));
}

QTEST_GUILESS_MAIN(TestCommandLine)

#include "tst_commandline.moc"
