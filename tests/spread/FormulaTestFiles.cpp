// Sheet files for the formulas dialog tests.
#include "FormulaTestFiles.h"

namespace formulatest {

std::string quotedFormula(const std::string& formula) {
    std::string out = "\"";
    for (char c : formula) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

std::string callingSheet(const std::string& formula, const std::string& moreCells) {
    return "vtss-sheet 1\n"
           "size 4 3\n"
           "cell 1 1 text=\"M12\"\n"
           "cell 4 1 formula=" +
           quotedFormula(formula) + "\n" + moreCells + "end\n";
}

std::string sizeTable() {
    return "vtss-sheet 1\n"
           "size 4 4\n"
           "format 1 type=number decimals=2\n"
           "format 2 type=number decimals=0\n"
           "cell 1 0 text=\"Size\"\n"
           "cell 2 0 text=\"Weight\"\n"
           "cell 3 0 text=\"Name\"\n"
           "cell 4 0 text=\"Pitch\"\n"
           "cell 1 1 text=\"M12\"\n"
           "cell 2 1 number=2.5 format=1\n"
           "cell 3 1 text=\"small\"\n"
           "cell 4 1 number=1.75 format=1\n"
           "cell 1 2 text=\"M16\"\n"
           "cell 2 2 number=2.5 format=2\n"
           "cell 3 2 text=\"medium\"\n"
           "cell 1 3 text=\"M20\"\n"
           "cell 3 3 text=\"first\"\n"
           "cell 1 4 text=\"M20\"\n"
           "cell 3 4 text=\"second\"\n"
           "end\n";
}

std::string pathIn(const testsupport::TempDir& dir, const std::string& name) {
    return (dir.path() / name).string();
}

}  // namespace formulatest
