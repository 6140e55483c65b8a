// Fuzzes the texts the standards engine reads: a data file read as a look-up
// file and as a standard-size file, and a cell text read as a declaration, a
// child call and an equation whose names are replaced. Any bytes must be read
// without a crash, and the results must keep their promises.
#include <unistd.h>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string_view>

#include "platform/core/Unicode.h"
#include "standards/engine/ChildCall.h"
#include "standards/engine/ReplaceWords.h"
#include "standards/engine/VarDeclaration.h"
#include "standards/functions/LookupTable.h"
#include "standards/functions/StandardSizes.h"

namespace {

const std::filesystem::path& dataFile() {
    static const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("vtss-fuzz-" + std::to_string(getpid()) + ".txt");
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    {
        std::ofstream out(dataFile(), std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    const Tvx_String path = Tvx_String::fromUtf8(dataFile().string());
    Tvx_String value;
    lookUpCell(path, L"M20;8.8", false, value);
    const std::shared_ptr<const StandardSizes> sizes = readStandardSizes(path);
    if (!sizes)
        std::abort();
    const double picked = standardValueWithTolerance(
        standardSizeCandidates(StandardSizeKind::Width, *sizes, 10), 5, 100, 10, 20);
    (void)picked;

    const Tvx_String text(unicode::decodeText(bytes));
    Tvx_String name;
    VtValueType type = eValueUndefined;
    if (parseVarDeclaration(text, name, type) && type == eValueUndefined)
        std::abort();
    ChildCall call;
    if (parseChildCall(text, L"CallChild", call) && call.argumentNames.isEmpty())
        std::abort();
    Tvx_String replaced = text;
    const bool changed =
        replaceWords(replaced, {L"Width", L"gen_A", L"x.y"}, {L"B2", L"say \"hi\"", L"7"}, true);
    if (!changed && !(replaced == text))
        std::abort();
    return 0;
}
