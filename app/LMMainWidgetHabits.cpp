// The main window's desktop habits: shortcuts, zooming about a point, the
// window's size and what it remembers between runs, and the recent files.
#include "app/LMMainWidget.h"

#include "app/LMLanguageList.h"
#include "app/LMStoredMargins.h"
#include "app/QVTLanguageManager.h"
#include "canvas/LMGraphView.h"
#include "model/LMDesign.h"
#include "model/LMPaperTable.h"
#include "tools/frame/LMScreenMsgHandlerClip.h"
#include "ui_LMMainWidget.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QShortcut>
#include <QStyle>

namespace {
constexpr int MaxRecentFiles = 8;
// Save As where the platform names no keys for it.
const QKeySequence SaveAsKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_S);

QSettings settings()
{
    return QSettings(QStringLiteral("Lumetra"), QStringLiteral("Lumetra"));
}
} // namespace

void LMMainWidget::installShortcuts()
{
    QList<QKeySequence> taken;
    // Each key once: two shortcuts on the same keys would cancel each other.
    const auto add = [this, &taken](const QList<QKeySequence> &keys, void (LMMainWidget::*slot)()) {
        QList<QKeySequence> fresh;
        for (const QKeySequence &k : keys) {
            if (!k.isEmpty() && !taken.contains(k) && !fresh.contains(k))
                fresh << k;
        }
        if (fresh.isEmpty())
            return;
        taken << fresh;
        auto *shortcut = new QShortcut(this);
        shortcut->setKeys(fresh);
        connect(shortcut, &QShortcut::activated, this, slot);
    };
    const auto standard = [](QKeySequence::StandardKey key) {
        return QKeySequence::keyBindings(key);
    };
    add(standard(QKeySequence::New), &LMMainWidget::on_btn_new_clicked);
    add(standard(QKeySequence::Open), &LMMainWidget::on_btn_open_clicked);
    add(standard(QKeySequence::Save), &LMMainWidget::on_btn_save_clicked);
    add(standard(QKeySequence::SaveAs) << SaveAsKeys, &LMMainWidget::on_btn_saveas_clicked);
    add(standard(QKeySequence::Undo), &LMMainWidget::on_btn_return_clicked);
    // Both redo keys users know, whatever the platform's standard one is.
    add(standard(QKeySequence::Redo)
            << QKeySequence(Qt::CTRL | Qt::Key_Y) << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
        &LMMainWidget::on_btn_redo_clicked);
    add(standard(QKeySequence::ZoomIn) << QKeySequence(Qt::CTRL | Qt::Key_Equal),
        &LMMainWidget::slot_zoomIn);
    add(standard(QKeySequence::ZoomOut), &LMMainWidget::slot_zoomOut);
    add({QKeySequence(Qt::CTRL | Qt::Key_0)}, &LMMainWidget::slot_zoomToFit);
    add(standard(QKeySequence::Paste), &LMMainWidget::slot_paste);
    add(standard(QKeySequence::Copy), &LMMainWidget::slot_copy);
    add(standard(QKeySequence::Cut), &LMMainWidget::slot_cut);
}

QString LMMainWidget::withShortcut(const QString &tip, QKeySequence::StandardKey key)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    if (key == QKeySequence::SaveAs)
        keys << SaveAsKeys;
    if (keys.isEmpty())
        return tip;
    return tip + QStringLiteral(" (") + keys.first().toString(QKeySequence::NativeText) +
           QLatin1Char(')');
}

void LMMainWidget::slot_paste()
{
    m_graphView->pastePicture();
}

void LMMainWidget::slot_copy()
{
    if (auto *select = qobject_cast<LMScreenMsgHandlerClip *>(m_graphView->currentHandler()))
        select->slot_copy();
}

void LMMainWidget::slot_cut()
{
    if (auto *select = qobject_cast<LMScreenMsgHandlerClip *>(m_graphView->currentHandler()))
        select->slot_clip();
}

// ---------------------------------------------------------------- zoom

void LMMainWidget::zoomTo(int percent, const QPoint &anchor)
{
    QSpinBox *spin = ui->spin_size;
    percent = qBound(spin->minimum(), percent, spin->maximum());
    if (percent == spin->value())
        return;
    // The page point under the anchor stays under it.
    QAbstractScrollArea *area = ui->scroll_graph;
    const QPointF before = m_graphView->mapFrom(area->viewport(), anchor);
    const double ratio = percent / double(spin->value());
    spin->setValue(percent);
    const QPointF after = before * ratio;
    area->horizontalScrollBar()->setValue(qRound(after.x() - anchor.x()));
    area->verticalScrollBar()->setValue(qRound(after.y() - anchor.y()));
}

void LMMainWidget::slot_zoomIn()
{
    zoomTo(ui->spin_size->value() + ui->spin_size->singleStep(), viewCentre());
}

void LMMainWidget::slot_zoomOut()
{
    zoomTo(ui->spin_size->value() - ui->spin_size->singleStep(), viewCentre());
}

int LMMainWidget::fittingZoom() const
{
    const QSize view = ui->scroll_graph->viewport()->size();
    const QSize page = m_design->pageSize() + QSize(40, 50);
    const double fit =
        std::min(view.width() / double(page.width()), view.height() / double(page.height()));
    return int(fit * 100);
}

