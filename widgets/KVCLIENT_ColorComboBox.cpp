#include "widgets/KVCLIENT_ColorComboBox.h"

#include "widgets/KVCLIENT_ColorBtn.h"
#include "widgets/KVCLIENT_ColorCompleter.h"

#include <QColorDialog>
#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>

KVCLIENT_ColorComboBox::KVCLIENT_ColorComboBox(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("KVCLIENT_ColorComboBox"));
    setWindowTitle(QStringLiteral("Form"));
    resize(196, 23);
    m_layout = new QHBoxLayout(this);
    m_layout->setObjectName(QStringLiteral("horizontalLayout"));
    m_layout->setContentsMargins(2, 0, 2, 0);
    m_btn = new KVCLIENT_ColorBtn(this);
    m_btn->setObjectName(QStringLiteral("btn"));
    m_btn->setFocusPolicy(Qt::NoFocus);
    m_btn->setAutoFillBackground(true);
    m_btn->setFlat(true);
    m_layout->addWidget(m_btn, 0);
    m_lineEdit = new QLineEdit(this);
    m_lineEdit->setObjectName(QStringLiteral("lineEdit"));
    m_lineEdit->setMaxLength(30);
    m_layout->addWidget(m_lineEdit, 0);
    QMetaObject::connectSlotsByName(this);

    m_lineEdit->setCompleter(KVCLIENT_ColorCompleter::instance());
    m_lineEdit->installEventFilter(this);
}

void KVCLIENT_ColorComboBox::setColor(const QColor &color)
{
    m_color = color;
    m_btn->setColor(color);
    m_lineEdit->setText(color.name());
    Q_EMIT signal_colorChanged(color);
    update();
}

void KVCLIENT_ColorComboBox::on_lineEdit_textEdited(const QString &) {}

void KVCLIENT_ColorComboBox::on_lineEdit_editingFinished()
{
    // Leaving the field without editing it is no new choice.
    if (m_color.isValid() && m_lineEdit->text() == m_color.name())
        return;
    const QColor typed = QColor::fromString(m_lineEdit->text().trimmed());
    // Only opaque colours: a see-through pen would draw nothing while the
    // field showed a colour.
    if (typed.isValid() && typed.alpha() == 255) {
        setColor(typed);
        return;
    }
    m_lineEdit->setText(m_color.isValid() ? m_color.name() : QString());
}

void KVCLIENT_ColorComboBox::on_btn_clicked()
{
    const QColor chosen = QColorDialog::getColor(m_color, this);
    if (chosen.isValid())
        setColor(chosen);
}

bool KVCLIENT_ColorComboBox::eventFilter(QObject *watched, QEvent *event)
{
    // Select after the focus change is done, or the caret placement undoes it.
    if (event->type() == QEvent::FocusIn) {
        if (auto *edit = qobject_cast<QLineEdit *>(watched))
            QMetaObject::invokeMethod(edit, &QLineEdit::selectAll, Qt::QueuedConnection);
    }
    return false;
}
