#pragma once
// The general error handler: a failure that escapes a command is shown in a modal message
// box with its own text, and the program goes on with whatever state the command left.

#include <QString>
#include <QWidget>

#include <exception>

namespace vortalin {

// Title of the program's message boxes.
inline constexpr const char* kProgramTitle = "Vortalin 0.5";

// Modal box with the failure's text and one OK button; returns when it is closed.
void ShowFailure(QWidget* parent, const QString& text);

// Shows the failure that is being handled (to be called from a catch block).
void ShowCurrentFailure(QWidget* parent);

// Runs a command of the window; nothing it throws crosses into Qt's event loop.
template <class Command> void RunCommand(QWidget* parent, Command&& command) {
    try {
        command();
    } catch (...) {
        ShowCurrentFailure(parent);
    }
}

} // namespace vortalin
