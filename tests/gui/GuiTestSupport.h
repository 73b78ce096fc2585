#pragma once
// Helpers of the window tests: the program's windows as start-up creates them, widgets by
// name, typing like a user, and a watcher that answers modal dialogs and records every
// message box.

#include "app/ui/MainForms.h"

#include <QAbstractButton>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QList>
#include <QMessageBox>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <functional>
#include <memory>
#include <string_view>

namespace vortalin::test {

// The result fields in their order on screen.
inline const QStringList kResultFields = {"Edit6",  "Edit7",  "Edit9",  "Edit10",
                                          "Edit11", "Edit12", "Edit13", "Edit14",
                                          "Edit15", "Edit18", "Edit16", "Edit17"};

// A widget by class and objectName; fails the test (returns nullptr) when missing.
template <class Widget> Widget* Find(const QObject& form, const QString& name) {
    auto* widget = form.findChild<Widget*>(name);
    if (widget == nullptr) {
        QTest::qFail(qPrintable("missing control " + name), __FILE__, __LINE__);
    }
    return widget;
}

// A name of the core (UTF-8: a control name, an option name) as a QString.
inline QString Name(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

// Replaces the field's text by typing, as a user does: select all, then the characters.
// Non-ASCII characters are sent one by one (QTest::keyClicks takes ASCII only).
void TypeInto(QLineEdit& edit, const QString& text);

// Answers a file dialog with a name and Enter; the whole name goes in at once, without the
// completer (PutFileName).
void EnterFileName(QFileDialog& dialog, const QString& name);

// Clicks a button where its indicator or caption begins: a radio button takes clicks only
// on its indicator and caption, not on the empty rest of its place.
void Click(QAbstractButton& button);

// Opens the menu of the main window and clicks the item, as a user does.
void ChooseMenuItem(QWidget& mainWindow, const QString& menuName, const QString& actionName);

// The windows of the program, shown and active, created anew for each test.
struct Windows {
    Windows();
    std::unique_ptr<MainForms> forms;
    TForm1& form1;
    TForm2& form2;
};

// The windows of one test function and a fresh folder of its own, removed after them.
struct WindowsInFolder {
    QTemporaryDir dir;
    std::unique_ptr<Windows> windows = std::make_unique<Windows>(); // replaced to restart
};

// Answers modal dialogs while a command runs: message boxes are recorded and closed with
// their OK button, a question (a box with more buttons) with the answer set for it; any
// other modal dialog is handed to the dialog handler (by default it is cancelled with
// Escape).
class ModalWatcher : public QObject {
    Q_OBJECT
public:
    struct Box {
        QString title;
        QString text;
        QMessageBox::Icon icon;
    };
    using DialogHandler = std::function<void(QDialog&)>;

    explicit ModalWatcher(DialogHandler onDialog = {});

    const QList<Box>& Boxes() const { return boxes_; }
    QStringList Texts() const;
    int DialogsSeen() const { return dialogsSeen_; }
    void SetDialogHandler(DialogHandler onDialog) { onDialog_ = std::move(onDialog); }
    // The button a question is answered with; without one, a question fails the test.
    void SetAnswer(QMessageBox::StandardButton answer) { answer_ = answer; }

private:
    void Answer();
    void CloseAfterFailure();

    QTimer timer_;
    DialogHandler onDialog_;
    QList<Box> boxes_;
    QMessageBox::StandardButton answer_ = QMessageBox::NoButton;
    int dialogsSeen_ = 0;
    bool answering_ = false;
};

// Everything a user can see change in the two windows, to compare before and after.
QStringList WindowSnapshot(const QWidget& form1, const QWidget& form2);

// On Windows what the window keeps is in the registry, which no home of the test's own
// separates (the tests run in a throwaway Wine prefix, one after the other): each test
// starts from none, as it does on Linux from a home of its own.
void StartWithoutKeptSettings();

} // namespace vortalin::test

// main() of a window test: the program's own application object runs the tests, so that
// its general error handler is in place as in the program.
#define VORTALIN_GUI_TEST_MAIN(TestClass)                                                          \
    int main(int argc, char* argv[]) {                                                             \
        QStandardPaths::setTestModeEnabled(true); /* settings under ~/.qttest, not the user's */   \
        vortalin::test::StartWithoutKeptSettings();                                                \
        vortalin::VortalinApplication application(argc, argv);                                     \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
