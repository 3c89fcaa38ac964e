#include "framework/qt/programfont.h"

QFont ProgramFont(int pointSize) {
    const QString face = QStringLiteral("ＭＳ Ｐゴシック");
    QFont font(face);
    font.setFamilies(QStringList{face, QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
    if (pointSize > 0) font.setPointSize(pointSize);
    return font;
}
