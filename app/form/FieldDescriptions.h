#pragma once
// What every field of the main window means, in the window's own words, as views of the
// tables kInputFields, kResultLabels and kGeometries: its full name (the caption without its
// colon, a bare symbol spelled out: "Priemer rúrky d (m)"), a sentence about it, and what the
// selected geometry does with it. The tooltips, the copied results, the guide and the command
// line's help all read these views, so that they say the same.

#include "app/form/Controls.h"
#include "app/form/Geometries.h"
#include "app/form/Selections.h"

#include <string>
#include <string_view>

namespace vortalin {

// The full name of an input or result field ("Priemer závitu D (m)", "Nusseltovo číslo
// (1)"); empty for a field without one.
std::string_view FullNameOf(EditId field);
std::string_view AboutOf(EditId field);

// The caption of the geometry's button ("Prúdenie cez 1 rad"), without a trailing blank.
std::string_view GeometryCaption(Geometry geometry);

// GeometryReads(geometry, field), whether the geometry uses a field, is in
// app/form/Geometries.h.

// The selections a tooltip depends on.
struct FieldContext {
    Geometry geometry;
    Fluid fluid;
    RowCountMode rows;
};

// The tooltip of an input: its name, what it is, and what the selected geometry does with
// it (or that it does not use it, and which geometries do). Lines are separated by '\n'.
std::string InputToolTip(EditId field, const FieldContext& context);

// The tooltip of a result: the quantity with its unit, the temperature it was evaluated
// at, and the characteristic length of the selected geometry where it enters.
std::string ResultToolTip(EditId field, const FieldContext& context);

// The note of a study whose swept variable the selected geometry does not use, so that
// every step gives the same results; empty when the geometry uses it.
std::string ConstantStudyNote(Geometry geometry, EditId sweptField);

} // namespace vortalin
