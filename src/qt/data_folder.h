// The folder where the game keeps its save file and clear report: the current folder unless the
// player names another, which is created when missing and must take new files.
#pragma once

#include <QString>

namespace tolmark {

// Makes the folder the current one, creating it first. Returns what went wrong, for the player
// to read, or an empty text when the game can keep its files there.
QString UseDataFolder(const QString& folder);

}  // namespace tolmark
