#pragma once

#include "model/LMOutlineShapes.h"
#include "model/outlines/LMCatalogueFile.h"

#include <QFile>
#include <QObject>
#include <QPainterPath>
#include <QSize>

#include <memory>
#include <vector>

// The catalogue of pouch outlines, grouped by pouch size, and the outline the
// document uses with the frame ring of the chosen frame level. Outlines are
// read from the catalogue files when first needed, and kept. A change of
// outline or ring is announced; the canvas and the panels listen.
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
    void selectOutline(int group, int index);
    // The ring follows this frame level (the document's frameIndex).
    void setFrameLevel(int level);
    int frameLevel() const { return m_frameLevel; }
    void rebuildShapes();
    int frameLevelCount() const;
    const QPainterPath *outlineOf(int group, int index);
    // The paths of any outline at any frame level, for output of a document
    // that is not the one on screen; empty when the outline does not exist.
    LMOutlineShapes shapesOf(int group, int index, int level);
    LMOutlineShapes currentShapes() const;
    // Where the outline's origin goes so that `outline` sits in the middle of
    // a page of `page` pixels (halves rounded up, as the page arithmetic does).
    static QPoint centredOffset(const QPainterPath &outline, const QSize &page);

    const QPainterPath &outlinePath() const { return m_outlinePath; }
    const QPainterPath &framePath() const { return m_framePath; }
    const QPainterPath &frameOuterPath() const { return m_frameOuterPath; }
    const QPainterPath &frameInnerPath() const { return m_frameInnerPath; }
    int groupCount() const { return int(m_groups.size()); }
    ConfigGroup *group(int index) const;
    int currentGroup() const { return m_currentGroup; }
    int currentConfig() const { return m_currentConfig; }

Q_SIGNALS:
    // Another outline was chosen; the paths already show it.
    void signal_outlineChanged(int group, int index);
    // The outline or its frame ring was rebuilt.
    void signal_shapesChanged();

private:
    Config *currentConfigObject() const;

    std::vector<std::unique_ptr<ConfigGroup>> m_groups;
    int m_currentGroup = 0;
    int m_currentConfig = 0;
    int m_frameLevel = 0;
    QString m_failedFile;
    QPainterPath m_outlinePath;
    QPainterPath m_framePath;
    QPainterPath m_frameOuterPath;
    QPainterPath m_frameInnerPath;
};
