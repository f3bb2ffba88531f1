// The player's language for the texts the windows show. The engine asks for a text by its
// context and English source text; until the program installs a translator (at start-up, from
// the environment's language) every text comes back as it stands, so the English texts are the
// source texts byte for byte.
#pragma once

#include <string>
#include <vector>

// Marks a text that is kept in a table for the translation tools; the table's user translates it
// where it is shown, with translateStored().
#define QUILTRA_TRANSLATABLE(context, text) text

namespace quiltra {

using Translator = std::string (*)(const char* context, const char* source);

// Installs the function that gives a text in the player's language (nullptr: English again).
void installTranslator(Translator translator);

// A literal text in the player's language. The translation tools find every call by its name.
std::string translate(const char* context, const char* source);

// A text held elsewhere (a table marked with QUILTRA_TRANSLATABLE) in the player's language.
std::string translateStored(const char* context, const std::string& source);

// The player's languages, most preferred first, from the environment as gettext reads it: the
// first set of LC_ALL, LC_MESSAGES and LANG names the locale; LANGUAGE (colon-separated) comes
// before it unless that locale is C or POSIX, which always means the English texts (empty list).
std::vector<std::string> preferredLanguages(const char* language, const char* lcAll,
                                            const char* lcMessages, const char* lang);

} // namespace quiltra
