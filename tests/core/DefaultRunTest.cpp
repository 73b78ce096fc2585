// The window's defaults computed end to end, as the user sees them after "Vypočítaj".

#include "app/compute/Calculator.h"
#include "app/form/FormRecord.h"

#include <gtest/gtest.h>

namespace vortalin {
namespace {

TEST(DefaultRun, ShowsTheTwelveResultsAndTheRegime) {
    FormRecord form(',');
    Calculator calc(form);
    calc.Button1Click();
    EXPECT_TRUE(calc.ResultsShown());
    EXPECT_TRUE(form.Messages().empty());
    EXPECT_EQ(form.StatusText(), "Nachádzate sa v prechodovej oblasti prúdenia.");
    const std::pair<EditId, const char*> expected[] = {
        {EditId::Edit6, "21,000"},      {EditId::Edit7, "8,963"},
        {EditId::Edit9, "1,202"},       {EditId::Edit10, "1,518E-005"},
        {EditId::Edit11, "1,824E-005"}, {EditId::Edit12, "1004,688"},
        {EditId::Edit13, "0,0254"},     {EditId::Edit14, "6588"},
        {EditId::Edit15, "0,7203"},     {EditId::Edit16, "27,0810"},
        {EditId::Edit17, "6,8910"},     {EditId::Edit18, "0,7203"},
    };
    for (const auto& [field, text] : expected) {
        EXPECT_EQ(form.Text(field), text) << ControlName(field);
    }
}

} // namespace
} // namespace vortalin
