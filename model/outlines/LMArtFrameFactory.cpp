#include "model/outlines/LMArtFrameFactory.h"

#include "base/LMLogging.h"

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
        qCDebug(lcOutlines) << "Load Config" << file->fileName() << index << config->paths.size();
    }
    return config.get();
}

// ---------------------------------------------------------------- the catalogue

LMArtFrameFactory::LMArtFrameFactory(QObject *parent)
    : QObject(parent)
{
    loadCatalogue();
    selectOutline(0, 0);
}

LMArtFrameFactory::~LMArtFrameFactory() = default;

bool LMArtFrameFactory::loadCatalogue()
{
    m_groups.clear();
    m_failedFile.clear();
    for (const char *id : GroupIds) {
        auto group = std::make_unique<ConfigGroup>();
        const QString name = QStringLiteral(":/path/%1.path").arg(QLatin1String(id));
        if (!group->openCatalogueFile(name) && m_failedFile.isEmpty())
            m_failedFile = name;
        m_groups.push_back(std::move(group));
    }
    return m_failedFile.isEmpty();
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

LMOutlineShapes LMArtFrameFactory::shapesOf(int groupIndex, int index, int level)
{
    LMOutlineShapes shapes;
    ConfigGroup *g = group(groupIndex);
    const Config *config = g ? g->configAt(index) : nullptr;
    if (config && config->outline()) {
        shapes.outline = *config->outline();
        // A level the outline does not have gives its widest, as on opening.
        const int widest = int(config->paths.size()) - 1;
        config->buildFrame(&shapes.frame, std::min(level, widest), &shapes.outer, nullptr);
    }
    return shapes;
}

LMOutlineShapes LMArtFrameFactory::currentShapes() const
{
    return {m_outlinePath, m_framePath, m_frameOuterPath};
}

void LMArtFrameFactory::setFrameLevel(int level)
{
    m_frameLevel = level;
    rebuildShapes();
}

void LMArtFrameFactory::rebuildShapes()
{
    ConfigGroup *g = group(m_currentGroup);
    if (!g || m_currentConfig < 0 || m_currentConfig >= g->count())
        return;
    if (const Config *config = g->configAt(m_currentConfig); config && config->outline()) {
        m_outlinePath = *config->outline();
        m_framePath = m_frameOuterPath = m_frameInnerPath = QPainterPath();
        config->buildFrame(&m_framePath, m_frameLevel, &m_frameOuterPath, &m_frameInnerPath);
    }
    Q_EMIT signal_shapesChanged();
}

void LMArtFrameFactory::selectOutline(int groupIndex, int index)
{
    m_currentGroup = groupIndex;
    m_currentConfig = index;
    rebuildShapes();
    Q_EMIT signal_outlineChanged(groupIndex, index);
}

QPoint LMArtFrameFactory::centredOffset(const QPainterPath &outline, const QSize &page)
{
    const QRectF box = outline.boundingRect();
    // Single precision and halves rounded up, as the page arithmetic expects.
    const float cx = float(box.x()) + 0.5f * float(box.width());
    const float cy = float(box.y()) + 0.5f * float(box.height());
    const int rx = int(std::floor(cx + 0.5f)), ry = int(std::floor(cy + 0.5f));
    const QRect rect(QPoint(0, 0), page);
    return QPoint((rect.left() + rect.right()) / 2 - rx, (rect.top() + rect.bottom()) / 2 - ry);
}
