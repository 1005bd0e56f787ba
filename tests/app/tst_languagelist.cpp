#include "app/LMLanguageList.h"
#include "app/QVTLanguageManager.h"

#include <QTest>

class TestLanguageList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startLanguage_data();
    void startLanguage();
};

void TestLanguageList::startLanguage_data()
{
    QTest::addColumn<QLocale>("system");
    QTest::addColumn<int>("remembered");
    QTest::addColumn<int>("language");
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << -1 << 1;
    QTest::newRow("Swiss German") << QLocale(QLocale::German, QLocale::Switzerland) << -1 << 1;
    QTest::newRow("Breton has no table") << QLocale(QLocale::Breton) << -1 << 0;
    QTest::newRow("neutral C locale") << QLocale::c() << -1 << 0;
    QTest::newRow("Mexican Spanish") << QLocale(QLocale::Spanish, QLocale::Mexico) << -1 << 6;
    QTest::newRow("Norwegian Nynorsk") << QLocale(QLocale::NorwegianNynorsk) << -1 << 9;
    QTest::newRow("European Portuguese")
        << QLocale(QLocale::Portuguese, QLocale::Portugal) << -1 << 11;
    QTest::newRow("Chinese in Taiwan") << QLocale(QLocale::Chinese, QLocale::Taiwan) << -1 << 19;
    QTest::newRow("Egyptian Arabic") << QLocale(QLocale::Arabic, QLocale::Egypt) << -1 << 22;
    QTest::newRow("Turkish") << QLocale(QLocale::Turkish) << -1 << 23;
    QTest::newRow("remembered wins") << QLocale(QLocale::German) << 21 << 21;
    QTest::newRow("remembered English wins") << QLocale(QLocale::Korean) << 0 << 0;
    QTest::newRow("remembered out of range") << QLocale(QLocale::Greek) << 24 << 10;
}

void TestLanguageList::startLanguage()
{
    QFETCH(QLocale, system);
    QFETCH(int, remembered);
    QFETCH(int, language);
    QCOMPARE(LMLanguageList::startLanguage(system, remembered), language);
}

QTEST_MAIN(TestLanguageList)
#include "tst_languagelist.moc"
