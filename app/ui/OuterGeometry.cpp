#include "app/ui/OuterGeometry.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace vortalin {

OuterGeometry::OuterGeometry(QWidget& window, QSize outerSize)
    : QObject(&window), window_(window), outerSize_(outerSize) {
    Apply();
    window.installEventFilter(this);
}

bool OuterGeometry::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ &&
        (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate)) {
        Apply();
    }
    return QObject::eventFilter(watched, event);
}

void OuterGeometry::Apply() {
    const QRect client = window_.geometry();
    const QRect outer = window_.frameGeometry();
    const QSize frame = outer.size() - client.size();
    const bool frameKnown = frame != QSize(0, 0);
    const QSize inner = outerSize_ - frame;
    if (placed_ && !frameKnown && client.size() == inner) {
        return; // nothing new since the window was placed
    }
    QPoint corner = outer.topLeft();
    if (const QScreen* screen = window_.screen()) {
        const QRect desktop = screen->availableGeometry();
        corner = QPoint(desktop.x() + (desktop.width() - outerSize_.width()) / 2,
                        desktop.y() + (desktop.height() - outerSize_.height()) / 2);
    }
    // The client area sits inside the frame by the frame's left and top widths.
    window_.setGeometry(QRect(corner + (client.topLeft() - outer.topLeft()), inner));
    placed_ = true;
    if (frameKnown) {
        window_.removeEventFilter(this); // placed with its frame: the user may move it now
    }
}

} // namespace vortalin
