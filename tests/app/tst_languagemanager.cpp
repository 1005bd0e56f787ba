#include "app/LMLanguageList.h"
#include "app/LMLanguageTable.h"
#include "app/LMResources.h"
#include "app/QVTLanguageManager.h"

#include <QTest>
#include <QWidget>

namespace {

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
};

QTEST_MAIN(TestLanguageManager)

#include "tst_languagemanager.moc"
