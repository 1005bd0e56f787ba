#include "../common/ModalAnswer.h"
#include "../common/PagePixels.h"
#include "app/LMLanguageList.h"
#include "app/LMMainWidget.h"
#include "app/LMRecovery.h"
#include "app/LMResources.h"
#include "app/LMSaveDialog.h"
#include "app/QVTLanguageManager.h"
#include "canvas/LMGraphView.h"
#include "model/LMDesign.h"

#include <QDir>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {
const QColor Stroke(200, 30, 30);

// One change as a drawing tool makes it: a line committed into the page.
void change(LMGraphView *canvas, int n)
{
    canvas->design().paintPage([n](QPainter &painter) {
        painter.fillRect(QRect(100, 100 + 5 * n, 100, 1), Stroke); // row 100 + 5n, at any detail
        return true;
    });
}

QStringList copiesIn(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.lmx")}, QDir::Files);
}

// A Lumetra session with unsaved work, run as its own process so that it can
// be killed: it opens `file` (if any), changes the design and, once its copy
// is on disk, says "ready" and waits for its end.
int runSession(const QString &how, const QString &file)
{
    lmInitResources();
    QStringList arguments{QStringLiteral("lumetra")};
    if (!file.isEmpty())
        arguments << file;
    LMMainWidget window;
    window.show();
    window.begin(arguments);
    LMRecovery *recovery = window.recovery();
    LMGraphView *canvas = window.graphView();
    if (how == QLatin1String("timer")) {
        recovery->setInterval(100);
        change(canvas, 0);
        if (!QTest::qWaitFor([&] { return QFile::exists(recovery->copyPath()); }, 10000))
            return 5;
    } else {
        for (int n = 0; n < LMRecovery::ChangesPerCopy - 1; ++n)
            change(canvas, n);
        QTest::qWait(50);
        if (QFile::exists(recovery->copyPath()))
            return 3; // too early
        change(canvas, LMRecovery::ChangesPerCopy - 1);
        if (!QFile::exists(recovery->copyPath()))
            return 4;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return QApplication::exec();
}

// Answers the save-changes prompt with "save", "dont" or "cancel".
void answerPrompt(const QString &answer)
{
    answerNextModal<LMSaveDialog>([answer](LMSaveDialog *prompt) {
        QTest::mouseClick(prompt->findChild<QPushButton *>(QStringLiteral("btn_") + answer),
                          Qt::LeftButton);
    });
}
} // namespace

