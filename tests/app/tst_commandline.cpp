#include "../common/RunLumetra.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTest>

// The program's own command line: answers, exit codes and exports.
class TestCommandLine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void answers_data();
    void answers();
    void exportRoundTrip();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }

    QTemporaryDir *m_dir = nullptr;
};

void TestCommandLine::init()
{
    m_dir = new QTemporaryDir;
    QImage picture(120, 80, QImage::Format_RGB32);
    picture.fill(QColor(0, 120, 0));
    QVERIFY(picture.save(path(QStringLiteral("photo.png"))));
    QFile notes(path(QStringLiteral("notes.png")));
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.write("not a picture\n");
    // Its header states 300 megapixels; it is refused before decoding.
    QFile huge(path(QStringLiteral("huge.ppm")));
    QVERIFY(huge.open(QIODevice::WriteOnly));
    huge.write("P6\n20000 15000\n255\n" + QByteArray(3000, '\x7f'));
    QFile old(path(QStringLiteral("old.lmx")));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(100, '\x01'));
}

void TestCommandLine::cleanup()
{
    delete m_dir;
}

void TestCommandLine::answers_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("says"); // on standard output for 0, on standard error otherwise
    QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: lumetra [FILE]";
    QTest::newRow("version") << QStringList{"--version"} << 0 << "Lumetra ";
    QTest::newRow("export without OUT")
        << QStringList{"--export", "a.lmx"} << 2 << "--export needs two file names";
    QTest::newRow("check-update with more")
        << QStringList{"--check-update", "a.lmx"} << 2 << "--check-update takes nothing else";
    QTest::newRow("unknown option")
        << QStringList{"--frobnicate"} << 2 << "unknown option --frobnicate";
    QTest::newRow("missing input") << QStringList{"--export", "@/missing.lmx", "@/out.png"} << 1
                                   << "missing.lmx: File not found!";
    QTest::newRow("not a design") << QStringList{"--export", "@/old.lmx", "@/out.png"} << 1
                                  << "old.lmx: Lmx file internal error!";
    QTest::newRow("not a picture") << QStringList{"--export", "@/notes.png", "@/out.lmx"} << 1
                                   << "notes.png: Not a valid image file!";
    QTest::newRow("a picture too large") << QStringList{"--export", "@/huge.ppm", "@/out.png"} << 1
                                         << "huge.ppm: Can not open file! The picture is 20000 x "
                                            "15000 pixels; Lumetra opens pictures of up to 100 "
                                            "megapixels.";
    QTest::newRow("strips into a design")
        << QStringList{"--export", "@/photo.png", "@/out.lmx", "--strips"} << 2
        << "--strips writes a picture or PDF of the strip sheet";
    QTest::newRow("unknown output type") << QStringList{"--export", "@/photo.png", "@/out.xyz"} << 1
                                         << "out.xyz: not a file type Lumetra writes";
    QTest::newRow("output folder missing")
        << QStringList{"--export", "@/photo.png", "@/no/where.lmx"} << 1
        << "where.lmx: Can not open file!";
}

void TestCommandLine::answers()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QFETCH(QString, says);
    for (QString &a : arguments)
        a.replace(QLatin1Char('@'), m_dir->path());
    const LumetraRun result = runLumetra(arguments);
    QCOMPARE(result.code, code);
    const QString text = code == 0 ? result.out : result.err;
    QVERIFY2(text.contains(says), qPrintable(text));
    if (code == 1) // one clear line
        QCOMPARE(text.trimmed().count(QLatin1Char('\n')), 0);
}

void TestCommandLine::exportRoundTrip()
{
    const QString design = path(QStringLiteral("photo.lmx"));
    const QString page = path(QStringLiteral("page.png"));
    LumetraRun result =
        runLumetra({QStringLiteral("--export"), path(QStringLiteral("photo.png")), design});
    QCOMPARE(result.code, 0);
    QVERIFY2(result.err.isEmpty(), qPrintable(result.err));
    result = runLumetra({QStringLiteral("--export"), design, page});
    QCOMPARE(result.code, 0);
    const QImage exported(page);
    QCOMPARE(exported.size(), QSize(837, 648));               // the first paper: Letter, landscape
    QCOMPARE(exported.pixelColor(60, 40), QColor(0, 120, 0)); // the picture, at the page's corner
    QCOMPARE(exported.pixelColor(200, 40), QColor(Qt::white));
    // The design converts to itself again.
    result = runLumetra({QStringLiteral("--export"), design, path(QStringLiteral("again.lmx"))});
    QCOMPARE(result.code, 0);
    // Its strip sheet: bands of the frame's metal inside the margins, with
    // crisp black cut lines, on the design's paper.
    const QString sheet = path(QStringLiteral("sheet.png"));
    result = runLumetra({QStringLiteral("--export"), design, sheet, QStringLiteral("--strips")});
    QCOMPARE(result.code, 0);
    const QImage strips(sheet);
    QCOMPARE(strips.size(), QSize(837, 648));
    QCOMPARE(strips.pixelColor(10, 10), QColor(Qt::white)); // the margin
    const QColor metal = strips.pixelColor(400, 50);
    QVERIFY2(metal != QColor(Qt::white) && metal.saturation() < 60, qPrintable(metal.name()));
    int black = 0;
    for (int x = 40; x < 800; ++x)
        black += strips.pixelColor(x, 33) == QColor(Qt::black);
    QVERIFY2(black > 300, qPrintable(QString::number(black))); // the band's dashed top edge
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
