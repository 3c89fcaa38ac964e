#pragma once

#include <QFont>
#include <QRect>

class QWidget;

// Dialog templates give positions in dialog units: a quarter of the font's average character
// width across, an eighth of its height down. Placing the controls through these units keeps
// each dialog's proportions whatever font the system substitutes.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    QRect Rect(int x, int y, int w, int h) const;
    QSize Size(int w, int h) const;
    // Puts the widget at the template position.
    void Place(QWidget* w, int x, int y, int width, int height) const;
    void Place(QWidget* w, const QRect& units) const;

private:
    double m_dx = 1.0;
    double m_dy = 1.0;
};

// The dialogs' font: the program's font at the given point size.
QFont DialogFont(int pointSize = 11);
