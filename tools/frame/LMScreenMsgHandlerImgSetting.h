#pragma once

#include "tools/LMSettingPanel.h"

class QPushButton;

// Where the image tool's picture comes from: a file, the clipboard, or a part
// of the screen.
class LMScreenMsgHandlerImgSetting : public LMSettingPanel {
    Q_OBJECT
public:
    explicit LMScreenMsgHandlerImgSetting(QWidget *parent = nullptr);

    QString fileName() const { return m_fileName; }

Q_SIGNALS:
    void signal_loadImag(const QString &fileName);
    void signal_pasteImag();
    void signal_captureImag();

public Q_SLOTS:
    void on_loadImgButton_clicked();
    void on_pasteImgButton_clicked();
    void on_captureImgButton_clicked();

protected:
    void retranslate() override;

private:
    QString m_fileName;
    QPushButton *m_paste;
    QPushButton *m_load;
    QPushButton *m_capture;
};
