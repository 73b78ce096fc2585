#include "app/form/Geometries.h"

#include <algorithm>

namespace vortalin {

const GeometryEntry& GeometryOf(Geometry geometry) {
    return *std::find_if(kGeometries.begin(), kGeometries.end(),
                         [geometry](const GeometryEntry& g) { return g.option == geometry; });
}

const GeometryEntry* GeometryOfButton(ButtonId button) {
    const auto* it = std::find_if(kGeometries.begin(), kGeometries.end(),
                                  [button](const GeometryEntry& g) { return g.button == button; });
    return it == kGeometries.end() ? nullptr : it;
}

bool UsesHydraulicDiameter(Geometry geometry) {
    return GeometryOf(geometry).usesHydraulicDiameter;
}

InputList InputsReadBy(Geometry geometry) {
    const GeometryEntry& entry = GeometryOf(geometry);
    InputList fields;
    fields.Add(EditId::Edit1);
    if (entry.usesHydraulicDiameter) {
        fields.Add(EditId::Edit2);
    }
    for (EditId field : {EditId::Edit3, EditId::Edit4, EditId::Edit5}) {
        fields.Add(field);
    }
    for (EditId field : entry.fields) {
        fields.Add(field);
    }
    return fields;
}

bool GeometryReads(Geometry geometry, EditId field) {
    if (field == EditId::Form2Edit1 || field == EditId::Form2Edit2 || field == EditId::Form2Edit3) {
        return true;
    }
    const InputList inputs = InputsReadBy(geometry);
    return std::find(inputs.begin(), inputs.end(), field) != inputs.end();
}

} // namespace vortalin
