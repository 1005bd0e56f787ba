#include "app/LMLanguageTable.h"
#include "app/LMResources.h"
#include "app/QVTLanguageManager.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <QWidget>

namespace {
// Every interface text of the English table, by line.
const QStringList english = {
    QStringLiteral("Print"),
    QStringLiteral("New"),
    QStringLiteral("Save"),
    QStringLiteral("Add pouch outline on the pouch insert"),
    QStringLiteral("Print patterns of the frames on self-adhesive paper,then apply to the pouch"),
    QStringLiteral("Add frame effect on the pouch insert"),
    QStringLiteral("Open"),
    QStringLiteral("Line"),
    QStringLiteral("Hand"),
    QStringLiteral("Rectangle"),
    QStringLiteral("Ellipse"),
    QStringLiteral("Image"),
    QStringLiteral("Pencil"),
    QStringLiteral("Load"),
    QStringLiteral("Eraser"),
    QStringLiteral("Add text: click one point, create a rectangular field by dragging the mouse "
                   "while holding the left button, then type"),
    QStringLiteral("Zoom"),
    QStringLiteral("Page Size"),
    QStringLiteral("Horizontal"),
    QStringLiteral("Width"),
    QStringLiteral("Color"),
    QStringLiteral("Fill Color"),
    QStringLiteral("Size"),
    QStringLiteral("Bold"),
    QStringLiteral("Italic"),
    QStringLiteral("Drag It"),
    QStringLiteral("Edit the Pouch Insert   Frame the Pouch"),
    QStringLiteral("Draw/Add Text/Edit"),
    QStringLiteral("Save File"),
    QStringLiteral("Save"),
    QStringLiteral("Don't"),
    QStringLiteral("Cancel"),
    QStringLiteral("Load Image"),
    QStringLiteral("Font"),
    QStringLiteral("Single Color"),
    QStringLiteral("Metal"),
    QStringLiteral("Wood"),
    QStringLiteral("Other"),
    QStringLiteral("Add Frame Effect"),
    QStringLiteral("Show the Contents Inside The Pouch Only"),
    QStringLiteral("Start Pouch Shape Editing"),
    QStringLiteral("End Frame Shape Editing"),
    QStringLiteral("Number of Foam Strips as Frame"),
    QStringLiteral("Frame Width (In Multiplication of 0.47In)"),
    QStringLiteral("Cover the Sides of the Strip"),
    QStringLiteral("Expand the Pattern to the Sides"),
    QStringLiteral("Save As"),
    QStringLiteral("ScreenShot"),
    QStringLiteral("Add Text to Frame(Frame at least 12mm Width)"),
    QStringLiteral("Format the Edge of Letters"),
    QStringLiteral("Edge Color"),
    QStringLiteral("Fill Color"),
    QStringLiteral("Paste"),
    QStringLiteral("Copy"),
    QStringLiteral("Clip"),
    QStringLiteral("Select"),
    QStringLiteral("Add text: click one point, create a rectangular field by dragging the mouse "
                   "while holding the left button, then type"),
    QStringLiteral("Edge Width"),
    QStringLiteral("File not found!"),
    QStringLiteral("Can not open file!"),
    QStringLiteral("Lmx file internal error!"),
    QStringLiteral("Not a valid image file!"),
    QStringLiteral("Round Rectangle"),
    QStringLiteral("Rhomb"),
    QStringLiteral("Custom"),
    QStringLiteral("Tiled"),
    QStringLiteral("Stretched"),
    QStringLiteral("Margin"),
    QStringLiteral("Left"),
    QStringLiteral("Right"),
    QStringLiteral("Top"),
    QStringLiteral("Bottom"),
    QStringLiteral("To Frame"),
    QStringLiteral("To Paper"),
    QStringLiteral("Copy Frame Content"),
    QStringLiteral("Adjust Pouch Insert"),
    QStringLiteral("Check"),
    QStringLiteral("Update"),
    QStringLiteral("Downloading %1..."),
    QStringLiteral("Unable to connect to a server. Please check that your network is normal."),
    QStringLiteral("There is a latest version!<br>Please click to \"Update\" button for updates!"),
    QStringLiteral("Your version is already the latest version!"),
    QStringLiteral("Checking for updates ..."),
    QStringLiteral("updating ..."),
    QStringLiteral("Letter（LS01～LS15）"),
    QStringLiteral("Half Letter（HLS01～HLS15）"),
    QStringLiteral(""),
    QStringLiteral(""),
    QStringLiteral("Business Card（CARD01～CARD15）"),
    QStringLiteral("Extra Large（XL01～XL03）"),
    QStringLiteral("Other Sizes（OTHER01～OTHER04）"),
    QStringLiteral("Pocket（POCKET01～POCKET04）"),
    QStringLiteral("Undo"),
    QStringLiteral("Redo"),
    QStringLiteral("Print Tip"),
    QStringLiteral("Draw/Edit an image file"),
    QStringLiteral("Red area cannot be printed. You can select a different paper size, or adjust "
                   "the margin (may be limited by the printer) or adjust the image to fit in."),
    QStringLiteral("Pouch Sizes and Shapes"),
    QStringLiteral("Thin"),
    QStringLiteral("Thick")};

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
    void englishTable();
    void lookups_data();
    void lookups();
    void everyShippedTable_data();
    void everyShippedTable();
    void missingTableAnswersWrongLan();
    void outOfRangeIndexKeepsLanguage();
    void layoutDirection_data();
    void layoutDirection();
    void changeReachesEveryWindowAndChild();
    void singletonRegistration();
};