void LMMainWidget::slot_zoomToFit()
{
    zoomTo(fittingZoom(), viewCentre());
}

void LMMainWidget::slot_zoomWheel(int steps, const QPoint &canvasPos)
{
    const QPoint anchor = m_graphView->mapTo(ui->scroll_graph->viewport(), canvasPos);
    zoomTo(ui->spin_size->value() + steps * ui->spin_size->singleStep(), anchor);
}

QPoint LMMainWidget::viewCentre() const
{
    return ui->scroll_graph->viewport()->rect().center();
}

// ---------------------------------------------------------------- settings

void LMMainWidget::restoreSettings()
{
    QSettings stored = settings();
    m_lastFolder = stored.value(QStringLiteral("lastFolder")).toString();
    m_recentFiles = stored.value(QStringLiteral("recentFiles")).toStringList();
    setPrintOffset(QPointF(stored.value(QStringLiteral("print/offsetX")).toDouble(),
                           stored.value(QStringLiteral("print/offsetY")).toDouble()));
    if (!restoreGeometry(stored.value(QStringLiteral("geometry")).toByteArray()))
        fitToScreen();
    restoreMargins(stored);
    m_sheetPaperId = stored.value(QStringLiteral("print/sheet"), -1).toInt();
    if (LMPaperTable::lastRowWithId(m_sheetPaperId) < 0)
        m_sheetPaperId = -1;
    // The margins describe the printer, so they outlast designs and runs.
    connect(m_design, &LMDesign::marginsChanged, this, [this] {
        QSettings stored = settings();
        LMStoredMargins::write(stored, m_design->margins());
    });
}

void LMMainWidget::restoreMargins(const QSettings &stored)
{
    const std::optional<std::array<double, 4>> mm = LMStoredMargins::read(stored);
    if (!mm)
        return;
    m_design->setMargins((*mm)[1], (*mm)[0], (*mm)[3], (*mm)[2]);
}

void LMMainWidget::saveSettings() const
{
    QSettings stored = settings();
    stored.setValue(QStringLiteral("geometry"), saveGeometry());
    stored.setValue(QStringLiteral("language"), m_languageManager->language());
    stored.setValue(QStringLiteral("lastFolder"), m_lastFolder);
    stored.setValue(QStringLiteral("recentFiles"), m_recentFiles);
    stored.setValue(QStringLiteral("print/offsetX"), m_printOffset.x());
    stored.setValue(QStringLiteral("print/offsetY"), m_printOffset.y());
    stored.setValue(QStringLiteral("print/sheet"), m_sheetPaperId);
}

int LMMainWidget::rememberedLanguage() const
{
    return LMLanguageList::remembered();
}

void LMMainWidget::rememberLanguage() const
{
    settings().setValue(QStringLiteral("language"), m_languageManager->language());
}

void LMMainWidget::fitToScreen()
{
    // As tall as the screen allows, so the panels need no scrolling; as wide
    // as the page wants, but never wider than the screen and never smaller
    // than the window's designed size. The zoom then fits the whole page.
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1309, 512);
    const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const QSize page = m_graphView->size();
    const QSize wanted(page.width() + 390, available.height() - titleBar);
    const QSize size = wanted.expandedTo(QSize(1309, 512)).boundedTo(available.size());
    resize(size);
    move(available.center() - QPoint(size.width() / 2, size.height() / 2));
    m_fitPageOnShow = true;
}

void LMMainWidget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The first start's window is laid out by now: fit the page into it once.
    // Never larger than life: a page that fits at 100 % stays at 100 %.
    if (m_fitPageOnShow) {
        m_fitPageOnShow = false;
        if (fittingZoom() < ui->spin_size->value())
            slot_zoomToFit();
    }
}

// ---------------------------------------------------------------- recent files

void LMMainWidget::rememberFile(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_lastFolder = QFileInfo(absolute).absolutePath();
    if (!absolute.endsWith(QLatin1String(".lmx")))
        return;
    m_recentFiles.removeAll(absolute);
    m_recentFiles.prepend(absolute);
    while (m_recentFiles.size() > MaxRecentFiles)
        m_recentFiles.removeLast();
    saveSettings();
}

void LMMainWidget::showRecentFiles(const QPoint &at)
{
    if (m_recentFiles.isEmpty())
        return;
    QMenu menu(this);
    for (const QString &path : std::as_const(m_recentFiles)) {
        QAction *entry = menu.addAction(QFileInfo(path).fileName());
        entry->setToolTip(path);
        entry->setData(path);
    }
    QAction *chosen = menu.exec(ui->btn_open->mapToGlobal(at));
    // The menu took the pointer's leaving: without this the button stays lit.
    if (!ui->btn_open->rect().contains(ui->btn_open->mapFromGlobal(QCursor::pos()))) {
        ui->btn_open->setAttribute(Qt::WA_UnderMouse, false);
        ui->btn_open->update();
    }
    if (chosen)
        openRecentFile(chosen->data().toString());
}

void LMMainWidget::openRecentFile(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        m_recentFiles.removeAll(path);
        saveSettings();
        warn(58); // "File not found!"
        return;
    }
    openFile(path);
}
