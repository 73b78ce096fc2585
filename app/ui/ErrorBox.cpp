#include "app/ui/ErrorBox.h"

#include <QMessageBox>

#include <stdexcept>

namespace vortalin {

void ShowFailure(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kProgramTitle), text, QMessageBox::Ok,
                    parent);
    box.exec();
}

void ShowCurrentFailure(QWidget* parent) {
    try {
        throw;
    } catch (const std::exception& failure) {
        ShowFailure(parent, QString::fromUtf8(failure.what()));
    } catch (...) {
        ShowFailure(parent, QStringLiteral("Nastala neznáma chyba."));
    }
}

} // namespace vortalin
