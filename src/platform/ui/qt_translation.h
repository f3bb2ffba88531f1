// Loads the player's language, as Qt programs find it (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), from
// the program folder's translations and hands it to the engine's texts. English needs no file:
// the C and English locales keep the source texts.
#pragma once

#include <QString>

namespace quiltra {

// The folder holding quiltra_<language>.qm below the program folder.
QString translationsFolder(const QString& programFolder);

// Installs the translation that best matches `languages` (most preferred first, as
// QLocale::uiLanguages() gives them) for the program's own texts and Qt's standard dialogs.
// Returns the language loaded, or an empty text when the English texts stay.
QString loadPlayerLanguage(const QString& programFolder, const QStringList& languages);

// Removes what loadPlayerLanguage installed: English again.
void unloadPlayerLanguage();

} // namespace quiltra
