#pragma once

#include <QString>

#include <optional>

// The user-interface language. Ten languages ship as translations; the operator picks one at
// run time, which swaps the one installed translator, and the choice is stored under
// "AppleLanguages" so the next start opens in the same language.
//
// Type numbers: 1 "en", 2 "ar", 3 "ja", 4 "de", 6 "ru", 7 "es", 8 "fr", 9 "pt-PT",
// 10 "zh-Hans", 11 "zh-Hant"; there is no 5, and any number outside the table means English.
namespace orvane::language {

// The code of a type number; 1 and every unknown number give "en".
QString lanStringFromType(int type);
// The type number of a code (exact match); any other text gives 1.
int lanTypeFromString(const QString &code);

// The first stored "AppleLanguages" entry (or, when none is stored, the system's first user-interface
// language) reduced to a known code by prefix, tested in the order zh-Hans, zh-Hant, ja, ar, de,
// ru, es, fr, pt-PT; "en" without a match.
QString currentLanguageString();
int currentLanguage();

// Installs the translation of the code as the application's only translator; none removes the
// explicit choice and the start-up language applies again. A code without a translation behaves
// as none. Arabic turns the layout right-to-left. Call on the GUI thread.
void setLanguage(const std::optional<QString> &code);
// Stores ["<code>"] under "AppleLanguages", then setLanguage with the type's code.
void setLanguageWithType(int type);

// At start: the stored choice, or the system's languages without one, select the translator.
void applyStartupLanguage();

// The code whose translation is installed now.
QString installedLanguage();

} // namespace orvane::language
