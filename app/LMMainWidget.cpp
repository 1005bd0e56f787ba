#include "app/LMMainWidget.h"

#include "app/LMLanguageList.h"
#include "app/LMLeftController.h"
#include "app/LMRecovery.h"
#include "app/LMToolTable.h"
#include "app/QVTLanguageManager.h"
#include "base/LMLogging.h"
#include "canvas/LMGraphView.h"
#include "model/LMDesign.h"
#include "model/outlines/LMArtFrameFactory.h"
#include "tools/LMScreenMsgHandlerInf.h"
#include "ui_LMMainWidget.h"
#include "widgets/KVCLIENT_ColorCompleter.h"

#include <QApplication>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QMessageBox>
#include <QPainter>
#include <QPalette>

LMMainWidget::LMMainWidget()
    : QWidget(nullptr), m_baseTitle(QStringLiteral("Lumetra")), ui(new Ui::LMMainWidget)
{
    // Before the widgets exist, so each takes the look once as it is made
    // rather than being restyled afterwards.
    applyStyleSheet();
    ui->setupUi(this);
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128})
        icon.addFile(QStringLiteral(":/icon/%1x%1/apps/lumetra.png").arg(size), QSize(size, size));
    setWindowIcon(icon);

    m_leftController = new LMLeftController(this);
    m_artFrameFactory = new LMArtFrameFactory(this);
    m_design = new LMDesign(m_artFrameFactory, this);
    m_graphView = new LMGraphView(m_design, this);
    LMToolTable::createTools(m_graphView);
    m_graphView->setHandlerByName(QStringLiteral("basic"));
    for (const QString &mismatch : LMToolTable::mismatches(this))
        qCWarning(lcApp).noquote() << mismatch;
    m_languageManager = new QVTLanguageManager(this);
    connectModels();
    if (!m_artFrameFactory->failedFile().isEmpty())
        reportCatalogueFailure();

    // The first paper entry gives the canvas its first page through slot_updatePaper().
    ui->scroll_graph->setWidget(m_graphView);
    m_leftController->fillPaperSizes(ui->cob_pasesetting);
    // Long paper names and long captions must not push the column wider.
    ui->cob_pasesetting->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ui->cob_pasesetting->setMinimumContentsLength(8);
    setUpDetailChoice();

    groupToolButtons();
    m_colorCompleter = new KVCLIENT_ColorCompleter(this);

    // The page has its size now: the first outline goes to its middle.
    m_graphView->slot_ToCenter();
    // A new window holds no changes yet.
    m_design->setModified(false);
    updateWindowTitle();

    // QLocale() is the system's unless the program chose another.
    selectStartLanguage(QLocale());
    ui->scrollArea->viewport()->setStyleSheet(QStringLiteral(
        "#qt_scrollarea_viewport,#qt_scrollarea_viewport > *{background-color:transparent;}"));
    ui->label->setText(QStringLiteral("Lumetra " LUMETRA_VERSION));
    retranslate();
    connect(ui->cob_lan, &QComboBox::currentIndexChanged, this, &LMMainWidget::slot_updateLanguage);
    connect(ui->update, &QLabel::linkActivated, this, &LMMainWidget::slot_updateversion);

    restoreSettings();
    installShortcuts();
    setUpPrintMenu();
    ui->btn_open->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui->btn_open, &QWidget::customContextMenuRequested, this,
            &LMMainWidget::showRecentFiles);
}

void LMMainWidget::begin(const QStringList &arguments)
{
    QStringList quoted;
    for (const QString &a : arguments)
        quoted << QLatin1Char('"') + a + QLatin1Char('"');
    qCDebug(lcApp).noquote() << "(" + quoted.join(QStringLiteral(", ")) + ")";
    // Work a crash left comes first; a file to open then goes through the
    // save-changes prompt like any other.
    offerRecovery();
    if (arguments.size() >= 2)
        openFile(arguments.last());
}

LMMainWidget::~LMMainWidget()
{
    // Before the canvas it copies from goes.
    delete m_recovery;
    delete ui;
}

