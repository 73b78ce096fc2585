#pragma once
// The main window: inputs, selections, geometry sketches, the Compute button, result
// fields, progress bar, status bar and menu. It owns no calculation logic: its handlers
// hand over to the Calculator, which reaches the widgets through QtWindowServices.

#include "app/compute/Calculator.h"
#include "app/compute/ConversionError.h"
#include "app/ui/QtWindowServices.h"
#include "app/ui/ResultsCopy.h"

#include <QMainWindow>

#include <memory>
#include <optional>
#include <string>

class QLabel;

namespace Ui {
class TForm1;
}

class TForm2;

namespace vortalin {
class CaseFiles;
class ChartWindow;
class FieldStates;
class StaleResults;
class EquationPanel;
class SheetCommands;
} // namespace vortalin

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    // The range dialog, created after this window; the Compute command reads its fields.
    void AttachRangeDialog(TForm2& form2);
    // Loads a case file (path in UTF-8) as "Načítaj" does, with the same messages.
    void OpenCase(const std::string& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Closing the window during a sweep stops the sweep; the window closes when it ended.
    void closeEvent(QCloseEvent* event) override;

private slots:
    void Button1Click();
    void RadioButton1Enter();
    void RadioButton6Enter();
    void RadioButton7Enter();
    void RadioButton8Enter();
    void RadioButton9Enter();
    void RadioButton10Enter();
    void RadioButton11Enter();
    void RadioButton12Enter();
    void RadioButton13Enter();
    void RadioButton14Enter();
    void RadioButton18Enter();
    void Nastavenierozsahu1Click();
    void Ulodosboru1Click();
    void Nataj1Click();  // "Načítaj": loads a case file
    void Ulo1Click();    // "Ulož": saves the case to its file, asking a name the first time
    void Koniec1Click(); // "Koniec": ends the program as closing the main window does
    void Grafparametrickejtdie1Click();

private:
    void CreateStatusPanel();
    void CreateSaveDialog();
    void CreateCaseDialogs();
    void LoadSketches();
    void ConnectHandlers();
    void WatchGeometryButtonsFocus();
    void GeometryButtonEntered(vortalin::ButtonId button);
    void StudyStarts();
    void SweepCompleted();
    void RestoreFieldStates();
    void SetMinimumSizeToShowEveryControl();
    void ShowStudyMark();
    QString StudySubject() const;
    // Keeps what the Compute command left for "Tlačiť…" and the PDF export.
    void KeepRunForTheSheet(const std::optional<vortalin::ConversionError>& failure);

    std::unique_ptr<Ui::TForm1> ui_;
    std::unique_ptr<vortalin::QtWindowServices> services_;
    std::unique_ptr<vortalin::Calculator> calculator_;
    vortalin::CaseFiles* caseFiles_ = nullptr; // "Súbor": the case's file, title and question
    bool closeAfterCommand_ = false;
    vortalin::ChartWindow* chartWindow_ = nullptr;     // a child window: closing it only hides it
    vortalin::EquationPanel* equationPanel_ = nullptr; // a child: the equation and warnings
    vortalin::SheetCommands* sheetCommands_ = nullptr; // a child: the calculation sheet
    vortalin::FieldStates* fieldStates_ = nullptr;     // children of the window
    vortalin::StaleResults* staleResults_ = nullptr;
    vortalin::CopiedResults copiedResults_; // what "Kopírovať výsledky" copies
};
