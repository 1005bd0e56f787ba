#include "app/LMLanguageList.h"
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

// The language tables as written, the language a start picks, and the
// manager that switches the whole program between them.
class TestLanguageManager : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { lmInitResources(); }

    void parse_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("byte-order mark, no final line feed")
            << QByteArray("\xef\xbb\xbfPrint\nNew") << QStringList{"Print", "New"};
        QTest::newRow("carriage return plus line feed")
            << QByteArray("Print\r\nNew\r\n") << QStringList{"Print", "New"};
        QTest::newRow("blanks around a text are dropped")
            << QByteArray("   Save File \n") << QStringList{"Save File"};
        QTest::newRow("a line of blanks becomes empty")
            << QByteArray("a\n    \nb\n") << QStringList{"a", "", "b"};
        QTest::newRow("backslash-n is a line break")
            << QByteArray("first\\nsecond\n") << QStringList{"first\nsecond"};
        QTest::newRow("escape at the end is trimmed away")
            << QByteArray("text\\n\n") << QStringList{"text"};
        QTest::newRow("empty file") << QByteArray() << QStringList();
    }

    void parse()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QCOMPARE(LMLanguageTable::parse(bytes), lines);
    }

    void startLanguage_data()
    {
        QTest::addColumn<QLocale>("system");
        QTest::addColumn<int>("remembered");
        QTest::addColumn<int>("language");
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << -1 << 1;
        QTest::newRow("Swiss German") << QLocale(QLocale::German, QLocale::Switzerland) << -1 << 1;
        QTest::newRow("Breton has no table") << QLocale(QLocale::Breton) << -1 << 0;
        QTest::newRow("neutral C locale") << QLocale::c() << -1 << 0;
        QTest::newRow("Norwegian Nynorsk") << QLocale(QLocale::NorwegianNynorsk) << -1 << 9;
        QTest::newRow("European Portuguese")
            << QLocale(QLocale::Portuguese, QLocale::Portugal) << -1 << 11;
        QTest::newRow("Chinese in Taiwan")
            << QLocale(QLocale::Chinese, QLocale::Taiwan) << -1 << 19;
        QTest::newRow("Turkish") << QLocale(QLocale::Turkish) << -1 << 23;
        QTest::newRow("remembered wins") << QLocale(QLocale::German) << 21 << 21;
        QTest::newRow("remembered English wins") << QLocale(QLocale::Korean) << 0 << 0;
        QTest::newRow("remembered out of range") << QLocale(QLocale::Greek) << 24 << 10;
    }

    void startLanguage()
    {
        QFETCH(QLocale, system);
        QFETCH(int, remembered);
        QFETCH(int, language);
        QCOMPARE(LMLanguageList::startLanguage(system, remembered), language);
    }

    void everyShippedTable_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < QVTLanguageManager::LanguageCount; ++i)
            QTest::newRow(qPrintable(QVTLanguageManager::folderOf(i))) << i;
    }

    // Every table loads through the manager with 100 lines, all filled but the two
    // unused group titles; the group titles keep the English model codes. Qt's
    // dialogs speak the language wherever the system has Qt's translation (Greek
    // and Romanian it has not); the standard buttons and our own texts do in every
    // language; and a switch back to English takes them all back.
    void everyShippedTable()
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

        const QString folder = QVTLanguageManager::folderOf(index);
        const bool qtHasIt =
            index != 0 && folder != QLatin1String("ell") && folder != QLatin1String("rom");
        const QString fileName = QCoreApplication::translate("QFileDialog", "File &name:");
        QVERIFY2((fileName != QLatin1String("File &name:")) == qtHasIt, qPrintable(fileName));
        const QString yes = QCoreApplication::translate("QPlatformTheme", "&Yes");
        QVERIFY2((yes != QLatin1String("&Yes")) == (index != 0), qPrintable(yes));
        const QString preview = QCoreApplication::translate("LMMainWidget", "Print Preview…");
        QVERIFY2((preview != QStringLiteral("Print Preview…")) == (index != 0),
                 qPrintable(preview));
        lan.setLanguage(0);
        QCOMPARE(QCoreApplication::translate("QFileDialog", "File &name:"),
                 QStringLiteral("File &name:"));
        QCOMPARE(QCoreApplication::translate("LMMainWidget", "Print Preview…"),
                 QStringLiteral("Print Preview…"));
    }

    void missingTableIsRetriedOnLookup()
    {
        QVTLanguageManager lan;
        QVERIFY(!lan.loadTable(QStringLiteral("xyz")));
        QVERIFY(!lan.isLoaded());
        // The next lookup retries the current language's table and finds it.
        QCOMPARE(lan.text(0), QStringLiteral("Print"));
        QVERIFY(lan.isLoaded());
        // Past either end of the table the lookup says so.
        QCOMPARE(lan.text(100), QStringLiteral("wrong lan"));
        QCOMPARE(lan.text(-1), QStringLiteral("wrong lan"));
    }

    // Every window and its children hear of each change, also of one to an index
    // out of range, which keeps the language. The manager is the program's one
    // while it lives.
    void changeReachesEveryWidget()
    {
        QVERIFY(!QVTLanguageManager::instance());
        {
            QVTLanguageManager lan;
            QCOMPARE(QVTLanguageManager::instance(), &lan);
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
        QVERIFY(!QVTLanguageManager::instance());
    }
};

QTEST_MAIN(TestLanguageManager)

#include "tst_languagemanager.moc"
