#pragma once

#include <QList>
#include <QLocale>
#include <QString>

// The interface languages as the user meets them: their own names, the order
// of the language combo, the system language's table and the question mark.
namespace LMLanguageList {

// The language's name in that language ("Deutsch", "日本語"); empty outside 0..23.
QString nativeName(int language);

// The combo's order: English and Español first, then the others by index.
QList<int> comboOrder();

// The table for the locale's language, or -1 when there is none.
int forLocale(const QLocale &locale);

// The language the window was last left in, or -1 when none is remembered.
int remembered();

// The remembered language when it is one, else the system's, else English.
int startLanguage(const QLocale &system, int remembered);

// The name of Qt's own translation for that language ("de", "pt_BR"), or
// empty for English, which Qt speaks without one.
QString qtTranslationName(int language);

// The locale dates and numbers are written in for that language.
QLocale locale(int language);

// The mark that ends a question in that language.
QString questionMark(int language);

} // namespace LMLanguageList
