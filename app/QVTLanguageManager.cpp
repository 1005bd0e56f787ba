#include "app/QVTLanguageManager.h"

#include "app/LMLanguageList.h"
#include "app/LMLanguageTable.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QLibraryInfo>
#include <QWidget>

namespace {
const char *const folders[QVTLanguageManager::LanguageCount] = {
    "enu", "deu", "sve", "fra", "nld", "ita", "esp", "dan", "fin", "nor", "ell", "ptb",
    "rus", "plk", "hun", "csy", "slv", "sky", "rom", "chs", "kor", "jpn", "ara", "tur"};
}

QVTLanguageManager::QVTLanguageManager(QObject *parent)
    : QObject(parent), Singleton<QVTLanguageManager>(this)
{
    LMTextSource::install(this);
    setLanguage(0);
}

QVTLanguageManager::~QVTLanguageManager()
{
    LMTextSource::uninstall(this);
}

QString QVTLanguageManager::folderOf(int index)
{
    if (index < 0 || index >= LanguageCount)
        return QString();
    return QString::fromLatin1(folders[index]);
}

void QVTLanguageManager::setLanguage(int index)
{
    if (unsigned(index) < unsigned(LanguageCount))
        m_language = qint8(index);
    m_lines.clear();
    m_flags &= ~Loaded;
    loadTable(folderOf(m_language));
    loadTranslations();
    broadcastLanguageChange();
    // After the broadcast: the widgets' own handling of the change must not
    // undo the direction.
    applyLayoutDirection();
}

void QVTLanguageManager::loadTranslations()
{
    QCoreApplication::removeTranslator(&m_translator);
    QCoreApplication::removeTranslator(&m_qtTranslator);
    // Qt's first: the translator installed last is asked first, so our own
    // words win where both translate the same text.
    const QString qt = LMLanguageList::qtTranslationName(m_language);
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // qt_XX gathers Qt's modules; where the system has only the base
    // module's file, that is enough for our dialogs.
    if (!qt.isEmpty() && (m_qtTranslator.load(QStringLiteral("qt_") + qt, qtFolder) ||
                          m_qtTranslator.load(QStringLiteral("qtbase_") + qt, qtFolder)))
        QCoreApplication::installTranslator(&m_qtTranslator);
    // English is the texts' own language; its file holds only the plural forms.
    if (m_translator.load(QStringLiteral(":/i18n/lumetra_%1.qm").arg(folderOf(m_language))))
        QCoreApplication::installTranslator(&m_translator);
}

const QString &QVTLanguageManager::text(int line)
{
    static const QString wrong = QStringLiteral("wrong lan");
    if (!(m_flags & Loaded))
        loadTable(folderOf(m_language));
    if (line >= 0 && line < m_lines.size())
        return m_lines.at(line);
    return wrong;
}

bool QVTLanguageManager::loadTable(const QString &folder)
{
    m_lines.clear();
    QFile file(LMLanguageTable::resourcePath(folder));
    if (!file.open(QIODevice::ReadOnly)) {
        m_flags &= ~Loaded;
        return false;
    }
    m_lines = LMLanguageTable::parse(file.readAll());
    m_flags |= Loaded;
    return true;
}

void QVTLanguageManager::broadcastLanguageChange()
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    // Each top-level widget passes the event on to all its children.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows) {
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(w, &change);
    }
}

void QVTLanguageManager::applyLayoutDirection()
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return;
    QGuiApplication::setLayoutDirection(m_language == RightToLeftLanguage ? Qt::RightToLeft
                                                                          : Qt::LeftToRight);
}
