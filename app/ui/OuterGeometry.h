#pragma once
// Gives a top-level window an outer size (frame included) and centres it on its screen.
// A window manager frames the window only after it is shown, so the size is applied
// when the window is created and again once its frame is known.

#include <QObject>
#include <QSize>

class QWidget;

namespace vortalin {

class OuterGeometry : public QObject {
    Q_OBJECT
public:
    // Becomes a child of the window and watches it until its frame is known.
    OuterGeometry(QWidget& window, QSize outerSize);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Apply();

    QWidget& window_;
    QSize outerSize_;
    bool placed_ = false;
};

} // namespace vortalin
