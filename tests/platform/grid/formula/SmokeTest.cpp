// First end-to-end check of the engine.
#include <gtest/gtest.h>

#include "TestSheet.h"

namespace {

TEST(FormulaSmoke, AddsTwoCells) {
    formulatest::TestSheet sheet;
    sheet.put(L"A1", formula::Value::number(2));
    sheet.put(L"A2", formula::Value::number(3));
    formula::FormulaEngine engine(sheet);
    ASSERT_TRUE(engine.setFormula(1, 3, L"A1+A2*2", true));
    EXPECT_EQ(*engine.result(1, 3), formula::Value::number(8));
}

}  // namespace
