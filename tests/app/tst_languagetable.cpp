#include "app/LMLanguageTable.h"

#include <QTest>

class TestLanguageTable : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parse_data();
    void parse();
};

void TestLanguageTable::parse_data()
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

void TestLanguageTable::parse()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(LMLanguageTable::parse(bytes), lines);
}

QTEST_GUILESS_MAIN(TestLanguageTable)
#include "tst_languagetable.moc"
