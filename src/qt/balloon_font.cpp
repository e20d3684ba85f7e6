// Font choice kept apart from painting so the preference order can be checked on its own.
#include "qt/balloon_font.h"

#include <QFontDatabase>

namespace tolmark {

QString PickBalloonFamily(Language language, const QStringList& installed,
                          const QStringList& japanese) {
  if (language == Language::English) {
    // Any sans face writes the English texts, "…" and "♪" included; these are sure to.
    for (const char* wanted : {"DejaVu Sans", "Noto Sans", "Liberation Sans"}) {
      const QString name = QString::fromUtf8(wanted);
      if (installed.contains(name, Qt::CaseInsensitive)) return name;
    }
    return {};
  }
  for (const char* wanted : {"ＭＳ Ｐゴシック", "MS PGothic", "IPAPGothic", "IPA Pゴシック"}) {
    const QString name = QString::fromUtf8(wanted);
    if (installed.contains(name, Qt::CaseInsensitive)) return name;
  }
  for (const QString& family : japanese) {
    if (family.contains(QStringLiteral("Gothic"), Qt::CaseInsensitive) ||
        family.contains(QString::fromUtf8("ゴシック"))) {
      return family;
    }
  }
  return japanese.isEmpty() ? QString() : japanese.front();
}

QFont BalloonFont() {
  static const QFont font = [] {
    const QString family = PickBalloonFamily(CurrentLanguage(), QFontDatabase::families(),
                                             QFontDatabase::families(QFontDatabase::Japanese));
    QFont f = family.isEmpty() ? QFont() : QFont(family);
    f.setPointSizeF(8.25);
    return f;
  }();
  return font;
}

}  // namespace tolmark
