#pragma once
// The window as the correlation engine sees it: four operations and nothing else. The
// engine reads the selections and the geometry fields of its blocks, sets the regime text
// and shows the blocks' geometry and range messages. WindowServices (the whole of what the
// calculation asks of a window) extends this, so every window and the plain record serve
// the engine as they are.

#include "app/form/Controls.h"

#include <string>

namespace vortalin {

class EngineWindow {
public:
    virtual ~EngineWindow() = default;

    // Selected state of a radio button.
    virtual bool IsSelected(ButtonId button) const = 0;

    // Number from an edit field's text; ConversionError when the text is not one.
    virtual double NumberFrom(EditId field) const = 0;

    // Text of the single status-bar panel.
    virtual void SetStatusText(const std::string& text) = 0;

    // Modal message box with one OK button; returns when it is closed.
    virtual void ShowMessage(const std::string& text) = 0;
};

} // namespace vortalin
