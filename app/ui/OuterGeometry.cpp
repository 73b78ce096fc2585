#include "OuterGeometry.h"

#include <QEvent>
#include <QGuiApplication>
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
    const QSize frame = window_.frameGeometry().size() - window_.geometry().size();
    const QSize inner = outerSize_ - frame;
    if (placed_ && window_.size() == inner) {
        return; // already right; a window the user has moved stays where it is
    }
    window_.resize(inner);
    const QScreen* screen = window_.screen() ? window_.screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        const QRect desktop = screen->availableGeometry();
        window_.move(desktop.x() + (desktop.width() - outerSize_.width()) / 2,
                     desktop.y() + (desktop.height() - outerSize_.height()) / 2);
    }
    placed_ = true;
    if (frame != QSize(0, 0)) {
        window_.removeEventFilter(this); // the frame is known: nothing changes any more
    }
}

} // namespace vortalin
