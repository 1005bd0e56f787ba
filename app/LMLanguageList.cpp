#include "app/LMLanguageList.h"

#include "app/QVTLanguageManager.h"

#include <QSettings>

namespace LMLanguageList {

namespace {
struct Language {
    const char *name; // UTF-8
    QLocale::Language locale;
    const char *qt; // Qt's own translation
};

// In the order of the language indices. Qt has no Bokmål translation: its
// Nynorsk one reads far closer to a Bokmål reader than English does.
const Language languages[QVTLanguageManager::LanguageCount] = {
    {"English", QLocale::English, ""},         {"Deutsch", QLocale::German, "de"},
    {"Svenska", QLocale::Swedish, "sv"},       {"Français", QLocale::French, "fr"},
    {"Nederlands", QLocale::Dutch, "nl"},      {"Italiano", QLocale::Italian, "it"},
    {"Español", QLocale::Spanish, "es"},       {"Dansk", QLocale::Danish, "da"},
    {"Suomi", QLocale::Finnish, "fi"},         {"Norsk", QLocale::NorwegianBokmal, "nn"},
    {"Ελληνικά", QLocale::Greek, "el"},        {"Português", QLocale::Portuguese, "pt_BR"},
    {"Русский", QLocale::Russian, "ru"},       {"Polski", QLocale::Polish, "pl"},
    {"Magyar", QLocale::Hungarian, "hu"},      {"Čeština", QLocale::Czech, "cs"},
    {"Slovenščina", QLocale::Slovenian, "sl"}, {"Slovenčina", QLocale::Slovak, "sk"},
    {"Română", QLocale::Romanian, "ro"},       {"简体中文", QLocale::Chinese, "zh_CN"},
    {"한국어", QLocale::Korean, "ko"},         {"日本語", QLocale::Japanese, "ja"},
    {"العربية", QLocale::Arabic, "ar"},        {"Türkçe", QLocale::Turkish, "tr"},
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

int remembered()
{
    bool ok = false;
    const int language = QSettings(QStringLiteral("Lumetra"), QStringLiteral("Lumetra"))
                             .value(QStringLiteral("language"))
                             .toInt(&ok);
    return ok ? language : -1;
}

int startLanguage(const QLocale &system, int remembered)
{
    if (remembered >= 0 && remembered < QVTLanguageManager::LanguageCount)
        return remembered;
    const int own = forLocale(system);
    return own >= 0 ? own : 0;
}

QString qtTranslationName(int language)
{
    if (language < 0 || language >= QVTLanguageManager::LanguageCount)
        return QString();
    return QString::fromLatin1(languages[language].qt);
}

QLocale locale(int language)
{
    if (language < 0 || language >= QVTLanguageManager::LanguageCount)
        return QLocale(QLocale::English);
    const QString qt = qtTranslationName(language);
    // Brazil's Portuguese and simplified Chinese, as the tables are written.
    return qt.contains(QLatin1Char('_')) ? QLocale(qt) : QLocale(languages[language].locale);
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
