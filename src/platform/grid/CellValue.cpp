// The constructors of cell values.
#include "platform/grid/CellValue.h"

namespace grid {

CellValue CellValue::number(double value) {
    CellValue v;
    v.kind_ = Kind::Number;
    v.number_ = value;
    return v;
}

CellValue CellValue::text(std::wstring value) {
    CellValue v;
    v.kind_ = Kind::Text;
    v.text_ = std::move(value);
    return v;
}

CellValue CellValue::logical(bool value) {
    CellValue v;
    v.kind_ = Kind::Logical;
    v.number_ = value ? 1 : 0;
    return v;
}

CellValue CellValue::error(std::wstring errorText) {
    CellValue v;
    v.kind_ = Kind::Error;
    v.text_ = std::move(errorText);
    return v;
}

}  // namespace grid
