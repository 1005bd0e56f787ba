#include "app/LMLanguageTable.h"
#include "app/LMResources.h"
#include "app/QVTLanguageManager.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <QWidget>

namespace {
QStringList tableOf(const QString &folder)
{
    QFile file(LMLanguageTable::resourcePath(folder));
    file.open(QIODevice::ReadOnly);
    return LMLanguageTable::parse(file.readAll());
}

// Counts the language-change events a window receives.
class Listener : public QWidget {
public:
    int changes = 0;

protected:
    void changeEvent(QEvent *e) override
    {
        if (e->type() == QEvent::LanguageChange)
            ++changes;
        QWidget::changeEvent(e);
    }
};
} // namespace

class TestLanguageManager : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void lookups_data();
    void lookups();
    void everyShippedTable_data();
    void everyShippedTable();
    void qtsOwnTextsFollow_data();
    void qtsOwnTextsFollow();
    void missingTableIsRetriedOnLookup();
    void changeReachesEveryWidget();
    void singletonRegistration();
};

void TestLanguageManager::initTestCase()
{
    lmInitResources();
}

void TestLanguageManager::lookups_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    QTest::newRow("first line without the mark") << 0 << "Print";
    QTest::newRow("trailing blank trimmed") << 28 << "Save File";
    QTest::newRow("last line") << 99 << "Thick";
    QTest::newRow("empty group line") << 86 << "";
    QTest::newRow("past the end") << 100 << "wrong lan";
    QTest::newRow("negative") << -1 << "wrong lan";
}

void TestLanguageManager::lookups()
{
    QFETCH(int, line);
    QFETCH(QString, text);
    QVTLanguageManager lan;
    QCOMPARE(lan.text(line), text);
}

void TestLanguageManager::everyShippedTable_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < QVTLanguageManager::LanguageCount; ++i)
        QTest::newRow(qPrintable(QVTLanguageManager::folderOf(i))) << i;
}

// Every table loads through the manager with 100 lines, all filled but the two
// unused group titles; the group titles keep the English model codes.
void TestLanguageManager::everyShippedTable()
{
    QFETCH(int, index);
    const QStringList lines = tableOf(QVTLanguageManager::folderOf(index));
    QCOMPARE(lines.size(), 100);
    const QStringList english = tableOf(QStringLiteral("enu"));

    QVTLanguageManager lan;
    lan.setLanguage(index);
    QCOMPARE(lan.language(), index);
    QVERIFY(lan.isLoaded());
    QCOMPARE(lan.text(99), lines.at(99));
    for (int line = 0; line < 100; ++line) {
        QVERIFY2(lan.text(line).isEmpty() == (line == 86 || line == 87),
                 qPrintable(QString::number(line)));
    }
    // The outline pages name the model codes, in full-width or plain brackets.
    const auto plain = [](QString caption) {
        return caption.replace(QStringLiteral("（"), QStringLiteral(" ("))
            .replace(QStringLiteral("）"), QStringLiteral(")"))
            .replace(QStringLiteral("～"), QStringLiteral("–"));
    };
    for (int line : {84, 85, 88, 89, 90, 91}) {
        const QString code = english.at(line).section(QStringLiteral(" ("), 1);
        QVERIFY2(plain(lan.text(line)).endsWith(QStringLiteral(" (") + code),
                 qPrintable(QStringLiteral("line %1: %2").arg(line).arg(lan.text(line))));
    }
}

void TestLanguageManager::qtsOwnTextsFollow_data()
{
    everyShippedTable_data();
}

// Qt's dialogs speak the language wherever the system has Qt's translation
// (Greek and Romanian it has not); the standard buttons and our own texts do
// in every language; and a switch back to English takes them all back.
void TestLanguageManager::qtsOwnTextsFollow()
{
    QFETCH(int, index);
    const QString folder = QVTLanguageManager::folderOf(index);
    const bool english = index == 0;
    const bool qtHasIt =
        !english && folder != QLatin1String("ell") && folder != QLatin1String("rom");
    QVTLanguageManager lan;
    lan.setLanguage(index);
    const QString fileName = QCoreApplication::translate("QFileDialog", "File &name:");
    QVERIFY2((fileName != QLatin1String("File &name:")) == qtHasIt, qPrintable(fileName));
    const QString yes = QCoreApplication::translate("QPlatformTheme", "&Yes");
    QVERIFY2((yes != QLatin1String("&Yes")) == !english, qPrintable(yes));
    const QString preview = QCoreApplication::translate("LMMainWidget", "Print Preview…");
    QVERIFY2((preview != QStringLiteral("Print Preview…")) == !english, qPrintable(preview));
    lan.setLanguage(0);
    QCOMPARE(QCoreApplication::translate("QFileDialog", "File &name:"),
             QStringLiteral("File &name:"));
    QCOMPARE(QCoreApplication::translate("LMMainWidget", "Print Preview…"),
             QStringLiteral("Print Preview…"));
}

void TestLanguageManager::missingTableIsRetriedOnLookup()
{
    QVTLanguageManager lan;
    QVERIFY(!lan.loadTable(QStringLiteral("xyz")));
    QVERIFY(!lan.isLoaded());
    // The next lookup retries the current language's table and finds it.
    QCOMPARE(lan.text(0), QStringLiteral("Print"));
    QVERIFY(lan.isLoaded());
}

// Every window and its children hear of each change, also of one to an index
// out of range, which keeps the language.
void TestLanguageManager::changeReachesEveryWidget()
{
    QVTLanguageManager lan;
    Listener window, otherWindow;
    auto *child = new Listener;
    child->setParent(&window);
    lan.setLanguage(6);
    lan.setLanguage(24);
    QCOMPARE(lan.language(), 6);
    lan.setLanguage(-1);
    QCOMPARE(lan.language(), 6);
    QCOMPARE(lan.text(29), QStringLiteral("Guardar"));
    QCOMPARE(window.changes, 3);
    QCOMPARE(child->changes, 3);
    QCOMPARE(otherWindow.changes, 3);
}

void TestLanguageManager::singletonRegistration()
{
    QVERIFY(!QVTLanguageManager::instance());
    {
        QVTLanguageManager lan;
        QCOMPARE(QVTLanguageManager::instance(), &lan);
    }
    QVERIFY(!QVTLanguageManager::instance());
}

QTEST_MAIN(TestLanguageManager)
#include "tst_languagemanager.moc"