// The one place where the window listens to the design and the canvas.
void LMMainWidget::connectModels()
{
    LMGraphView *canvas = m_graphView;
    LMDesign *design = m_design;
    connect(design, &LMDesign::modifiedChanged, this, &LMMainWidget::updateWindowTitle);
    connect(canvas, &LMGraphView::signal_handlerChanged, this, &LMMainWidget::slot_handlerChanged);
    connect(canvas, &LMGraphView::signal_toolChosen, this, &LMMainWidget::checkToolButton);
    connect(canvas, &LMGraphView::signal_printTipVisible, this, &LMMainWidget::setPrintTipVisible);
    setPrintTipVisible(false); // nothing is red on a new page
    // An opened design, or Undo, may bring another paper: the controls follow.
    connect(design, &LMDesign::paperChanged, this, [this, design] {
        if (!pageControlsShow(design->paperId(), design->landscape(), design->pageSize()))
            showPage(design->landscape(), design->paperId());
    });
    connect(canvas, &LMGraphView::signal_zoomWheel, this, &LMMainWidget::slot_zoomWheel);
    // Unsaved work is copied where a crash cannot take it.
    m_recovery = new LMRecovery([design] { return design->toDocument(); }, this);
    connect(design, &LMDesign::changed, m_recovery, &LMRecovery::slot_changed);
    connect(design, &LMDesign::modifiedChanged, m_recovery, &LMRecovery::slot_modifiedChanged);
    // The hand tool became current before anyone listened.
    if (LMScreenMsgHandlerInf *tool = canvas->currentHandler()) {
        slot_handlerChanged(tool);
        checkToolButton(tool->objectName());
    }
}

void LMMainWidget::reportCatalogueFailure()
{
    warn(59, m_artFrameFactory->failedFile()); // "Can not open file!" and which
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                              Qt::QueuedConnection);
}

void LMMainWidget::slot_handlerChanged(LMScreenMsgHandlerInf *tool)
{
    if (m_settingsPanel)
        m_settingsPanel->deleteLater();
    m_settingsPanel = tool ? tool->createSettingWidget(this) : nullptr;
    if (m_settingsPanel) {
        QBoxLayout *column = settingsColumn();
        column->insertWidget(column->count() - 1, m_settingsPanel);
    }
}

void LMMainWidget::groupToolButtons()
{
    m_toolButtons = new QButtonGroup(this);
    m_toolButtons->setExclusive(true);
    // Checking the hidden member is how no tool button stays checked.
    m_blankToolButton = new QPushButton(this);
    m_blankToolButton->setCheckable(true);
    m_blankToolButton->hide();
    m_toolButtons->addButton(m_blankToolButton);

    for (const LMToolTable::Entry &entry : LMToolTable::entries()) {
        auto *button = findChild<QPushButton *>(QLatin1String(entry.button));
        if (!button)
            continue;
        connect(button, &QPushButton::clicked, m_graphView, &LMGraphView::slot_ChangeHandler);
        connect(button, &QPushButton::clicked, this, &LMMainWidget::slot_HideFirstComment);
        m_toolButtons->addButton(button);
    }
}

void LMMainWidget::applyStyleSheet()
{
    // The style sheet paints the panels and buttons; the plain controls (spin
    // box, combo boxes, check box, scroll bars, menus, message boxes) take the
    // dark palette, application-wide so that popups and dialogs match.
    QPalette dark = QApplication::palette();
    dark.setColor(QPalette::Window, QColor(0x2c, 0x32, 0x3c));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(0x23, 0x28, 0x30));
    dark.setColor(QPalette::AlternateBase, QColor(0x2c, 0x32, 0x3c));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Button, QColor(0x3a, 0x42, 0x4e));
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Highlight, QColor(0x2f, 0x7d, 0xe1));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Light, QColor(0x55, 0x60, 0x6f));
    dark.setColor(QPalette::Midlight, QColor(0x46, 0x51, 0x61));
    dark.setColor(QPalette::Mid, QColor(0x30, 0x36, 0x40));
    dark.setColor(QPalette::Dark, QColor(0x1a, 0x1e, 0x24));
    dark.setColor(QPalette::Shadow, QColor(0x10, 0x12, 0x16));
    dark.setColor(QPalette::PlaceholderText, QColor(0x8d, 0x97, 0xa5));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x8d, 0x97, 0xa5));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x8d, 0x97, 0xa5));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x8d, 0x97, 0xa5));
    QApplication::setPalette(dark);

    QFile file(QStringLiteral(":/qss/main.qss"));
    if (!file.open(QIODevice::ReadOnly))
        return;
    QByteArray bytes = file.readAll();
    const int nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes.truncate(nul);
    setStyleSheet(QString::fromUtf8(bytes));
}

