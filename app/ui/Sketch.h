#pragma once
// A geometry sketch of the main window: a picture rendered from its drawing at build time,
// at the window's size and at twice that, painted in the density of the screen it is on.

#include <QIcon>
#include <QString>
#include <QWidget>

namespace vortalin {

class Sketch : public QWidget {
    Q_OBJECT
public:
    explicit Sketch(QWidget* parent = nullptr);

    // The picture ":/sketches/<name>.png" with its twin of double density "<name>@2x.png".
    void Load(const QString& name);
    const QIcon& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QIcon picture_;
};

} // namespace vortalin
