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

// The remembered language when it is one, else the system's, else English.
int startLanguage(const QLocale &system, int remembered);

// The mark that ends a question in that language.
QString questionMark(int language);

} // namespace LMLanguageList
