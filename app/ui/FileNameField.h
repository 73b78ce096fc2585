#pragma once
// Answering the program's own file dialogs from code, as the window tests and the picture
// tools do: the name goes into the dialog's name field as a user would type it.

#include <QFileDialog>
#include <QLineEdit>
#include <QString>

namespace vortalin {

// Puts the whole name into the name field of a (non-native) file dialog at once, with the
// completer off: typed key by key, the completer may insert a folder it has just listed, or
// its popup take the Enter key, at a moment that depends on timing. Returns the field, for
// the caller to confirm with Enter or by accepting the dialog; nullptr when there is none.
inline QLineEdit* PutFileName(QFileDialog& dialog, const QString& name) {
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (edit != nullptr) {
        edit->setCompleter(nullptr);
        edit->setFocus();
        edit->setText(name);
    }
    return edit;
}

} // namespace vortalin
