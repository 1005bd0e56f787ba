#pragma once

#include "model/LMOutlineShapes.h"
#include "model/outlines/LMCatalogueFile.h"

#include <QFile>
#include <QObject>
#include <QPainterPath>
#include <QSize>

#include <memory>
#include <vector>

// The catalogue of pouch outlines, grouped by pouch size. Outlines are read
// from the catalogue files when first needed, and kept. Which outline a
// design uses is the design's business.
class LMArtFrameFactory : public QObject {
    Q_OBJECT
public:
    static constexpr int GroupCount = 6;
    static const char *const GroupIds[GroupCount];

    // One outline: path 0 is the window, path k the inner contour of frame level k.
    class Config {
    public:
        virtual ~Config() = default;
        virtual const QPainterPath *outline() const;
        // The ring between the outline and the contour of `level`; nothing for a
        // level the outline does not have.
        virtual void buildFrame(QPainterPath *frame, int level, QPainterPath *outer,
                                QPainterPath *inner) const;
        QList<QPainterPath> paths;
    };

    // The outlines of one catalogue file, read one by one on first use.
    class ConfigGroup {
    public:
        bool openCatalogueFile(const QString &fileName);
        Config *configAt(int index);
        int count() const { return int(configs.size()); }
        int outlinesRead() const { return m_reads; }

        int maxHeight = 0;
        int maxWidth = 0;
        std::vector<std::unique_ptr<Config>> configs; // null until read
        std::unique_ptr<QFile> file;

    private:
        LMCatalogueFile::Header m_header;
        int m_reads = 0;
    };

    explicit LMArtFrameFactory(QObject *parent = nullptr);
    ~LMArtFrameFactory() override;

    // Opens the six catalogue files; false when one cannot be opened. The
    // owner decides what to tell the user.
    bool loadCatalogue();
    // The first catalogue file that could not be opened; empty when all were.
    const QString &failedFile() const { return m_failedFile; }
    // How many frame levels outline `index` of `group` offers.
    int frameLevelCount(int group, int index);
    const QPainterPath *outlineOf(int group, int index);
    // The paths of an outline at a frame level; empty when the outline does
    // not exist. A level the outline lacks gives no ring.
    LMOutlineShapes shapesAt(int group, int index, int level);
    // The same, but a level the outline lacks gives its widest ring, as files
    // are read: what every output draws.
    LMOutlineShapes shapesOf(int group, int index, int level);
    // Where the outline's origin goes so that `outline` sits in the middle of
    // a page of `page` pixels (halves rounded up, as the page arithmetic does).
    static QPoint centredOffset(const QPainterPath &outline, const QSize &page);

    int groupCount() const { return int(m_groups.size()); }
    ConfigGroup *group(int index) const;

private:
    Config *configOf(int group, int index) const;

    std::vector<std::unique_ptr<ConfigGroup>> m_groups;
    QString m_failedFile;
};
