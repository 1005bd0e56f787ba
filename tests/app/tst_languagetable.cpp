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
    QTest::newRow("byte-order mark is not part of line 0")
        << QByteArray("\xef\xbb\xbfPrint\nNew\n") << QStringList{"Print", "New"};
    QTest::newRow("no final line feed") << QByteArray("Print\nNew") << QStringList{"Print", "New"};
    QTest::newRow("carriage return plus line feed")
        << QByteArray("Print\r\nNew\r\n") << QStringList{"Print", "New"};
    QTest::newRow("leading blanks are dropped") << QByteArray("   Save\n") << QStringList{"Save"};
    QTest::newRow("a line of blanks becomes empty")
        << QByteArray("a\n    \nb\n") << QStringList{"a", "", "b"};
    QTest::newRow("trailing blank of a prompt is dropped")
        << QByteArray("Save File \n") << QStringList{"Save File"};
    QTest::newRow("backslash-n is a line break")
        << QByteArray("first\\nsecond\n") << QStringList{"first\nsecond"};
    QTest::newRow("escape at the end is trimmed away")
        << QByteArray("text\\n\n") << QStringList{"text"};
    QTest::newRow("empty lines keep their numbers")
        << QByteArray("a\n\n\nd\n") << QStringList{"a", "", "", "d"};
    QTest::newRow("UTF-8 text") << QByteArray("Espa\xc3\xb1ol\n") << QStringList{"Español"};
    QTest::newRow("full-width title")
        << QByteArray("Letter\xef\xbc\x88LS01\xef\xbd\x9eLS15\xef\xbc\x89\n")
        << QStringList{QStringLiteral("Letter（LS01～LS15）")};
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
