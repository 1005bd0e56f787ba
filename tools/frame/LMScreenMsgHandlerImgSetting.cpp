#include "tools/frame/LMScreenMsgHandlerImgSetting.h"

#include "model/LMFiles.h"
#include "widgets/LMPictureWarning.h"
#include "widgets/LMFileDialog.h"

#include <QGridLayout>
#include <QPushButton>
#include <QSpacerItem>

namespace {
QPushButton *button(QWidget *parent, const char *name)
{
    auto *b = new QPushButton(parent);
    b->setObjectName(QLatin1String(name));
    return b;
}
} // namespace

LMScreenMsgHandlerImgSetting::LMScreenMsgHandlerImgSetting(QWidget *parent) : LMSettingPanel(parent)
{
    setObjectName(QStringLiteral("LMScreenMsgHandlerImgSetting"));
    QGridLayout *grid = makeGrid();
    m_paste = button(this, "pasteImgButton");
    m_load = button(this, "loadImgButton");
    m_capture = button(this, "captureImgButton");
    grid->addItem(new QSpacerItem(10, 10, QSizePolicy::Expanding), 1, 0);
    grid->addWidget(m_paste, 0, 1);
    grid->addWidget(m_load, 1, 1);
    grid->addWidget(m_capture, 2, 1);
    grid->addItem(new QSpacerItem(10, 10, QSizePolicy::Expanding), 1, 2);
    QMetaObject::connectSlotsByName(this);
    retranslate();
}

void LMScreenMsgHandlerImgSetting::retranslate()
{
    m_paste->setText(lmText(52));
    m_load->setText(lmText(32));
    m_capture->setText(lmText(47));
}

void LMScreenMsgHandlerImgSetting::on_loadImgButton_clicked()
{
    m_fileName.clear();
    m_fileName = LMFileDialog::askPicture(this, lmText(32));
    if (m_fileName.isEmpty())
        return; // cancelled: nothing changes
    // A file that cannot be read is said so, rather than leaving an empty frame.
    if (!lmPictureReadable(nullptr, m_fileName))
        return;
    Q_EMIT signal_loadImag(m_fileName);
}

void LMScreenMsgHandlerImgSetting::on_pasteImgButton_clicked()
{
    Q_EMIT signal_pasteImag();
}

void LMScreenMsgHandlerImgSetting::on_captureImgButton_clicked()
{
    Q_EMIT signal_captureImag();
}
