#include "outlines/LMArtFrameFactory.h"

#include "app/LMMainWidget.h"
#include "canvas/LMGraphView.h"
#include "outlines/LMScreenMsgHandlerArtFrameSetting.h"

#include <QCoreApplication>
#include <QDebug>
#include <QMessageBox>
#include <QTimer>

#include <cmath>

const char *const LMArtFrameFactory::GroupIds[GroupCount] = {"LS", "HLS",   "CARD",
                                                             "XL", "OTHER", "POCKET"};

// ---------------------------------------------------------------- Config

const QPainterPath *LMArtFrameFactory::Config::outline() const
{
    return paths.isEmpty() ? nullptr : &paths.first();
}

void LMArtFrameFactory::Config::buildFrame(QPainterPath *frame, int level, QPainterPath *outer,
                                           QPainterPath *inner) const
{
    if (level < 0 || level >= paths.size())
        return;
    *frame = paths.first().subtracted(paths[level]).simplified();
    if (outer)
        *outer = paths.first();
    if (inner)
        *inner = paths[level];
}

// ---------------------------------------------------------------- ConfigGroup

bool LMArtFrameFactory::ConfigGroup::openCatalogueFile(const QString &fileName)
{
    file = std::make_unique<QFile>(fileName);
    if (!file->open(QIODevice::ReadOnly))
        return false;
    const std::optional<LMCatalogueFile::Header> header = LMCatalogueFile::readHeader(*file);
    if (!header)
        return true; // a damaged file is a group without outlines
    m_header = *header;
    maxWidth = header->maxWidth;
    maxHeight = header->maxHeight;
    configs.clear();
    configs.resize(size_t(header->count));
    return true;
}

LMArtFrameFactory::Config *LMArtFrameFactory::ConfigGroup::configAt(int index)
{
    if (index < 0 || index >= count())
        return nullptr;
    std::unique_ptr<Config> &config = configs[size_t(index)];
    if (!config && file && file->isOpen()) {
        config = std::make_unique<Config>();
        config->paths = LMCatalogueFile::readOutline(*file, m_header, index);
        ++m_reads;
        qDebug() << "Load Config" << file->fileName() << index << config->paths.size();
    }
    return config.get();
}

// ---------------------------------------------------------------- the catalogue

LMArtFrameFactory::LMArtFrameFactory(QObject *parent)
    : QObject(parent), Singleton<LMArtFrameFactory>(this)
{
    // Centred again once the page has its final size.
    QTimer::singleShot(200, this, &LMArtFrameFactory::slot_ToCenter);
    loadCatalogue();
    selectOutline(0, 0);
}

LMArtFrameFactory::~LMArtFrameFactory() = default;

void LMArtFrameFactory::loadCatalogue()
{
    m_groups.clear();
    for (const char *id : GroupIds) {
        auto group = std::make_unique<ConfigGroup>();
        const QString name = QStringLiteral(":/path/%1.path").arg(QLatin1String(id));
        if (!group->openCatalogueFile(name)) {
            QMessageBox::warning(nullptr, QStringLiteral("Lumetra"),
                                 QStringLiteral("Can not Open File %1").arg(name));
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                      Qt::QueuedConnection);
        }
        m_groups.push_back(std::move(group));
    }
}

LMArtFrameFactory::ConfigGroup *LMArtFrameFactory::group(int index) const
{
    return index >= 0 && index < groupCount() ? m_groups[size_t(index)].get() : nullptr;
}

LMArtFrameFactory::Config *LMArtFrameFactory::currentConfigObject() const
{
    ConfigGroup *g = group(m_currentGroup);
    return g ? g->configAt(m_currentConfig) : nullptr;
}

int LMArtFrameFactory::frameLevelCount() const
{
    const Config *config = currentConfigObject();
    return config && !config->paths.isEmpty() ? int(config->paths.size()) - 1 : 0;
}

const QPainterPath *LMArtFrameFactory::outlineOf(int groupIndex, int index)
{
    ConfigGroup *g = group(groupIndex);
    const Config *config = g ? g->configAt(index) : nullptr;
    return config ? config->outline() : nullptr;
}

void LMArtFrameFactory::rebuildShapes()
{
    ConfigGroup *g = group(m_currentGroup);
    if (!g || m_currentConfig < 0 || m_currentConfig >= g->count())
        return;
    LMGraphView *view = LMGraphView::instance();
    if (const Config *config = g->configAt(m_currentConfig); config && config->outline()) {
        m_outlinePath = *config->outline();
        m_framePath = m_frameOuterPath = m_frameInnerPath = QPainterPath();
        if (view)
            config->buildFrame(&m_framePath, view->flags().frameIndex(), &m_frameOuterPath,
                               &m_frameInnerPath);
    }
    if (view) {
        view->invalidateTransforms();
        view->checkPrintable();
    }
}

void LMArtFrameFactory::selectOutline(int groupIndex, int index)
{
    m_currentGroup = groupIndex;
    m_currentConfig = index;
    LMGraphView *view = LMGraphView::instance();
    // The widest level the new outline offers replaces a level it does not have.
    if (view && !view->flags().stripMode() && view->flags().frameIndex() > frameLevelCount())
        view->setFrameIndex(frameLevelCount());
    rebuildShapes();
    slot_ToCenter();
    if (view) {
        view->setFrameStage(0);
        view->update();
    }
    if (LMMainWidget *window = LMMainWidget::instance()) {
        window->setModified();
        if (auto *panel = window->findChild<LMScreenMsgHandlerArtFrameSetting *>())
            panel->markOutline(groupIndex, index);
    }
}

void LMArtFrameFactory::slot_ToCenter()
{
    LMGraphView *view = LMGraphView::instance();
    if (!view)
        return;
    const QRectF box = m_outlinePath.boundingRect();
    // Single precision and halves rounded up, as the page arithmetic expects.
    const float cx = float(box.x()) + 0.5f * float(box.width());
    const float cy = float(box.y()) + 0.5f * float(box.height());
    const int rx = int(std::floor(cx + 0.5f)), ry = int(std::floor(cy + 0.5f));
    const QRect page(0, 0, view->rasterImage().width(), view->rasterImage().height());
    view->setOutlineOffset(
        QPoint((page.left() + page.right()) / 2 - rx, (page.top() + page.bottom()) / 2 - ry));
    qDebug() << "LMArtFrameFactory::slot_ToCenter" << view->size();
}
