#include "widgets/LMNamesDialog.h"

#include "base/LMText.h"
#include "model/LMNameList.h"
#include "widgets/LMFileDialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace {
// Far more than ten thousand names with a few columns beside them.
constexpr qint64 MaxFileBytes = 64 << 20;
const QString FolderKey = QStringLiteral("names/lastFolder");

QSettings settings()
{
    return QSettings(QStringLiteral("Lumetra"), QStringLiteral("Lumetra"));
}

// A file's name kept left to right inside a sentence of any direction.
QString isolated(const QString &path)
{
    return QChar(0x2066) + QFileInfo(path).fileName() + QChar(0x2069); // LRI ... PDI
}
} // namespace

LMNamesDialog::LMNamesDialog(const QStringList &names, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("LMNamesDialog"));
    m_hint = new QLabel(this);
    m_hint->setObjectName(QStringLiteral("lab_hint"));
    m_hint->setWordWrap(true);
    m_box = new QPlainTextEdit(this);
    m_box->setObjectName(QStringLiteral("namesEdt"));
    // One name to a line, never wrapped into looking like two.
    m_box->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_box->setPlainText(names.join(QLatin1Char('\n')));
    m_load = new QPushButton(this);
    m_load->setObjectName(QStringLiteral("btn_loadNames"));
    m_load->setAutoDefault(false);
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("lab_count"));
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->setObjectName(QStringLiteral("buttons"));

    auto *row = new QHBoxLayout;
    row->addWidget(m_load);
    row->addStretch();
    row->addWidget(m_count);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_hint);
    layout->addWidget(m_box, 1);
    layout->addLayout(row);
    layout->addWidget(m_buttons);
    resize(420, 460);

    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_box, &QPlainTextEdit::textChanged, this, &LMNamesDialog::showCount);
    QMetaObject::connectSlotsByName(this);
    retranslate();
}

std::optional<QStringList> LMNamesDialog::ask(QWidget *parent, const QStringList &names)
{
    LMNamesDialog dialog(names, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.names();
}

QStringList LMNamesDialog::names() const
{
    return LMNameList::parse(m_box->toPlainText(), LMNameList::Rows::Text);
}

bool LMNamesDialog::loadFile(const QString &path)
{
    QFile file(path);
    std::optional<QStringList> names;
    if (file.open(QIODevice::ReadOnly) && file.size() <= MaxFileBytes) {
        names = LMNameList::fromBytes(file.readAll(), LMNameList::rowsOfFile(path));
        if (!names) {
            QMessageBox::warning(this, QStringLiteral("Lumetra"),
                                 tr("The file %1 is not UTF-8 text. Save it as UTF-8 (for a "
                                    "spreadsheet: CSV UTF-8) and load it again.")
                                     .arg(isolated(path)));
            return false;
        }
    }
    if (!names) {
        QMessageBox::warning(this, QStringLiteral("Lumetra"),
                             tr("The file %1 cannot be read.").arg(isolated(path)));
        return false;
    }
    m_box->setPlainText(names->join(QLatin1Char('\n')));
    return true;
}

void LMNamesDialog::on_btn_loadNames_clicked()
{
    QSettings stored = settings();
    QString folder = stored.value(FolderKey).toString();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    const QString filters = tr("Lists of names") + QStringLiteral(" (*.txt *.csv *.tsv);;") +
                            QCoreApplication::translate("LMFileDialog", "All files") +
                            QStringLiteral(" (*)");
    const QString path = LMFileDialog::askOpen(this, m_load->text(), folder, filters);
    if (path.isEmpty())
        return;
    stored.setValue(FolderKey, QFileInfo(path).absolutePath());
    loadFile(path);
}

void LMNamesDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void LMNamesDialog::retranslate()
{
    setWindowTitle(tr("Names"));
    m_hint->setText(tr("One name per line. Each name takes the frame text's place on an "
                       "insert of its own."));
    m_load->setText(lmText(13) + QStringLiteral("…"));
    m_buttons->button(QDialogButtonBox::Cancel)->setText(lmText(31));
    showCount();
}

void LMNamesDialog::showCount()
{
    m_count->setText(tr("%n names", nullptr, int(names().size())));
}
