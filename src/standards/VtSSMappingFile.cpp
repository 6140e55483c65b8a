// The mapping file of a standards sheet: finding it, reading a named mapping
// from it and storing a mapping in it (the format is in VtSSMapping.h).
#include <memory>

#include "platform/core/ArrayText.h"
#include "platform/core/FileOperations.h"
#include "platform/core/PathText.h"
#include "platform/core/TextFile.h"
#include "platform/core/Tvx_Settings.h"
#include "standards/VtSSMapping.h"

namespace {

const wchar_t kNameSeparator = L'=';
const wchar_t kEntrySeparator = L'\u00BF';     // "¿"
const wchar_t kVariableSeparator = L'\u0192';  // "ƒ"
const Tvx_String kHeader(L"Mapping version 1.0");

bool holdsAny(const Tvx_String& text, const wchar_t* characters) {
    return text.str().find_first_of(characters) != std::wstring::npos;
}

// Removes the header, when the first line is one.
void dropHeader(Tvx_StringArray& lines) {
    if (!lines.isEmpty() && lines[0].contains(Tvx_String(L"Mapping")) &&
        lines[0].contains(Tvx_String(L"version"))) {
        lines.removeAt(0);
    }
}

// The lines of the sheet's mapping file; false when it cannot be read.
bool readMappingFile(const Tvx_String& sheetName, Tvx_StringArray& lines) {
    return ObjectExportReadFile(VtSSMapping::mappingFilePath(sheetName), lines);
}

// The mapping read last: the mapping file's lines it was read from (the same
// object while the file is unchanged on disk, TextFile.h), its name and its
// entries. Every evaluation of a sheet reads the same mapping again. It needs
// no reset of its own: clearing the text-file cache gives new lines objects.
struct LastMapping {
    std::shared_ptr<const Tvx_StringArray> lines;
    Tvx_String name;
    Tvx_Array<VtObjectMap> objects;
};

LastMapping& lastMapping() {
    static LastMapping last;
    return last;
}

// The index of the line holding mapping `name`, or -1.
int findMappingLine(const Tvx_StringArray& lines, const Tvx_String& name) {
    for (int i = 0; i < lines.length(); ++i) {
        Tvx_String lineName;
        Tvx_String rest;
        if (splitStringAtSymbol(lines[i], kNameSeparator, lineName, rest) && lineName == name) {
            return i;
        }
    }
    return -1;
}

// Whether an entry reads back as written: its texts hold no separator that
// would cut the line, the entry or the mapping string at another place.
bool entrySurvivesFile(const VtObjectMap& map, const Tvx_String& mappingString) {
    return !holdsAny(map.ssVar, L"\u00BF\u0192\r\n") && !holdsAny(map.module, L"\u2022") &&
           !holdsAny(mappingString, L"\u00BF\r\n");
}

}  // namespace

Tvx_String VtSSMapping::mappingFilePath(const Tvx_String& sheetName) {
    const Tvx_String map(L"map");
    if (ObjectExportFileExists(sheetName))
        return changeExtension(sheetName, map);
    return changeExtension(gSettings.libDir() + Tvx_String(L"Connection Standards\\") + sheetName +
                               Tvx_String(L".vts"),
                           map);
}

ErrorStatus VtSSMapping::getMappingFromFile(const Tvx_String& sheetName,
                                            const Tvx_String& mappingName) {
    const std::shared_ptr<const Tvx_StringArray> read =
        readTextFileLines(mappingFilePath(sheetName));
    if (!read)
        return eInvalidInput;
    LastMapping& last = lastMapping();
    if (read == last.lines && mappingName == last.name) {
        mappedObjects_ = last.objects;
        return eOk;
    }
    Tvx_StringArray lines = *read;
    if (lines.isEmpty())
        return eOk;
    dropHeader(lines);
    const int index = findMappingLine(lines, mappingName);
    if (index < 0)
        return eInvalidInput;
    const ErrorStatus status = initMappingFromLine(lines[index]);
    if (status == eOk)
        last = LastMapping{read, mappingName, mappedObjects_};
    return status;
}

ErrorStatus VtSSMapping::initMappingFromLine(const Tvx_String& line) {
    mappedObjects_.removeAll();
    Tvx_String name;
    Tvx_String entries;
    if (!splitStringAtSymbol(line, kNameSeparator, name, entries))
        return eInvalidInput;
    Tvx_StringArray pieces;
    splitStringAtSymbol(entries, kEntrySeparator, pieces);
    for (const Tvx_String& piece : pieces) {
        Tvx_String variable;
        Tvx_String mappingString;
        VtObjectMap map;
        if (splitStringAtSymbol(piece, kVariableSeparator, variable, mappingString) &&
            map.getMappingFromStrs(variable, mappingString) == eOk) {
            mappedObjects_.append(map);
        }
    }
    return eOk;
}

ErrorStatus VtSSMapping::setMappingToFile(const Tvx_String& sheetName,
                                          const Tvx_String& mappingName) const {
    if (holdsAny(mappingName, L"=\r\n"))
        return eInvalidInput;
    Tvx_StringArray variables;
    Tvx_StringArray mappingStrings;
    Tvx_Array<const VtObjectMap*> written;
    for (const VtObjectMap& map : mappedObjects_) {
        Tvx_String mappingString;
        Tvx_String variable;
        if (map.setMappingToStrs(mappingString, variable) != eOk)
            continue;
        variables.append(variable);
        mappingStrings.append(mappingString);
        written.append(&map);
    }
    const Tvx_IntArray duplicates = getDuplicates(variables);
    for (int i = duplicates.length() - 1; i >= 0; --i) {
        variables.removeAt(duplicates[i]);
        mappingStrings.removeAt(duplicates[i]);
        written.removeAt(duplicates[i]);
    }
    Tvx_StringArray entries;
    for (int i = 0; i < variables.length(); ++i) {
        if (hasInvalidFileNameChars(variables[i]) ||
            !entrySurvivesFile(*written[i], mappingStrings[i])) {
            continue;
        }
        entries.append(variables[i] + Tvx_String(kVariableSeparator) + mappingStrings[i]);
    }

    const Tvx_String newLine =
        mappingName + Tvx_String(kNameSeparator) + arrToStr(entries, kEntrySeparator);

    Tvx_StringArray lines;
    readMappingFile(sheetName, lines);  // a missing file counts as empty
    dropHeader(lines);
    const int existing = findMappingLine(lines, mappingName);
    if (existing >= 0) {
        // Equal both ways: a stored mapping with more maps is not this one.
        VtSSMapping stored;
        VtSSMapping fresh;
        fresh.initMappingFromLine(newLine);
        if (stored.initMappingFromLine(lines[existing]) == eOk && fresh.isEqual(stored) &&
            stored.isEqual(fresh)) {
            return eOk;
        }
        lines.removeAt(existing);
    }
    lines.append(newLine);
    lines.insertAt(0, kHeader);
    return ObjectExportWriteFile(mappingFilePath(sheetName), lines) ? eOk : eInvalidInput;
}

bool VtSSMapping::hasSameMapping(const Tvx_String& sheetName, Tvx_String& mappingName) const {
    Tvx_StringArray lines;
    if (!readMappingFile(sheetName, lines))
        return false;
    dropHeader(lines);
    for (const Tvx_String& line : lines) {
        VtSSMapping stored;
        if (stored.initMappingFromLine(line) == eOk && isEqual(stored)) {
            Tvx_String rest;
            splitStringAtSymbol(line, kNameSeparator, mappingName, rest);
            return true;
        }
    }
    return false;
}
