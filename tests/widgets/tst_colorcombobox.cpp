#include "../common/ModalAnswer.h"
#include "widgets/KVCLIENT_ColorBtn.h"
#include "widgets/KVCLIENT_ColorComboBox.h"
#include "widgets/KVCLIENT_ColorCompleter.h"

#include <QAbstractItemView>
#include <QColorDialog>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

class TestColorComboBox : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { m_completer = new KVCLIENT_ColorCompleter(this); }

    void init()
    {
        m_window = new QWidget;
        m_field = new KVCLIENT_ColorComboBox(m_window);
        m_field->setColor(QColor(0, 128, 0));
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }

    void cleanup() { delete m_window; }

    void typing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("leave"); // the edit ends by leaving the field, else by Return
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("emitted");
        const auto row = [](const char *name, const char *typed, const char *shown, int emitted,
                            bool leave = false) {
            QTest::newRow(name) << QString::fromUtf8(typed) << leave << QString::fromUtf8(shown)
                                << emitted;
        };
        row("a colour name", "red", "#ff0000", 1);
        row("three-digit code", "#0af", "#00aaff", 1);
        row("name in capitals", "NAVY", "#000080", 1);
        row("no colour", "reddish", "#008000", 0);
        row("no colour, the field left", "no such colour", "#008000", 0, true);
        row("empty", "", "#008000", 0);
        // A see-through colour would draw nothing: refused like nonsense.
        row("transparent", "transparent", "#008000", 0);
        row("code with alpha 0", "#00ff0000", "#008000", 0);
        row("code with half alpha", "#80ff0000", "#008000", 0);
        row("code with full alpha", "#ffff0000", "#ff0000", 1);
    }

    void typing()
    {
        QFETCH(QString, typed);
        QFETCH(bool, leave);
        QFETCH(QString, shown);
        QFETCH(int, emitted);
        QLineEdit other(m_window);
        other.show();
        other.setFocus();
        QSignalSpy spy(m_field, &KVCLIENT_ColorComboBox::signal_colorChanged);
        QLineEdit *edit = m_field->lineEdit();
        QTest::mouseClick(edit, Qt::LeftButton);
        QTRY_COMPARE(edit->selectedText(), QStringLiteral("#008000")); // focus selects all
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, typed);
        if (QAbstractItemView *popup = m_completer->popup())
            popup->hide();
        if (leave)
            other.setFocus();
        else
            QTest::keyClick(edit, Qt::Key_Return);
        QTRY_COMPARE(edit->text(), shown);
        QCOMPARE(spy.count(), emitted);
        QCOMPARE(m_field->color().name(), shown);
        QCOMPARE(m_field->button()->color().name(), shown);
        if (emitted)
            QCOMPARE(spy.first().first().value<QColor>().name(), shown);
    }

    void dialog_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("a colour chosen") << true;
        QTest::newRow("cancelled") << false;
    }

    void dialog()
    {
        QFETCH(bool, accept);
        QSignalSpy spy(m_field, &KVCLIENT_ColorComboBox::signal_colorChanged);
        answerNextModal<QColorDialog>([accept](QColorDialog *dialog) {
            QCOMPARE(dialog->currentColor(), QColor(0, 128, 0)); // starts at the current colour
            if (accept) {
                dialog->setCurrentColor(QColor(255, 200, 0));
                dialog->accept();
            } else {
                dialog->reject();
            }
        });
        QTest::mouseClick(m_field->button(), Qt::LeftButton);
        const QString expected = accept ? QStringLiteral("#ffc800") : QStringLiteral("#008000");
        QCOMPARE(m_field->color().name(), expected);
        QCOMPARE(m_field->lineEdit()->text(), expected);
        QCOMPARE(m_field->button()->color().name(), expected);
        QCOMPARE(spy.count(), accept ? 1 : 0);
    }

private:
    KVCLIENT_ColorCompleter *m_completer = nullptr;
    QWidget *m_window = nullptr;
    KVCLIENT_ColorComboBox *m_field = nullptr;
};

QTEST_MAIN(TestColorComboBox)

#include "tst_colorcombobox.moc"