void TestLanguageManager::initTestCase()
{
    lmInitResources();
}

void TestLanguageManager::englishTable()
{
    QVTLanguageManager lan;
    QCOMPARE(english.size(), 100);
    for (int i = 0; i < english.size(); ++i)
        QCOMPARE(lan.text(i), english.at(i));
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

// Every table loads through the manager with 100 lines and the byte layout
// the reader expects; the group titles keep their model codes.
void TestLanguageManager::everyShippedTable()
{
    QFETCH(int, index);
    QFile file(LMLanguageTable::resourcePath(QVTLanguageManager::folderOf(index)));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("\xef\xbb\xbf"));
    QVERIFY(!bytes.contains('\r'));
    const QStringList lines = LMLanguageTable::parse(bytes);
    QCOMPARE(lines.size(), 100);

    QVTLanguageManager lan;
    lan.setLanguage(index);
    QCOMPARE(lan.language(), index);
    QVERIFY(lan.isLoaded());
    QCOMPARE(lan.text(99), lines.at(99));
    QVERIFY(lan.text(86).isEmpty());
    QVERIFY(lan.text(87).isEmpty());
    for (int line : {84, 85, 88, 89, 90, 91}) {
        const QString code = english.at(line).section(QStringLiteral("（"), 1);
        QVERIFY2(lan.text(line).endsWith(QStringLiteral("（") + code),
                 qPrintable(QStringLiteral("line %1: %2").arg(line).arg(lan.text(line))));
    }
    for (int line = 0; line < 100; ++line) {
        if (line != 86 && line != 87)
            QVERIFY2(!lan.text(line).isEmpty(), qPrintable(QString::number(line)));
    }
}

void TestLanguageManager::missingTableAnswersWrongLan()
{
    QVTLanguageManager lan;
    QVERIFY(!lan.loadTable(QStringLiteral("xyz")));
    QVERIFY(!lan.isLoaded());
    // The next lookup retries the current language's table and finds it.
    QCOMPARE(lan.text(0), QStringLiteral("Print"));
    QVERIFY(lan.isLoaded());
}

void TestLanguageManager::outOfRangeIndexKeepsLanguage()
{
    QVTLanguageManager lan;
    lan.setLanguage(6);
    Listener window;
    lan.setLanguage(24);
    QCOMPARE(lan.language(), 6);
    lan.setLanguage(-1);
    QCOMPARE(lan.language(), 6);
    QCOMPARE(lan.text(29), QStringLiteral("Guardar"));
    // Still reloaded and broadcast.
    QCOMPARE(window.changes, 2);
}

void TestLanguageManager::layoutDirection_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("rightToLeft");
    QTest::newRow("Arabic mirrors") << 22 << true;
    QTest::newRow("Japanese") << 21 << false;
    QTest::newRow("Turkish, the last") << 23 << false;
    QTest::newRow("English") << 0 << false;
}

void TestLanguageManager::layoutDirection()
{
    QFETCH(int, index);
    QFETCH(bool, rightToLeft);
    QVTLanguageManager lan;
    QWidget window;
    lan.setLanguage(22);
    lan.setLanguage(index);
    const Qt::LayoutDirection expected = rightToLeft ? Qt::RightToLeft : Qt::LeftToRight;
    QCOMPARE(QApplication::layoutDirection(), expected);
    QCOMPARE(window.layoutDirection(), expected);
    lan.setLanguage(0);
    QCOMPARE(window.layoutDirection(), Qt::LeftToRight);
}

void TestLanguageManager::changeReachesEveryWindowAndChild()
{
    QVTLanguageManager lan;
    Listener window;
    auto *child = new Listener;
    child->setParent(&window);
    Listener hiddenWindow;
    lan.setLanguage(1);
    QCOMPARE(window.changes, 1);
    QCOMPARE(child->changes, 1);
    QCOMPARE(hiddenWindow.changes, 1);
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
