// The game's language through GNU gettext: the catalogue "tolmark2", looked up only when the
// game speaks English.
#include "model/language.h"

#include <libintl.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace tolmark {
namespace {

constexpr const char* kDomain = "tolmark2";

Language current = Language::Japanese;

std::string_view Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string_view(value) : std::string_view();
}

bool IsJapanese(std::string_view name) { return name.starts_with("ja"); }

// The folder holding <lang>/LC_MESSAGES/tolmark2.mo: share/locale under the program's prefix
// (/usr/games/tolmark2 finds /usr/share/locale) or under a folder above it (the build tree
// keeps its catalogue in share/locale at its top, above every program it builds).
std::filesystem::path CatalogueFolder() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  std::filesystem::path folder = program.parent_path();
  for (int up = 0; up < 6 && !folder.empty(); ++up, folder = folder.parent_path()) {
    const std::filesystem::path candidate = folder / "share/locale";
    if (std::filesystem::exists(candidate / "en/LC_MESSAGES/tolmark2.mo", error)) return candidate;
    if (folder == folder.root_path()) break;
  }
  return {};
}

// gettext's answer, or none when the catalogue lacks the text (it then hands back its own
// argument, a copy made here only to end it with a NUL).
std::string_view Looked(const std::string& id, const char* answer) {
  if (answer == id.c_str()) return {};
  return answer;
}

}  // namespace

std::optional<Language> LanguageNamed(std::string_view name) {
  if (name == "ja") return Language::Japanese;
  if (name == "en") return Language::English;
  return std::nullopt;
}

Language LanguageOfEnvironment() {
  std::string_view locale;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    locale = Environment(name);
    if (!locale.empty()) break;
  }
  if (locale.empty() || locale == "C" || locale == "POSIX" || locale.starts_with("C.")) {
    return Language::Japanese;
  }
  std::string_view wanted = Environment("LANGUAGE");
  wanted = wanted.substr(0, wanted.find(':'));
  if (wanted.empty()) wanted = locale;
  return IsJapanese(wanted) ? Language::Japanese : Language::English;
}

bool UseLanguage(Language language) {
  current = Language::Japanese;
  if (language == Language::Japanese) return true;
  const std::filesystem::path folder = CatalogueFolder();
  if (folder.empty()) return false;
  bindtextdomain(kDomain, folder.c_str());
  bind_textdomain_codeset(kDomain, "UTF-8");
  // gettext reads no catalogue under the C locale, and the user's own locale may not be
  // installed: the C library's built-in UTF-8 locale serves the message category then, and
  // LANGUAGE names the catalogue whatever the locale is called.
  const char* messages = std::setlocale(LC_MESSAGES, nullptr);
  if (messages == nullptr || std::string_view(messages) == "C" ||
      std::string_view(messages) == "POSIX") {
    if (std::setlocale(LC_MESSAGES, "C.UTF-8") == nullptr) return false;
  }
  setenv("LANGUAGE", "en", 1);
  textdomain(kDomain);  // also drops what gettext remembered of earlier lookups
  current = Language::English;
  return true;
}

Language CurrentLanguage() { return current; }

std::string_view Translated(std::string_view japanese) {
  if (current == Language::Japanese || japanese.empty()) return japanese;
  const std::string id(japanese);
  const std::string_view english = Looked(id, dgettext(kDomain, id.c_str()));
  return english.empty() ? japanese : english;
}

std::string_view TranslatedCount(std::string_view japanese, std::int64_t count) {
  if (current == Language::Japanese || japanese.empty()) return japanese;
  const std::string id(japanese);
  const auto n = static_cast<unsigned long>(count < 0 ? -count : count);
  const std::string_view english = Looked(id, dngettext(kDomain, id.c_str(), id.c_str(), n));
  return english.empty() ? japanese : english;
}

namespace {

std::string Filled(std::string_view pattern, std::initializer_list<Slot> slots,
                   std::string_view count) {
  std::string text;
  text.reserve(pattern.size() + 16);
  std::size_t at = 0;
  while (at < pattern.size()) {
    const std::size_t open = pattern.find('{', at);
    const std::size_t close = open == std::string_view::npos ? open : pattern.find('}', open);
    if (close == std::string_view::npos) break;
    text.append(pattern.substr(at, open - at));
    const std::string_view name = pattern.substr(open + 1, close - open - 1);
    std::optional<std::string_view> value;
    if (name == "n" && !count.empty()) value = count;
    for (const auto& [slot, filling] : slots) {
      if (slot == name) value = Translated(filling);
    }
    text.append(value ? *value : pattern.substr(open, close - open + 1));
    at = close + 1;
  }
  text.append(pattern.substr(at));
  return text;
}

}  // namespace

std::string Fill(std::string_view pattern, std::initializer_list<Slot> slots) {
  return Filled(Translated(pattern), slots, {});
}

std::string FillCount(std::string_view pattern, std::int64_t count,
                      std::initializer_list<Slot> slots) {
  const std::string number = std::to_string(count);
  return Filled(TranslatedCount(pattern, count), slots, number);
}

}  // namespace tolmark
