// What the bill output tests share: a temporary folder, an output opened on a
// bill file in it, and readers of the editor's sheet cells.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "bill/VtSSBillOutput.h"
#include "platform/core/Tvx_String.h"
#include "platform/core/bill/BillPictures.h"
#include "platform/grid/SS.h"
#include "platform/host/EditorRequests.h"
#include "spread/Tvx_Spread.h"
#include "support/TempDir.h"

namespace billtest {

class BillOutputTest : public testing::Test {
  protected:
    void SetUp() override {
        host::editorRequests().clear();
        resetBmpProgress();
    }

    Tvx_String pathOf(const std::string& name) const {
        return Tvx_String::fromUtf8((dir_.path() / name).string());
    }

    // An output on dir/bill.vts with the given columns and kinds, no settings
    // file and no print variables.
    void open(VtSSBillOutput& output, const Tvx_StringArray& columns, const Tvx_IntArray& kinds,
              const Tvx_StringArray& varNames = {}, const Tvx_StringArray& varValues = {}) {
        ASSERT_EQ(output.init(pathOf("bill.vts"), columns, kinds, L"", varNames, varValues), eOk);
        ASSERT_NE(output.getSSPointer(), nullptr);
    }

    static std::string cellText(const Tvx_Spread& sheet, int column, int row) {
        Tvx_String text;
        sheet.getCellText(column, row, text, Tvx_Spread::kDisplayText);
        return text.toUtf8();
    }

    static std::vector<std::string> rowTexts(const Tvx_Spread& sheet, int row) {
        std::vector<std::string> texts;
        for (int column = 1; column <= sheet.getMaxCols(); ++column)
            texts.push_back(cellText(sheet, column, row));
        return texts;
    }

    static int borderStyle(const Tvx_Spread& sheet, int column, int row, unsigned edge) {
        int style = -1;
        COLORREF colour = 0;
        SSGetBorder(sheet.GetSafeHwnd(), column, row, edge, style, colour);
        return style;
    }

    static COLORREF background(const Tvx_Spread& sheet, int column, int row) {
        COLORREF back = 0;
        COLORREF fore = 0;
        sheet.GetColor(column, row, back, fore);
        return back;
    }

    testsupport::TempDir dir_;
};

}  // namespace billtest
