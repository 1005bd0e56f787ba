#pragma once

#include "model/output/LMOutputJob.h"

#include <QHash>
#include <QKeySequence>
#include <QPointF>
#include <QPointer>
#include <QStringList>
#include <QWidget>

class KVCLIENT_ColorCompleter;
class LMArtFrameFactory;
class LMDesign;
class LMGraphView;
class LMLeftController;
class LMRecovery;
class LMScreenMsgHandlerInf;
class QVTLanguageManager;
class QBoxLayout;
class QComboBox;
class QLabel;
class QPushButton;
class QAction;
class QButtonGroup;
class QLocale;
struct LMOutputPlan;
class QActionGroup;
class QMenu;
class QPrinter;
class QPrintPreviewWidget;
class QToolBar;
class QSettings;

namespace Ui {
class LMMainWidget;
}

// The one top-level window: command buttons, tool palette, page controls, the
// settings column and the canvas.
class LMMainWidget : public QWidget {
    Q_OBJECT
public:
    LMMainWidget();
    ~LMMainWidget() override;

    // What a start brings, once the window shows, so that every question
    // and message has it behind them: work a crash left first, then the
    // file named last in `arguments` (the program's name comes first).
    void begin(const QStringList &arguments);

    void updateWindowTitle();
    // Saves under the current name, or asks for one (always with askForName).
    // False when nothing was saved: cancelled, or the file could not be written.
    bool saveDocument(bool askForName);
    // Opens a design or imports a picture, after the checks and the prompt.
    bool openFile(const QString &path);
    // The four checks before loading; a failed one is shown and gives false.
    bool validateFile(const QString &path);
    static void warn(int line, const QString &reason = QString());
    // `name` with the first ending of the file-dialog filter chosen, when it has none.
    static QString withChosenEnding(const QString &name, const QString &filter);
    // Marks the document modified and shows it in the title.
    void setModified();
    void retranslate();

    LMDesign *design() const { return m_design; }
    LMGraphView *graphView() const { return m_graphView; }
    LMLeftController *leftController() const { return m_leftController; }
    LMArtFrameFactory *artFrameFactory() const { return m_artFrameFactory; }
    QVTLanguageManager *languageManager() const { return m_languageManager; }
    LMRecovery *recovery() const { return m_recovery; }
    // Offers the newest copy of work an unclean exit left; restoring opens it
    // unnamed and modified. True when it was restored.
    bool offerRecovery();
    Ui::LMMainWidget *form() const { return ui; }
    QString currentPath() const { return m_currentPath; }
    // The document's full path; empty while it has no name.
    void setCurrentPath(const QString &path);
    QPushButton *blankToolButton() const { return m_blankToolButton; }

    // The settings column's layout; tool panels go just above its closing spacer.
    QBoxLayout *settingsColumn() const;
    // The current tool's settings panel; null when it has none.
    QWidget *settingsPanel() const { return m_settingsPanel; }
    // Checks the first tool button of the top band whose "func" is `func`.
    void checkToolButton(const QString &func);
    void setPrintTipVisible(bool visible);
    // Moves the page controls to a loaded design's paper and applies them.
    void showPage(bool landscape, int paperId);
    // Millimetres the whole printout moves, for printers that shift the page.
    QPointF printOffset() const { return m_printOffset; }
    void setPrintOffset(const QPointF &offsetMm) { m_printOffset = offsetMm; }
    // The paper inserts are laid out on, several to a sheet (a page-size
    // number), or -1 to print each insert on its own paper. Remembered.
    int sheetPaperId() const { return m_sheetPaperId; }
    void setSheetPaperId(int pageSizeId);

