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

LMArtFrameFactory::LMArtFrameFactory(QObject *parent) : QObject(parent)
{
    loadCatalogue();
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

LMArtFrameFactory::Config *LMArtFrameFactory::configOf(int groupIndex, int index) const
{
    ConfigGroup *g = group(groupIndex);
    return g ? g->configAt(index) : nullptr;
}

int LMArtFrameFactory::frameLevelCount(int groupIndex, int index)
{
    const Config *config = configOf(groupIndex, index);
    return config && !config->paths.isEmpty() ? int(config->paths.size()) - 1 : 0;
}

const QPainterPath *LMArtFrameFactory::outlineOf(int groupIndex, int index)
{
    const Config *config = configOf(groupIndex, index);
    return config ? config->outline() : nullptr;
}

LMOutlineShapes LMArtFrameFactory::shapesAt(int groupIndex, int index, int level)
{
    LMOutlineShapes shapes;
    const Config *config = configOf(groupIndex, index);
    if (config && config->outline()) {
        shapes.outline = *config->outline();
        config->buildFrame(&shapes.frame, level, &shapes.outer, &shapes.inner);
    }
    return shapes;
}

LMOutlineShapes LMArtFrameFactory::shapesOf(int groupIndex, int index, int level)
{
    const int widest = frameLevelCount(groupIndex, index);
    return shapesAt(groupIndex, index, std::min(level, widest));
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
