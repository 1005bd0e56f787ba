#pragma once

#include "base/LMText.h"
#include "base/Singleton.h"

#include <QObject>
#include <QStringList>
#include <QTranslator>

// Owns the table of the current interface language, answers lookups by line
// number and tells every widget when the language changes.
class QVTLanguageManager : public QObject,
                           public LMTextSource,
                           public Singleton<QVTLanguageManager> {
    Q_OBJECT
public:
    static constexpr int LanguageCount = 24;
    static constexpr int RightToLeftLanguage = 22; // Arabic

    explicit QVTLanguageManager(QObject *parent = nullptr);
    ~QVTLanguageManager() override;

    // An index outside 0..23 keeps the current language; the table is
    // reloaded and the change broadcast either way.
    void setLanguage(int index);
    int language() const { return m_language; }

    // Line `line` of the table, or "wrong lan" when there is no such line.
    const QString &text(int line);
    QString textOf(int line) override { return text(line); }
    int languageIndex() const override { return m_language; }

    // Replaces the table by the one in `folder`; false when it cannot be read.
    bool loadTable(const QString &folder);
    bool isLoaded() const { return m_flags & Loaded; }

    static QString folderOf(int index);

private:
    enum : quint8 { Loaded = 1 };
    void broadcastLanguageChange();
    void applyLayoutDirection();

    void loadTranslations();

    // Texts beyond the table, from the language's compiled translation.
    QTranslator m_translator;
    // Qt's own dialogs and buttons, from the system's Qt translations.
    QTranslator m_qtTranslator;
    QStringList m_lines;
    qint8 m_language = 0;
    quint8 m_flags = 0;
};
