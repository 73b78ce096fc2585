#include "app/ui/Sketch.h"

#include <QPainter>
#include <QPixmap>

namespace vortalin {

Sketch::Sketch(QWidget* parent) : QWidget(parent) {}

void Sketch::Load(const QString& name) {
    // Both densities whatever the screen: the window may move to another one.
    picture_ = QIcon();
    picture_.addFile(QStringLiteral(":/sketches/%1.png").arg(name));
    picture_.addFile(QStringLiteral(":/sketches/%1@2x.png").arg(name));
    update();
}

void Sketch::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawPixmap(QPoint(0, 0), picture_.pixmap(size(), devicePixelRatioF()));
}

} // namespace vortalin
