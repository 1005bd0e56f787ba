#pragma once

#include <QString>

// Where the interface's texts come from: the language manager registers
// itself here, so every room can look a line up without reaching into app/.
class LMTextSource {
public:
    virtual ~LMTextSource() = default;
    // Line `line` of the current language's table.
    virtual QString textOf(int line) = 0;
    // The index of the current language (0 English, 6 Spanish, ...).
    virtual int languageIndex() const = 0;

    static void install(LMTextSource *source);
    // Only the installed source removes itself.
    static void uninstall(LMTextSource *source);
    static LMTextSource *current();
};

// Line `line` of the current language's table: the one lookup every window,
// panel and dialog uses. Empty while no language source exists.
QString lmText(int line);