void LMMainWidget::selectStartLanguage(const QLocale &system)
{
    // Every language under its own name, so that a reader finds theirs
    // whatever the window shows at the moment.
    m_languageByIndex.clear();
    const QSignalBlocker quiet(ui->cob_lan);
    ui->cob_lan->clear();
    const QList<int> order = LMLanguageList::comboOrder();
    for (int i = 0; i < order.size(); ++i) {
        m_languageByIndex.insert(i, order.at(i));
        ui->cob_lan->addItem(LMLanguageList::nativeName(order.at(i)));
    }
    const int language = LMLanguageList::startLanguage(system, rememberedLanguage());
    ui->cob_lan->setCurrentIndex(m_languageByIndex.key(language, 0));
    m_languageManager->setLanguage(m_languageByIndex.value(ui->cob_lan->currentIndex()));
}

QBoxLayout *LMMainWidget::settingsColumn() const
{
    return ui->vbox_left;
}

void LMMainWidget::checkToolButton(const QString &func)
{
    const QList<QPushButton *> buttons = ui->title->findChildren<QPushButton *>();
    for (QPushButton *button : buttons) {
        if (button->property("func").toString() == func) {
            button->setChecked(true);
            return;
        }
    }
}

void LMMainWidget::setPrintTipVisible(bool visible)
{
    // Its room stays when it hides, so the canvas never jumps or grows a
    // scroll bar as the tip comes and goes.
    QSizePolicy keep = ui->lab_print_tip->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    ui->lab_print_tip->setSizePolicy(keep);
    ui->lab_print_tip->setVisible(visible);
}

void LMMainWidget::showPage(bool landscape, int paperId)
{
    {
        // Both controls first, then one page change: never a page for the
        // new orientation on the old paper in between.
        const QSignalBlocker quietOrientation(ui->chk_horizonal);
        const QSignalBlocker quietPaper(ui->cob_pasesetting);
        ui->chk_horizonal->setChecked(landscape);
        // A paper the table does not know leaves the choice as it is.
        const int row = ui->cob_pasesetting->findData(paperId, Qt::UserRole);
        if (row >= 0)
            ui->cob_pasesetting->setCurrentIndex(row);
    }
    slot_updatePaper();
}

void LMMainWidget::on_btn_return_clicked()
{
    // No tool button stays checked after a step through the history.
    m_blankToolButton->setChecked(true);
    m_graphView->setStripMode(false);
    m_graphView->undo();
}

void LMMainWidget::on_btn_redo_clicked()
{
    if (!m_design->history().canRedo())
        return; // nothing to redo: the tool and its button stay
    m_blankToolButton->setChecked(true);
    m_graphView->setStripMode(false);
    m_graphView->redo();
}

void LMMainWidget::updateWindowTitle()
{
    const bool modified = m_design && m_design->isModified();
    setWindowTitle(QFileInfo(m_currentPath).fileName() +
                   (modified ? QStringLiteral("*   ") : QStringLiteral("   ")) + m_baseTitle);
}

void LMMainWidget::setCurrentPath(const QString &path)
{
    m_currentPath = path;
    updateWindowTitle();
}

void LMMainWidget::setModified()
{
    if (m_design)
        m_design->setModified(true);
    updateWindowTitle();
}

