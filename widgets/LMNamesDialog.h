#pragma once

#include <QDialog>
#include <QStringList>

#include <optional>

class QDialogButtonBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// Edits a list of names, one per line, each of which takes the frame text's
// place on an insert of its own. Names are typed, pasted (a spreadsheet's
// rows keep their first column) or loaded from a text or CSV file.
class LMNamesDialog : public QDialog {
    Q_OBJECT
public:
    explicit LMNamesDialog(const QStringList &names, QWidget *parent = nullptr);

    // The list after OK; nothing when cancelled.
    static std::optional<QStringList> ask(QWidget *parent, const QStringList &names);

    // The names the box holds, as OK takes them.
    QStringList names() const;
    // Puts the names of a file into the box. A file that cannot be read or
    // is not UTF-8 leaves the box as it was, and the user is told why.
    bool loadFile(const QString &path);

public Q_SLOTS:
    void on_btn_loadNames_clicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void showCount();

    QLabel *m_hint;
    QPlainTextEdit *m_box;
    QPushButton *m_load;
    QLabel *m_count;
    QDialogButtonBox *m_buttons;
};
