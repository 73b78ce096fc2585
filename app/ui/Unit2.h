#pragma once
// The range dialog "Nastavenie rozsahu": which input the parameter sweep steps and over
// which range. The Compute command only reads its fields. It is modeless, and closing it
// only hides it, so it keeps its values. Beside "Od :" and "Do :" stands the unit of the
// swept variable; OK (Enter) closes it as it is, Zrušiť (Esc) puts back the values it was
// opened with.

#include <QDialog>
#include <QStringList>

#include <memory>

class QAbstractButton;

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

    // Esc and Zrušiť: the values the dialog was opened with come back, then it hides.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    // Closing the window only hides it and keeps its values.
    void closeEvent(QCloseEvent* event) override;

private:
    void AddUnitLabels();
    void AddButtons();
    void ShowUnit();
    void RestoreOpenedValues();

    std::unique_ptr<Ui::TForm2> ui_;
    // The texts of Od, Do and Počet krokov and the swept variable's button when opened.
    QStringList openedTexts_;
    QAbstractButton* openedVariable_ = nullptr;
};