bool LMMainWidget::pageControlsShow(int paperId, bool landscape, const QSize &page) const
{
    const int index = ui->cob_pasesetting->currentIndex();
    return ui->chk_horizonal->isChecked() == landscape &&
           ui->cob_pasesetting->itemData(index, Qt::UserRole).toInt() == paperId &&
           m_leftController->paperPixelSize(index, landscape) == page;
}

void LMMainWidget::slot_updatePaper()
{
    if (!m_graphView)
        return;
    const int index = ui->cob_pasesetting->currentIndex();
    const bool landscape = ui->chk_horizonal->isChecked();
    const QSize size = m_leftController->paperPixelSize(index, landscape);
    if (!size.isValid())
        return;
    const double zoom = ui->spin_size->value() / 100.0;

    // The texture's scale stays: only choosing a texture or colour resets it.
    // Marks the design only when the paper or orientation changed: a zoom
    // is no change to the design.
    m_graphView->setPaper(ui->cob_pasesetting->itemData(index, Qt::UserRole).toInt(), landscape,
                          size, zoom);
    Q_EMIT signal_Resized();
}

void LMMainWidget::slot_updateLanguage(int index)
{
    m_languageManager->setLanguage(m_languageByIndex.value(index, 0));
    // A choice made is a choice kept, also when the program ends abruptly.
    rememberLanguage();
}

void LMMainWidget::slot_HideFirstComment()
{
    if (!ui->label_comment)
        return;
    ui->label_comment->deleteLater();
    ui->label_comment = nullptr;
}

void LMMainWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    // Read as the PNG it is: a reader left to guess asks every image plugin first.
    static const QImage background = [] {
        QImageReader reader(QStringLiteral(":/background.png"), "png");
        reader.setAutoDetectImageFormat(false);
        return reader.read();
    }();
    painter.setBrush(QBrush(background));
    painter.drawRect(rect());
    painter.end();
    QWidget::paintEvent(event);
}

void LMMainWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void LMMainWidget::retranslate()
{
    // Before the language manager exists there is nothing to show yet.
    QVTLanguageManager *lan = m_languageManager;
    if (!lan)
        return;
    retranslatePrintMenu();
    retranslateDetailChoice();
    for (const LMToolTable::Entry &entry : LMToolTable::entries()) {
        auto *button = findChild<QWidget *>(QLatin1String(entry.button));
        if (button && entry.tipLine >= 0)
            button->setToolTip(lan->text(entry.tipLine));
    }
    ui->d14->setToolTip(tr("Add text along an arc: drag a field, then type. The letters follow "
                           "an arc over the field's top, and the field widens to hold them all."));
    ui->btn_print->setToolTip(lan->text(0));
    // The command buttons name their keys.
    const struct {
        QWidget *widget;
        int line;
        QKeySequence::StandardKey key;
    } commands[] = {
        {ui->btn_new, 1, QKeySequence::New},      {ui->btn_open, 6, QKeySequence::Open},
        {ui->btn_save, 2, QKeySequence::Save},    {ui->btn_saveas, 46, QKeySequence::SaveAs},
        {ui->btn_return, 92, QKeySequence::Undo}, {ui->btn_redo, 93, QKeySequence::Redo},
    };
    for (const auto &c : commands)
        c.widget->setToolTip(withShortcut(lan->text(c.line), c.key));

    ui->l1->setText(lan->text(26));
    ui->l2->setText(lan->text(27));
    ui->ll0->setText(lan->text(16));
    ui->ll1->setText(lan->text(17));
    ui->chk_horizonal->setText(lan->text(18));
    ui->btn_padding->setText(lan->text(67));
    ui->lab_print_tip->setText(lan->text(96));
    if (ui->label_comment)
        ui->label_comment->setText(lan->text(95));
    ui->update->setText(
        QStringLiteral("<p><a href=\"update\"><span style=\" font-size:12pt; "
                       "text-decoration: underline; color:#0000ff;\">%1</span></a></p>")
            .arg(lan->text(77), 0, QLatin1Char(' ')));
}
