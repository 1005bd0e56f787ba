#include "app/LMLanguageList.h"

#include "app/QVTLanguageManager.h"

namespace LMLanguageList {

namespace {
struct Language {
    const char *name; // UTF-8
    QLocale::Language locale;
};

// In the order of the language indices.
const Language languages[QVTLanguageManager::LanguageCount] = {
    {"English", QLocale::English},       {"Deutsch", QLocale::German},
    {"Svenska", QLocale::Swedish},       {"Français", QLocale::French},
    {"Nederlands", QLocale::Dutch},      {"Italiano", QLocale::Italian},
    {"Español", QLocale::Spanish},       {"Dansk", QLocale::Danish},
    {"Suomi", QLocale::Finnish},         {"Norsk", QLocale::NorwegianBokmal},
    {"Ελληνικά", QLocale::Greek},        {"Português", QLocale::Portuguese},
    {"Русский", QLocale::Russian},       {"Polski", QLocale::Polish},
    {"Magyar", QLocale::Hungarian},      {"Čeština", QLocale::Czech},
    {"Slovenščina", QLocale::Slovenian}, {"Slovenčina", QLocale::Slovak},
    {"Română", QLocale::Romanian},       {"简体中文", QLocale::Chinese},
    {"한국어", QLocale::Korean},         {"日本語", QLocale::Japanese},
    {"العربية", QLocale::Arabic},        {"Türkçe", QLocale::Turkish},
};

constexpr int Spanish = 6;
constexpr int Greek = 10;
constexpr int Chinese = 19;
constexpr int Japanese = 21;
} // namespace

QString nativeName(int language)
{
    if (language < 0 || language >= QVTLanguageManager::LanguageCount)
        return QString();
    return QString::fromUtf8(languages[language].name);
}

QList<int> comboOrder()
{
    // The two the window always offered keep their places.
    QList<int> order{0, Spanish};
    for (int i = 1; i < QVTLanguageManager::LanguageCount; ++i) {
        if (i != Spanish)
            order << i;
    }
    return order;
}

int forLocale(const QLocale &locale)
{
    QLocale::Language wanted = locale.language();
    // Nynorsk readers read the Bokmål table sooner than the English one.
    if (wanted == QLocale::NorwegianNynorsk)
        wanted = QLocale::NorwegianBokmal;
    for (int i = 0; i < QVTLanguageManager::LanguageCount; ++i) {
        if (languages[i].locale == wanted)
            return i;
    }
    return -1;
}

int startLanguage(const QLocale &system, int remembered)
{
    if (remembered >= 0 && remembered < QVTLanguageManager::LanguageCount)
        return remembered;
    const int own = forLocale(system);
    return own >= 0 ? own : 0;
}

QString questionMark(int language)
{
    switch (language) {
    case QVTLanguageManager::RightToLeftLanguage:
        return QStringLiteral("\u061F"); // Arabic question mark
    case Greek:
        return QStringLiteral(";"); // Greek writes its question mark as a semicolon
    case Chinese:
    case Japanese:
        return QStringLiteral("\uFF1F"); // full width, as the rest of the sentence
    default:
        return QStringLiteral("?");
    }
}

} // namespace LMLanguageList
