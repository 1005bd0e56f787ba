#include "model/LMDocument.h"
#include "model/LMNameList.h"

#include <QTest>

using Rows = LMNameList::Rows;
Q_DECLARE_METATYPE(LMNameList::Rows)

// Names as users bring them: pasted text, text files and spreadsheets' CSV
// (a byte-order mark and a Latin-1 file are the names dialog's flow).
class TestNameList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void namesOfBytes_data();
    void namesOfBytes();
    void atMostTheDesignsLimit();
};

void TestNameList::namesOfBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QStringList>("names"); // {"-"}: refused

    const QStringList emmaNoah = {QStringLiteral("Emma"), QStringLiteral("Noah")};
    QTest::newRow("lines, blanks trimmed, empty lines skipped")
        << QByteArray("  Emma \n\n \t\nNoah\n\n") << Rows::Text << emmaNoah;
    QTest::newRow("CRLF") << QByteArray("Emma\r\nNoah\r\n") << Rows::Text << emmaNoah;
    QTest::newRow("UTF-8 letters")
        << QByteArray("J\xC3\xBCrgen\n\xE5\xA4\xAA\xE9\x83\x8E") << Rows::Text
        << QStringList{QString::fromUtf8("Jürgen"), QString::fromUtf8("太郎")};
    QTest::newRow("pasted spreadsheet rows: first column")
        << QByteArray("Emma\t7b\t2015\nNoah\t7a\n") << Rows::Text << emmaNoah;
    QTest::newRow("pasted text keeps commas and semicolons")
        << QByteArray("Smith, John\nLee; Ann") << Rows::Text
        << QStringList{QStringLiteral("Smith, John"), QStringLiteral("Lee; Ann")};
    QTest::newRow("CSV, commas") << QByteArray("Emma,7b\r\nNoah,7a\r\n") << Rows::Table << emmaNoah;
    QTest::newRow("CSV, semicolons, commas inside names")
        << QByteArray("Smith, John;7b\nLee, Ann;7a") << Rows::Table
        << QStringList{QStringLiteral("Smith, John"), QStringLiteral("Lee, Ann")};
    QTest::newRow("CSV, tabs") << QByteArray("Emma\t7b, 7c\nNoah\t7a") << Rows::Table << emmaNoah;
    QTest::newRow("CSV, quoted fields with separators and quotes")
        << QByteArray("\"Smith, John\",7b\n\"Ann \"\"Nan\"\" Lee\",\"a,b\"\n") << Rows::Table
        << QStringList{QStringLiteral("Smith, John"), QStringLiteral("Ann \"Nan\" Lee")};
    QTest::newRow("CSV, a line break inside quotes")
        << QByteArray("Emma,\"first line\nsecond line\"\n\"Noah\nLee\",x") << Rows::Table
        << QStringList{QStringLiteral("Emma"), QStringLiteral("Noah Lee")};
    QTest::newRow("CSV, empty first column skipped")
        << QByteArray(",x\n\"\",y\nEmma,z") << Rows::Table << QStringList{QStringLiteral("Emma")};
    QTest::newRow("a quote within a name is a letter")
        << QByteArray("Emma \"Em\" Lee\nNoah") << Rows::Text
        << QStringList{QStringLiteral("Emma \"Em\" Lee"), QStringLiteral("Noah")};
    QTest::newRow("a quote never closed is a letter")
        << QByteArray("Emma\n\"Noah\nLeo") << Rows::Text
        << QStringList{QStringLiteral("Emma"), QStringLiteral("\"Noah"), QStringLiteral("Leo")};
    QTest::newRow("empty") << QByteArray() << Rows::Table << QStringList();
    QTest::newRow("UTF-16 refused") << QByteArray("\xFF\xFE"
                                                  "E\0m\0m\0a\0",
                                                  10)
                                    << Rows::Table << QStringList{QStringLiteral("-")};
    QTest::newRow("cut-off UTF-8 refused")
        << QByteArray("Emma\nJ\xC3") << Rows::Text << QStringList{QStringLiteral("-")};
}

void TestNameList::namesOfBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Rows, rows);
    QFETCH(QStringList, names);
    const std::optional<QStringList> read = LMNameList::fromBytes(bytes, rows);
    if (names == QStringList{QStringLiteral("-")}) {
        QVERIFY(!read);
        return;
    }
    QVERIFY(read);
    QCOMPARE(*read, names);
}

void TestNameList::atMostTheDesignsLimit()
{
    QString text;
    for (int i = 0; i < LMDocument::MaxNames + 5; ++i)
        text += QStringLiteral("N%1\n").arg(i);
    const QStringList names = LMNameList::parse(text, Rows::Text);
    QCOMPARE(names.size(), LMDocument::MaxNames);
    QCOMPARE(names.last(), QStringLiteral("N%1").arg(LMDocument::MaxNames - 1));
}

QTEST_APPLESS_MAIN(TestNameList)
#include "tst_namelist.moc"
