// copyPageFile: the header or footer file copied beside a saved sheet.
#include "sheeteditor/CopyPageFile.h"

#include "platform/core/FileOperations.h"
#include "platform/core/PathText.h"

bool copyPageFile(VtSSSettings& settings, const Tvx_String& sheetFile, bool header) {
    const Tvx_String source = header ? settings.headerFile() : settings.footerFile();
    if (!ObjectExportFileExists(source))
        return false;
    const Tvx_String folder = getPath(sheetFile);
    Tvx_String fileName;
    getFileName(source, fileName);
    const Tvx_String target = folder + fileName;
    if (!ObjectExportCopyFile(source, target, true))
        return false;
    const Tvx_String picture = changeExtension(source, L"bmp");
    if (ObjectExportFileExists(picture)) {
        Tvx_String pictureName;
        getFileName(picture, pictureName);
        ObjectExportCopyFile(picture, folder + pictureName, true);
    }
    if (header) {
        settings.setHeaderFile(target);
    } else {
        settings.setFooterFile(target);
    }
    return true;
}
