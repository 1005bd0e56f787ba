#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// Asks, before unsaved work would be lost, whether to save it.
class LMSaveDialog : public QDialog {
    Q_OBJECT
public:
    enum Answer { Save = 0, Dont = 1, Cancel = 2 };

    explicit LMSaveDialog(QWidget *parent = nullptr);

    // Save, Don't or Cancel; closing the dialog any other way is Cancel.
    static int ask(QWidget *parent, const QString &fileName);
    // "Save File <path>?" in the current language, with its own question mark.
    static QString question(const QString &fileName);

    int result() const { return m_result; }
    QLabel *question() const { return m_label; }

public Q_SLOTS:
    void on_btn_save_clicked();
    void on_btn_dont_clicked();
    void on_btn_cancel_clicked();

private:
    int m_result = Cancel;
    QLabel *m_label;
    QPushButton *m_save;
    QPushButton *m_dont;
    QPushButton *m_cancel;
};
