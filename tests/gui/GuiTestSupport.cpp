#include "tests/gui/GuiTestSupport.h"

#include "app/ui/FileNameField.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSettings>

namespace vortalin::test {

namespace {

constexpr int kAnswerIntervalMs = 10;

} // namespace

void EnterFileName(QFileDialog& dialog, const QString& name) {
    QLineEdit* edit = PutFileName(dialog, name);
    QVERIFY(edit != nullptr);
    QTest::keyClick(edit, Qt::Key_Return);
}

void TypeInto(QLineEdit& edit, const QString& text) {
    edit.setFocus();
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_Backspace);
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80) {
            QTest::keyClicks(&edit, QString(ch));
        } else {
            QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
    }
}

void Click(QAbstractButton& button) {
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(8, button.height() / 2));
}

void ChooseMenuItem(QWidget& mainWindow, const QString& menuName, const QString& actionName) {
    auto* menu = Find<QMenu>(mainWindow, menuName);
    auto* action = Find<QAction>(mainWindow, actionName);
    auto* bar = static_cast<QMainWindow&>(mainWindow).menuBar();
    if (menu == nullptr || action == nullptr) {
        return;
    }
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
}

Windows::Windows()
    : forms(std::make_unique<MainForms>()), form1(forms->Form1()), form2(forms->Form2()) {
    form1.activateWindow();
    if (!QTest::qWaitForWindowActive(&form1)) {
        QTest::qFail("the main window did not become active", __FILE__, __LINE__);
    }
}

ModalWatcher::ModalWatcher(DialogHandler onDialog) : onDialog_(std::move(onDialog)) {
    connect(&timer_, &QTimer::timeout, this, [this] {
        Answer();
        CloseAfterFailure();
    });
    timer_.start(kAnswerIntervalMs);
}

QStringList ModalWatcher::Texts() const {
    QStringList texts;
    for (const Box& box : boxes_) {
        texts << box.text;
    }
    return texts;
}

void ModalWatcher::Answer() {
    QWidget* modal = QApplication::activeModalWidget();
    if (answering_ || modal == nullptr || !modal->isVisible()) {
        return; // typing into a dialog runs the timer again: answer it once, not nested
    }
    answering_ = true;
    const auto done = qScopeGuard([this] { answering_ = false; });
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        boxes_.append({box->windowTitle(), box->text(), box->icon()});
        if (box->buttons().size() > 1) {
            QAbstractButton* answer = box->button(answer_);
            QVERIFY2(answer != nullptr, qPrintable("an unexpected question: " + box->text()));
            QTest::mouseClick(answer, Qt::LeftButton);
            return;
        }
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        QVERIFY2(ok != nullptr, "a message box without its OK button");
        QTest::mouseClick(ok, Qt::LeftButton);
    } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        ++dialogsSeen_;
        if (onDialog_) {
            onDialog_(*dialog);
        } else {
            QTest::keyClick(dialog, Qt::Key_Escape);
        }
    }
}

void ModalWatcher::CloseAfterFailure() {
    // A failed check must not leave the command waiting for its dialog.
    if (QTest::currentTestFailed()) {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            dialog->reject();
        }
    }
}

QStringList WindowSnapshot(const QWidget& form1, const QWidget& form2) {
    QStringList state;
    for (const QWidget* form : {&form1, &form2}) {
        state << form->objectName() + (form->isVisible() ? " shown" : " hidden") + " " +
                     form->windowTitle();
        for (const QLineEdit* edit : form->findChildren<QLineEdit*>()) {
            state << edit->objectName() + "=" + edit->text() + (edit->isEnabled() ? "" : " off");
        }
        for (const QRadioButton* button : form->findChildren<QRadioButton*>()) {
            state << button->objectName() + (button->isChecked() ? " on" : " off");
        }
        for (const QAction* action : form->findChildren<QAction*>()) {
            state << action->objectName() + (action->isChecked() ? " ticked" : "");
        }
        for (const QLabel* label : form->findChildren<QLabel*>()) {
            state << label->objectName() + ":" + label->text();
        }
        for (const QProgressBar* bar : form->findChildren<QProgressBar*>()) {
            state << bar->objectName() + QString(" %1/%2").arg(bar->value()).arg(bar->maximum());
        }
    }
    return state;
}

void StartWithoutKeptSettings() {
#ifdef _WIN32
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("vortalin"),
              QStringLiteral("vortalin"))
        .clear();
#endif
}

} // namespace vortalin::test
