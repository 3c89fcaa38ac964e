#include "framework/qt/paintedicon.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>

namespace {

class PaintedIconEngine : public QIconEngine {
public:
    PaintedIconEngine(int designSize, IconArtwork normal, IconArtwork selected)
        : m_design(designSize), m_normal(std::move(normal)), m_selected(std::move(selected)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        if (mode == QIcon::Disabled) {
            // The style greys a finished pixmap; draw one at the device's resolution first.
            const qreal dpr = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
            QPixmap pm = Render(rect.size() * dpr, QIcon::Normal);
            QStyleOption opt;
            pm = QApplication::style()->generatedIconPixmap(QIcon::Disabled, pm, &opt);
            pm.setDevicePixelRatio(dpr);
            painter->drawPixmap(rect.topLeft(), pm);
            return;
        }
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        const qreal side = std::min(rect.width(), rect.height());
        painter->scale(side / m_design, side / m_design);
        const IconArtwork& art = (mode == QIcon::Selected && m_selected) ? m_selected : m_normal;
        art(*painter);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Render(size, mode, state);
    }

    QIconEngine* clone() const override {
        return new PaintedIconEngine(m_design, m_normal, m_selected);
    }

private:
    QPixmap Render(const QSize& size, QIcon::Mode mode, QIcon::State state = QIcon::Off) {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(&p, QRect(QPoint(0, 0), size), mode, state);
        return pm;
    }

    int m_design;
    IconArtwork m_normal;
    IconArtwork m_selected;
};

}  // namespace

QIcon PaintedIcon(int designSize, IconArtwork normal, IconArtwork selected) {
    return QIcon(new PaintedIconEngine(designSize, std::move(normal), std::move(selected)));
}
