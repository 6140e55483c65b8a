// The grid library's load and save functions.
#include "platform/grid/SSFiles.h"

#include "platform/grid/GridHandles.h"

BOOL SSLoadFromFile(HWND window, const Tvx_String& path) {
    grid::GridControl* grid = grid::gridOf(window);
    return grid && grid->load(path) ? 1 : 0;
}

BOOL SSSaveToFile(HWND window, const Tvx_String& path, BOOL dataOnly) {
    const grid::GridControl* grid = grid::gridOf(window);
    const auto content =
        dataOnly ? grid::SheetFileContent::DataOnly : grid::SheetFileContent::Everything;
    return grid && grid->save(path, content) ? 1 : 0;
}

BOOL SSGetLoadError(HWND window, int& line, Tvx_String& reason) {
    const grid::GridControl* grid = grid::gridOf(window);
    if (!grid || grid->lastLoadError().message.empty())
        return 0;
    line = grid->lastLoadError().line;
    reason = Tvx_String::fromUtf8(grid->lastLoadError().message);
    return 1;
}
