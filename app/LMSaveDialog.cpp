#include "app/LMSaveDialog.h"

#include "app/LMLanguageList.h"
#include "app/QVTLanguageManager.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpacerItem>

LMSaveDialog::LMSaveDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("LMSaveDialog"));
    setModal(true);
    resize(258, 101);
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(2, 2, 2, 2);
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("label"));
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setWordWrap(true);
    m_save = new QPushButton(this);
    m_save->setObjectName(QStringLiteral("btn_save"));
    m_save->setDefault(true);
    m_dont = new QPushButton(this);
    m_dont->setObjectName(QStringLiteral("btn_dont"));
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("btn_cancel"));
    grid->addWidget(m_label, 0, 0, 1, 4);
    grid->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum), 1, 0);
    grid->addWidget(m_save, 1, 1);
    grid->addWidget(m_dont, 1, 2);
    grid->addWidget(m_cancel, 1, 3);
    QMetaObject::connectSlotsByName(this);
    setWindowTitle(lmText(2));
}

int LMSaveDialog::ask(QWidget *parent, const QString &fileName)
{
    LMSaveDialog dialog(parent);
    dialog.m_label->setText(question(fileName));
    dialog.m_save->setText(lmText(29));
    dialog.m_dont->setText(lmText(30));
    dialog.m_cancel->setText(lmText(31));
    dialog.exec();
    return dialog.m_result;
}

QString LMSaveDialog::question(const QString &fileName)
{
    QVTLanguageManager *lan = QVTLanguageManager::instance();
    const int language = lan ? lan->language() : 0;
    // The table's line has lost its trailing blank: put one back before the
    // name. The path is isolated left to right, so that a right-to-left
    // sentence neither reverses its parts nor pulls its slashes to the other
    // end.
    // A design never saved is asked about by a name all the same.
    const QString name = fileName.isEmpty()
                             ? tr("Untitled")
                             : QChar(0x2066) + fileName + QChar(0x2069); // LRI ... PDI
    return lmText(28) + QLatin1Char(' ') + name + LMLanguageList::questionMark(language);
}

void LMSaveDialog::on_btn_save_clicked()
{
    m_result = Save;
    close();
}

void LMSaveDialog::on_btn_dont_clicked()
{
    m_result = Dont;
    close();
}

void LMSaveDialog::on_btn_cancel_clicked()
{
    m_result = Cancel;
    close();
}
