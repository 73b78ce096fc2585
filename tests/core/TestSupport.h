#pragma once
// Helpers shared by the core tests.

#include "app/compute/Calculator.h"
#include "app/compute/ConversionError.h"
#include "app/compute/Messages.h"
#include "app/form/FormRecord.h"
#include "app/form/InputFields.h"
#include "correlations/engine/Engine.h"

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace vortalin::test {

// The fields of a results-file or batch line, split at ';' (no field of it is quoted).
inline std::vector<std::string> SplitFields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t end; (end = line.find(';', start)) != std::string::npos; start = end + 1) {
        fields.push_back(line.substr(start, end - start));
    }
    fields.push_back(line.substr(start));
    return fields;
}

// Half a unit in the last of `digits` significant digits of `expected`: the tolerance of a
// worked example quoted to that many digits.
inline double HalfUlpOfDigits(double expected, int digits) {
    const double magnitude = std::floor(std::log10(std::fabs(expected)));
    return 0.5000001 * std::pow(10.0, magnitude - digits + 1);
}

// Runs the correlation engine alone on the fluid of the tube geometries' worked examples:
// w 1 m/s, nu 1.5e-5 m²/s, lambda 0.026 W/(m·K), Pr = PrW = 0.7.
inline CalcState RunEngineOnWorkedExample(FormRecord& form) {
    CalcState s;
    s.w = 1;
    s.d = 0.1;
    s.nu = 1.5e-5;
    s.lambda = 0.026;
    s.Pr = s.PrW = 0.7;
    CorrelationEngine(s, form).ComputeHeatTransfer();
    return s;
}

// With every field of `order` holding a non-number, each Compute stops at the first of them
// still bad, naming it; the field is then repaired. So the fields are read in that order.
inline void ExpectFieldsReadInOrder(FormRecord& form, Calculator& calc,
                                    const std::vector<EditId>& order) {
    for (EditId field : order) {
        try {
            calc.Button1Click();
            ADD_FAILURE() << ControlName(field) << " was not read";
        } catch (const ConversionError& e) {
            EXPECT_NE(std::string(e.what()).find(ControlName(field)), std::string::npos)
                << e.what();
        }
        form.SetInputText(field, DefaultText(field, ','));
    }
}

// Runs Compute and expects the block's own messages, then the refusal (of the undefined
// result unless given), and no results on screen.
inline void ExpectRefusedAsUndefined(FormRecord& form, std::vector<std::string> messages,
                                     const std::string& name,
                                     const std::string& refusal = kUndefinedResultMessage) {
    Calculator calc(form);
    calc.Button1Click();
    messages.push_back(refusal);
    EXPECT_EQ(form.Messages(), messages) << name;
    EXPECT_EQ(form.Text(EditId::Edit16), kResetText) << name;
    EXPECT_TRUE(std::isnan(calc.State().Nu)) << name; // not 0 or infinity
}

} // namespace vortalin::test
