#include "app/ui/WindowKeys.h"

#include "app/compute/ResultDisplay.h"
#include "app/form/Geometries.h"
#include "app/form/InputFields.h"
#include "app/form/InputNames.h"
#include "app/form/Selections.h"
#include "app/ui/FormControls.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>

#include <algorithm>
#include <vector>

namespace vortalin {

namespace {

// Clicks "Vypočítaj" on Return or Enter in the widgets it watches.
class EnterComputes : public QObject {
public:
    EnterComputes(QPushButton& compute, QObject* parent) : QObject(parent), compute_(compute) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && compute_.isEnabled()) {
                compute_.click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPushButton& compute_;
};

// The input fields of the main window (the range dialog's are not).
std::vector<EditId> MainWindowInputs() {
    std::vector<EditId> inputs;
    for (const InputField& f : kInputFields) {
        if (FormOf(f.field) == FormId::MainWindow) {
            inputs.push_back(f.field);
        }
    }
    return inputs;
}

bool IsCommonInput(EditId field) {
    return field <= EditId::Edit5;
}

// The widgets of the geometry's own group in their order on screen: the heating-mode
// buttons of the pipe, the fields, the row-count buttons before the number of rows.
std::vector<QWidget*> OwnWidgets(const QWidget& form, Geometry g) {
    std::vector<QWidget*> widgets;
    const GeometryEntry& entry = GeometryOf(g);
    if (entry.readsHeatingMode) {
        for (const Choice<HeatingMode>& mode : kHeatingModes) {
            widgets.push_back(&FindButton(form, mode.button));
        }
    }
    for (EditId field : InputsReadBy(g)) {
        if (IsCommonInput(field)) {
            continue;
        }
        if (field == EditId::Edit30 && entry.readsRowCountMode) {
            for (const Choice<RowCountMode>& mode : kRowCountModes) {
                widgets.push_back(&FindButton(form, mode.button));
            }
        }
        widgets.push_back(&FindEdit(form, field));
    }
    return widgets;
}

// Every widget any geometry's group holds.
std::vector<QWidget*> AllOwnWidgets(const QWidget& form) {
    std::vector<QWidget*> all;
    for (const GeometryEntry& g : kGeometries) {
        for (QWidget* w : OwnWidgets(form, g.option)) {
            if (std::find(all.begin(), all.end(), w) == all.end()) {
                all.push_back(w);
            }
        }
    }
    return all;
}

} // namespace

void UpdateTabChain(QWidget& form) {
    for (QWidget* w : AllOwnWidgets(form)) {
        w->setFocusPolicy(Qt::ClickFocus);
    }
    std::vector<QWidget*> chain;
    for (EditId field :
         {EditId::Edit1, EditId::Edit2, EditId::Edit3, EditId::Edit4, EditId::Edit5}) {
        chain.push_back(&FindEdit(form, field));
    }
    for (const Choice<Fluid>& fluid : kFluids) {
        chain.push_back(&FindButton(form, fluid.button));
    }
    for (const GeometryEntry& geometry : kGeometries) {
        chain.push_back(&FindButton(form, geometry.button));
    }
    for (QWidget* w : OwnWidgets(form, CheckedGeometry(form))) {
        w->setFocusPolicy(Qt::StrongFocus);
        chain.push_back(w);
    }
    chain.push_back(&FindControl<QPushButton>(form, "Button1"));
    for (std::size_t i = 0; i + 1 < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i], chain[i + 1]);
    }
}

void SetUpKeyboard(QWidget& form, QPushButton& compute) {
    auto* enter = new EnterComputes(compute, &form);
    compute.installEventFilter(enter);
    for (EditId field : MainWindowInputs()) {
        FindEdit(form, field).installEventFilter(enter);
    }
    for (const DisplayedResult& r : kDisplayedResults) {
        FindEdit(form, r.field).setFocusPolicy(Qt::ClickFocus);
    }
    for (const GeometryEntry& geometry : kGeometries) {
        QObject::connect(&FindButton(form, geometry.button), &QRadioButton::toggled, &form,
                         [&form](bool checked) {
                             if (checked) {
                                 UpdateTabChain(form);
                             }
                         });
    }
    UpdateTabChain(form);
}

} // namespace vortalin
