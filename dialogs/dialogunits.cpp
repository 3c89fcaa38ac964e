#include "dialogs/dialogunits.h"

#include <QFontMetricsF>
#include <QWidget>
#include <cmath>

#include "framework/qt/programfont.h"

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetricsF fm(font);
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const double average = fm.horizontalAdvance(alphabet) / 52.0;
    if (average > 0) m_dx = average / 4.0;
    if (fm.height() > 0) m_dy = fm.height() / 8.0;
}

QRect DialogUnits::Rect(int x, int y, int w, int h) const {
    const int left = static_cast<int>(std::lround(x * m_dx));
    const int top = static_cast<int>(std::lround(y * m_dy));
    const int right = static_cast<int>(std::lround((x + w) * m_dx));
    const int bottom = static_cast<int>(std::lround((y + h) * m_dy));
    return QRect(left, top, right - left, bottom - top);
}

QSize DialogUnits::Size(int w, int h) const { return Rect(0, 0, w, h).size(); }

void DialogUnits::Place(QWidget* w, int x, int y, int width, int height) const {
    w->setGeometry(Rect(x, y, width, height));
}

void DialogUnits::Place(QWidget* w, const QRect& units) const {
    Place(w, units.x(), units.y(), units.width(), units.height());
}

QFont DialogFont(int pointSize) { return ProgramFont(pointSize); }
