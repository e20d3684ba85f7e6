// A text of the game as Qt shows it: UTF-8 bytes made a QString, in the player's language.
#pragma once

#include <QString>
#include <string_view>

#include "model/language.h"

namespace tolmark {

inline QString QtText(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline QString TranslatedText(std::string_view japanese) { return QtText(Translated(japanese)); }

}  // namespace tolmark
