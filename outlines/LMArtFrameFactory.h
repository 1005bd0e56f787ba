#pragma once

#include "app/Singleton.h"
#include "outlines/LMCatalogueFile.h"

#include <QFile>
#include <QObject>
#include <QPainterPath>

#include <memory>
#include <vector>

// The catalogue of pouch outlines, grouped by pouch size, and the outline the
// document uses with the frame ring of the chosen frame level. Outlines are
// read from the catalogue files when first needed, and kept.
class LMArtFrameFactory : public QObject, public Singleton<LMArtFrameFactory> {
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

    void loadCatalogue();
    void selectOutline(int group, int index);
    void rebuildShapes();
    int frameLevelCount() const;
    const QPainterPath *outlineOf(int group, int index);

    const QPainterPath &outlinePath() const { return m_outlinePath; }
    const QPainterPath &framePath() const { return m_framePath; }
    const QPainterPath &frameOuterPath() const { return m_frameOuterPath; }
    const QPainterPath &frameInnerPath() const { return m_frameInnerPath; }
    int groupCount() const { return int(m_groups.size()); }
    ConfigGroup *group(int index) const;
    int currentGroup() const { return m_currentGroup; }
    int currentConfig() const { return m_currentConfig; }

public Q_SLOTS:
    // Centres the current outline on the page.
    void slot_ToCenter();

private:
    Config *currentConfigObject() const;

    std::vector<std::unique_ptr<ConfigGroup>> m_groups;
    int m_currentGroup = 0;
    int m_currentConfig = 0;
    QPainterPath m_outlinePath;
    QPainterPath m_framePath;
    QPainterPath m_frameOuterPath;
    QPainterPath m_frameInnerPath;
};
