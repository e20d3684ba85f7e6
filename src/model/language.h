// The language the game speaks. Japanese is the game as written: every text in the sources is
// Japanese and is also its own message id in the English catalogue (po/en.po), so that playing
// in Japanese never looks anything up and shows the sources' bytes.
//
// Whole texts (a line, a menu caption, a list header) are translated where the core hands them
// to the desktop (TranslatedDesktop). A text built from pieces is one pattern with named slots,
// "{name}を{price}カリムで売りたい", filled by Fill: the pattern is translated whole, so that each
// language orders the words its own way.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace tolmark {

enum class Language : std::uint8_t { Japanese, English };

// "ja" or "en"; none for anything else.
std::optional<Language> LanguageNamed(std::string_view name);

// The language the user's environment asks for, as gettext reads it: the first of LC_ALL,
// LC_MESSAGES and LANG that is set names the locale; under C or POSIX the game speaks Japanese
// (LANGUAGE is ignored there, as gettext ignores it); otherwise the first entry of LANGUAGE, or
// else the locale, decides: Japanese for "ja...", English for every other language, since
// English is the only other edition.
Language LanguageOfEnvironment();

// Switches the game's texts to that language. English reads the catalogue installed beside the
// program (share/locale under its prefix, or the build tree's); the locale's message category is
// set so that gettext consults it. Call it after a toolkit has set the locale from the
// environment (QApplication does). False when English was asked and no catalogue was found: the
// game then speaks Japanese.
bool UseLanguage(Language language);
Language CurrentLanguage();

// The text in the game's language; a text the catalogue lacks (a number, a name the player
// typed) comes back unchanged.
std::string_view Translated(std::string_view japanese);

// A pattern whose text depends on a count (a counter word, an English plural): "{n}本".
std::string_view TranslatedCount(std::string_view japanese, std::int64_t count);

// A slot of a pattern and what goes into it.
using Slot = std::pair<std::string_view, std::string_view>;

// The pattern in the game's language with every "{slot}" replaced by its value, each value
// translated in turn (a weapon's name becomes the English name; a number stays as it is).
std::string Fill(std::string_view pattern, std::initializer_list<Slot> slots);
// The same for a counted pattern: the count picks the pattern's form and fills "{n}".
std::string FillCount(std::string_view pattern, std::int64_t count,
                      std::initializer_list<Slot> slots = {});

}  // namespace tolmark