class TestRecovery : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { lmInitResources(); }

    void init()
    {
        m_dir = new QTemporaryDir;
        QDir(LMRecovery::defaultFolder()).removeRecursively();
    }

    void cleanup() { delete m_dir; }

    void killedSessionIsOffered_data()
    {
        QTest::addColumn<QString>("how");   // what writes the copy: "timer" or "tenth" change
        QTest::addColumn<bool>("fromFile"); // the killed session had a saved design open
        QTest::addColumn<bool>("restore");  // the answer to the offer
        QTest::newRow("the timer, a saved design, restored") << "timer" << true << true;
        QTest::newRow("the tenth change, a new design, restored") << "tenth" << false << true;
        QTest::newRow("declined") << "timer" << false << false;
    }

    void killedSessionIsOffered()
    {
        QFETCH(QString, how);
        QFETCH(bool, fromFile);
        QFETCH(bool, restore);
        QString userFile;
        QByteArray userBytes;
        if (fromFile) {
            userFile = path(QStringLiteral("user.lmx"));
            LMMainWidget window;
            QVERIFY(window.graphView()->save(userFile));
            QFile saved(userFile);
            QVERIFY(saved.open(QIODevice::ReadOnly));
            userBytes = saved.readAll();
        }

        QProcess session;
        session.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        session.start(QCoreApplication::applicationFilePath(),
                      {QStringLiteral("--child"), how, userFile});
        QVERIFY(session.waitForStarted());
        QVERIFY2(session.waitForReadyRead(60000) && session.readAll().startsWith("ready"),
                 qPrintable(QStringLiteral("session ended with %1").arg(session.exitCode())));
        const QString folder = LMRecovery::defaultFolder();
        // While its session lives, however long, its copy is no one else's to offer.
        for (const QString &name : QDir(folder).entryList({QStringLiteral("*.lock")})) {
            QFile lock(QDir(folder).filePath(name));
            QVERIFY(lock.open(QIODevice::ReadWrite));
            QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                     QFileDevice::FileModificationTime));
        }
        QVERIFY(LMRecovery([] { return LMDocument(); }).leftovers().isEmpty());
        session.kill();
        QVERIFY(session.waitForFinished());

        const QStringList left = copiesIn(folder);
        QCOMPARE(left.size(), 1);
        const QDateTime written = QFileInfo(QDir(folder).filePath(left.first())).lastModified();

        // The next start offers it, saying when it was written, as its language writes dates.
        QString question;
        answerNextModal<QMessageBox>([&question, restore](QMessageBox *box) {
            question = box->text();
            box->button(restore ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        LMMainWidget window;
        window.show();
        window.begin({QStringLiteral("lumetra")});
        const QLocale dates = LMLanguageList::locale(window.languageManager()->language());
        QVERIFY2(question.contains(dates.toString(written, QLocale::ShortFormat)),
                 qPrintable(question));
        LMGraphView *canvas = window.graphView();
        const int lastRow = how == QLatin1String("timer") ? 0 : LMRecovery::ChangesPerCopy - 1;
        QCOMPARE(colourAt(canvas->rasterImage(), 150, 100 + 5 * lastRow) == Stroke, restore);
        // Restored work is unnamed and modified, kept by this session from now
        // on; the old copy is gone either way.
        QCOMPARE(window.design()->isModified(), restore);
        QVERIFY(window.currentPath().isEmpty());
        QCOMPARE(window.windowTitle().contains(QLatin1Char('*')), restore);
        const QStringList now = copiesIn(folder);
        QVERIFY(!now.contains(left.first()));
        QCOMPARE(now.size(), restore ? 1 : 0);
        if (fromFile) {
            QFile user(userFile);
            QVERIFY(user.open(QIODevice::ReadOnly));
            QVERIFY(user.readAll() == userBytes);
        }
    }

    void cleanEndsLeaveNoCopy_data()
    {
        QTest::addColumn<QString>("end");
        QTest::newRow("saved") << "save";
        QTest::newRow("closed, dropping the changes") << "dont";
        QTest::newRow("a new design, dropping the changes") << "new";
    }

    void cleanEndsLeaveNoCopy()
    {
        QFETCH(QString, end);
        const QString folder = LMRecovery::defaultFolder();
        auto *window = new LMMainWidget;
        window->show();
        LMRecovery *recovery = window->recovery();
        recovery->setInterval(50);
        change(window->graphView(), 0);
        QTRY_VERIFY(QFile::exists(recovery->copyPath()));
        if (end == QLatin1String("save")) {
            window->setCurrentPath(path(QStringLiteral("kept.lmx")));
            QVERIFY(window->saveDocument(false));
        } else if (end == QLatin1String("dont")) {
            answerPrompt(end);
            QVERIFY(window->close());
        } else {
            answerPrompt(QStringLiteral("dont"));
            window->on_btn_new_clicked();
        }
        QVERIFY(copiesIn(folder).isEmpty());
        // Nothing comes back while the design stays unchanged.
        QTest::qWait(150);
        QVERIFY(copiesIn(folder).isEmpty());
        delete window;
        QVERIFY(QDir(folder).entryList(QDir::Files).isEmpty()); // the lock went too
    }

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    QTemporaryDir *m_dir = nullptr;
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc >= 3 && qstrcmp(argv[1], "--child") == 0)
        return runSession(QString::fromLocal8Bit(argv[2]),
                          argc >= 4 ? QString::fromLocal8Bit(argv[3]) : QString());
    TestRecovery test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recovery.moc"
