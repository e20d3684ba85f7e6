// The font of the talk balloons and the width of a text in it.
#pragma once

#include <QFont>
#include <QStringList>

namespace tolmark {

// "ＭＳ Ｐゴシック" 8.25 pt when installed, else IPA P Gothic, else any Japanese gothic face,
// else any face that can write Japanese.
QFont BalloonFont();

// The family BalloonFont() picks among these installed families ("" keeps Qt's default).
QString PickBalloonFamily(const QStringList& installed, const QStringList& japanese);

}  // namespace tolmark
