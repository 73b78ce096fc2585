#pragma once
// The range dialog "Nastavenie rozsahu": which input the parameter sweep steps and over
// which range. It has no handlers of its own; the Compute command only reads its fields.
// It is modeless, and closing it only hides it, so it keeps its values.

#include <QDialog>

#include <memory>

namespace Ui {
class TForm2;
}

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
    ~TForm2() override;

    TForm2(const TForm2&) = delete;
    TForm2& operator=(const TForm2&) = delete;

private:
    std::unique_ptr<Ui::TForm2> ui_;
};