    // Zooms to `percent`, keeping the page point under `anchor` (a point of
    // the view around the page) where it is.
    void zoomTo(int percent, const QPoint &anchor);
    // The designs opened or saved last, newest first.
    const QStringList &recentFiles() const { return m_recentFiles; }
    void openRecentFile(const QString &path);
    void saveSettings() const;

Q_SIGNALS:
    void signal_Resized();

public Q_SLOTS:
    void slot_updatePaper();
    // Shows the panel of the tool that became current (none for null).
    void slot_handlerChanged(LMScreenMsgHandlerInf *tool);
    void slot_updateLanguage(int index);
    void slot_HideFirstComment();
    void on_btn_save_clicked();
    void on_btn_saveas_clicked();
    void on_btn_open_clicked();
    void on_btn_redo_clicked();
    void on_btn_return_clicked();
    void on_btn_new_clicked();
    // The platform's print dialog, then the page (or the strip sheet).
    void on_btn_print_clicked();
    // What will print, with the print offset to set.
    void slot_printPreview();
    void slot_exportPdf();
    // The clipboard's picture into the image tool's frame.
    void slot_paste();
    // Copy and Cut of what the select tool lifted.
    void slot_copy();
    void slot_cut();
    void slot_zoomIn();
    void slot_zoomOut();
    // The whole page in the view.
    void slot_zoomToFit();
    // Ctrl and the wheel over the canvas, at `canvasPos`.
    void slot_zoomWheel(int steps, const QPoint &canvasPos);
    // The update dialog; when it started an installer the window closes.
    void slot_updateversion(const QString &link);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Runs the save-changes prompt when there are changes; false stops the caller.
    bool settleUnsavedChanges();
    QString askSaveName();
    void groupToolButtons();
    void connectModels();
    // Whether the page controls already show this paper at this page size.
    bool pageControlsShow(int paperId, bool landscape, const QSize &page) const;
    void installShortcuts();
    static QString withShortcut(const QString &tip, QKeySequence::StandardKey key);
    QPoint viewCentre() const;
    void restoreSettings();
    void restoreMargins(const QSettings &stored);
    void fitToScreen();
    void showEvent(QShowEvent *event) override;
    // The zoom, in percent, at which the whole page fits the view.
    int fittingZoom() const;
    void rememberFile(const QString &path);
    void showRecentFiles(const QPoint &at);
    void reportCatalogueFailure();
    void applyStyleSheet();
    void setUpPrintMenu();
    // What a printout holds now: what the canvas shows, moved by the print offset.
    LMOutputJob printJob() const;
    bool printTo(QPrinter &printer, QString *error);
    void retranslatePrintMenu();
    // The printout's pages: its inserts and the sheets they go on.
    LMOutputPlan printPlan() const;
    // How many inserts the printout holds and on how many sheets.
    QString sheetSummary() const;
    // Says so, and true, when the chosen sheet holds no insert.
    bool refuseEmptySheet();
    void addSheetChoice(QToolBar *tools, QPrinter &printer, QPrintPreviewWidget *preview);
    void addPrintOffset(QToolBar *tools, QPrintPreviewWidget *preview);
    // The page's detail: Standard (as older designs) or Fine.
    void setUpDetailChoice();
    void showDetail();
    void retranslateDetailChoice();
    // The remembered language, else the one of `system` when there is a
    // table for it, else English.
    void selectStartLanguage(const QLocale &system);
    int rememberedLanguage() const;
    void rememberLanguage() const;

    LMLeftController *m_leftController = nullptr;
    LMDesign *m_design = nullptr;
    LMGraphView *m_graphView = nullptr;
    LMArtFrameFactory *m_artFrameFactory = nullptr;
    QVTLanguageManager *m_languageManager = nullptr;
    LMRecovery *m_recovery = nullptr;
    KVCLIENT_ColorCompleter *m_colorCompleter = nullptr;
    QString m_currentPath;
    QString m_baseTitle;
    QHash<int, int> m_languageByIndex;
    QButtonGroup *m_toolButtons = nullptr;
    QAction *m_printAction = nullptr;
    QLabel *m_detailLabel = nullptr;
    QComboBox *m_detailChoice = nullptr;
    QAction *m_previewAction = nullptr;
    QAction *m_pdfAction = nullptr;
    QMenu *m_sheetMenu = nullptr;
    QActionGroup *m_sheetActions = nullptr;
    // The paper several inserts share (a page-size number), or -1 for one each.
    int m_sheetPaperId = -1;
    QPushButton *m_blankToolButton = nullptr;
    QPointer<QWidget> m_settingsPanel;
    QString m_lastFolder;
    QPointF m_printOffset;
    QStringList m_recentFiles;
    // Set once the save-changes prompt has been answered for a closing that must happen.
    bool m_changesSettled = false;
    bool m_fitPageOnShow = false; // a first start shows the whole page
    Ui::LMMainWidget *ui;
};
