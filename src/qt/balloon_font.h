// The font of the talk balloons and the width of a text in it.
#pragma once

#include <QFont>
#include <QStringList>

#include "model/language.h"

namespace tolmark {

// In Japanese "ＭＳ Ｐゴシック" 8.25 pt when installed, else IPA P Gothic, else any Japanese gothic
// face, else any face that can write Japanese; in English DejaVu Sans 8.25 pt, or a sans face
// like it. The language is the game's when the font is first asked for.
QFont BalloonFont();

// The family BalloonFont() picks for that language among these installed families ("" keeps
// Qt's default).
QString PickBalloonFamily(Language language, const QStringList& installed,
                          const QStringList& japanese);

}  // namespace tolmark
