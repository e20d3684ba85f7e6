// Pixel art wants whole scale factors: at 1.5 a picture pixel would smear over one and a half
// screen pixels, and a figure measured in one factor would stand on a floor measured in another.
#pragma once

#include <QByteArray>

namespace tolmark {

// The nearest whole factor, at least 1 (ties round up; anything unreadable counts as 1).
int WholeScaleFactor(double factor);

// A list of screen factors as Qt reads them ("1.5", "1.25;2", "HDMI-1=1.5;DP-1=1") with every
// factor made whole; an entry that is not a number is left as it stands.
QByteArray WholeScaleFactors(const QByteArray& factors);

// Makes the game's scale exactly the factor the player chose, instead of the desktop's (before
// the application object exists).
void UseScaleFactor(int factor);

// Makes the factors given by the user (QT_SCALE_FACTOR, QT_SCREEN_SCALE_FACTORS) and by the
// screens whole, before the application object exists.
void UseWholeScaleFactors();

}  // namespace tolmark
