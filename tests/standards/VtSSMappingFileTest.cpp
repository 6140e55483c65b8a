// The mapping file of a standards sheet: where it is, reading named mappings,
// storing mappings, and files that are missing, empty, odd or damaged.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "platform/core/Tvx_Settings.h"
#include "standards/StandardsTestMacro.h"
#include "standards/VtDlgStandardsData.h"
#include "standards/VtSSMapping.h"
#include "support/TempDir.h"

namespace {

using standardstest::T;

const char kMapPath[] = "Connection Standards/Std.map";
const char kHeader[] = "Mapping version 1.0\n";

VtSSMapping fromLine(const char* line) {
    VtSSMapping mapping;
    EXPECT_EQ(mapping.initMappingFromLine(T(line)), eOk);
    return mapping;
}

Tvx_StringArray describeMaps(const VtSSMapping& mapping) {
    Tvx_StringArray texts;
    for (const VtObjectMap& map : mapping.mappedObjects()) {
        Tvx_String mappingString, variable;
        map.setMappingToStrs(mappingString, variable);
        texts.append(variable + T("=") + mappingString);
    }
    return texts;
}

class MappingFileTest : public testing::Test {
  protected:
    void SetUp() override {
        library.write("Connection Standards/Std.vts", "sheet");
        gSettings.setLibDir(T(library.path().string().c_str()));
    }
    void TearDown() override { gSettings.setLibDir(Tvx_String()); }
    void writeMap(const std::string& text) { library.write(kMapPath, text); }
    std::string mapText() const { return library.read(kMapPath); }

    testsupport::TempDir library;
};

TEST_F(MappingFileTest, LivesBesideTheSheet) {
    EXPECT_EQ(VtSSMapping::mappingFilePath(T("Std")),
              gSettings.libDir() + T("Connection Standards\\Std.map"));
    EXPECT_EQ(VtSSMapping::mappingFilePath(T("Sub\\Std.v2")),
              gSettings.libDir() + T("Connection Standards\\Sub\\Std.v2.map"));
    // A sheet given by the path of an existing file has its mapping file beside it.
    const auto sheet = library.write("elsewhere/Mine.vts", "sheet");
    EXPECT_EQ(VtSSMapping::mappingFilePath(T(sheet.string().c_str())),
              T((library.path() / "elsewhere" / "Mine.map").string().c_str()));

    VtSSMapping mapping = fromLine("M=AƒP•Distance X");
    ASSERT_EQ(mapping.setMappingToFile(T(sheet.string().c_str()), T("M")), eOk);
    EXPECT_EQ(library.read("elsewhere/Mine.map"), std::string(kHeader) + "M=AƒP•Distance X\n");
    VtSSMapping back;
    EXPECT_EQ(back.getMappingFromFile(T(sheet.string().c_str()), T("M")), eOk);
    EXPECT_EQ(back.mappedObjects(), mapping.mappedObjects());
}

TEST_F(MappingFileTest, MissingFileFailsAndEmptyFileChangesNothing) {
    VtSSMapping mapping = fromLine("Old=AƒP•Distance X");
    const VtSSMapping before = mapping;
    EXPECT_EQ(mapping.getMappingFromFile(T("Std"), T("Old")), eInvalidInput);
    EXPECT_EQ(mapping, before);
    writeMap("");
    EXPECT_EQ(mapping.getMappingFromFile(T("Std"), T("Other")), eOk);
    EXPECT_EQ(mapping, before);
}

TEST_F(MappingFileTest, ReadsTheNamedLineSkippingWhatDoesNotParse) {
    writeMap(std::string(kHeader) +
             "First=AƒP•Distance X\n"
             "no mapping here\n"
             "Second=GapƒP•GenVar gen_Gap¿broken¿WƒQ•Width W¿WidthƒP•Distance Width¿\n"
             "second=AƒP•Distance Y\n");
    VtSSMapping mapping;
    ASSERT_EQ(mapping.getMappingFromFile(T("Std"), T("Second")), eOk);
    EXPECT_EQ(describeMaps(mapping),
              (Tvx_StringArray{T("Gap=P•GenVar gen_Gap"), T("Width=P•Distance Width")}));
    // Mapping names are matched exactly.
    ASSERT_EQ(mapping.getMappingFromFile(T("Std"), T("second")), eOk);
    EXPECT_EQ(describeMaps(mapping), (Tvx_StringArray{T("A=P•Distance Y")}));
    EXPECT_EQ(mapping.getMappingFromFile(T("Std"), T("Third")), eInvalidInput);
    EXPECT_EQ(mapping.getMappingFromFile(T("Std"), T("Mapping version 1.0")), eInvalidInput);
}

TEST_F(MappingFileTest, AFirstLineThatIsNoHeaderIsAMappingLine) {
    writeMap("Only=AƒP•Distance X\r\nNext=BƒP•Distance Y\r\n");
    VtSSMapping mapping;
    ASSERT_EQ(mapping.getMappingFromFile(T("Std"), T("Only")), eOk);
    EXPECT_EQ(describeMaps(mapping), (Tvx_StringArray{T("A=P•Distance X")}));
    // A header in other words is still a header.
    writeMap("Mapping file, version 2\nOnly=AƒP•Distance Z\n");
    ASSERT_EQ(mapping.getMappingFromFile(T("Std"), T("Only")), eOk);
    EXPECT_EQ(describeMaps(mapping), (Tvx_StringArray{T("A=P•Distance Z")}));
}

TEST_F(MappingFileTest, MappingsReadAgainFollowEditsOfAFileUnchangedForAWhile) {
    // A library file last changed a while ago, read again and again.
    const auto writeSettled = [&](const std::string& text, std::chrono::minutes age) {
        writeMap(text);
        std::filesystem::last_write_time(library.path() / kMapPath,
                                         std::filesystem::file_time_type::clock::now() - age);
    };
    writeSettled(std::string(kHeader) + "One=AƒP•Distance X\nTwo=BƒP•Distance Y\n",
                 std::chrono::minutes(60));
    for (int round = 0; round < 2; ++round) {
        VtSSMapping mapping;
        ASSERT_EQ(mapping.getMappingFromFile(T("Std"), T("One")), eOk);
        EXPECT_EQ(describeMaps(mapping), (Tvx_StringArray{T("A=P•Distance X")}));
        ASSERT_EQ(mapping.getMappingFromFile(T("Std"), T("Two")), eOk);
        EXPECT_EQ(describeMaps(mapping), (Tvx_StringArray{T("B=P•Distance Y")}));
        ASSERT_EQ(mapping.getMappingFromFile(T("Std"), T("Two")), eOk);
        EXPECT_EQ(describeMaps(mapping), (Tvx_StringArray{T("B=P•Distance Y")}));
    }
    writeSettled(std::string(kHeader) + "Two=CƒP•Distance Z¿DƒP•Distance W\n",
                 std::chrono::minutes(30));
    VtSSMapping mapping;
    ASSERT_EQ(mapping.getMappingFromFile(T("Std"), T("Two")), eOk);
    EXPECT_EQ(describeMaps(mapping), (Tvx_StringArray{T("C=P•Distance Z"), T("D=P•Distance W")}));
    EXPECT_EQ(mapping.getMappingFromFile(T("Std"), T("One")), eInvalidInput);
    EXPECT_EQ(describeMaps(mapping), (Tvx_StringArray{T("C=P•Distance Z"), T("D=P•Distance W")}))
        << "a mapping not found leaves the maps as they were";
    std::filesystem::remove(library.path() / kMapPath);
    EXPECT_EQ(mapping.getMappingFromFile(T("Std"), T("Two")), eInvalidInput);
}

TEST_F(MappingFileTest, SavingCreatesTheFileWithItsHeader) {
    const VtSSMapping mapping =
        fromLine("M=ThicknessƒPlate•Distance Thickness¿Gapƒ•GenVar gen_Gap");
    ASSERT_EQ(mapping.setMappingToFile(T("Std"), T("Q1")), eOk);
    EXPECT_EQ(mapText(),
              std::string(kHeader) + "Q1=ThicknessƒPlate•Distance Thickness¿Gapƒ•GenVar gen_Gap\n");
    VtSSMapping back;
    ASSERT_EQ(back.getMappingFromFile(T("Std"), T("Q1")), eOk);
    EXPECT_EQ(back.mappedObjects(), mapping.mappedObjects());
}

TEST_F(MappingFileTest, SavingUnderANewNameAppendsAndKeepsEveryOtherLine) {
    writeMap("B=XƒP•Distance X\nunreadable line\nA=YƒP•Distance Y\n");
    ASSERT_EQ(fromLine("N=ZƒP•Distance Z").setMappingToFile(T("Std"), T("C")), eOk);
    EXPECT_EQ(mapText(), std::string(kHeader) +
                             "B=XƒP•Distance X\nunreadable line\nA=YƒP•Distance Y\n"
                             "C=ZƒP•Distance Z\n");
}

TEST_F(MappingFileTest, SavingAnEqualMappingLeavesTheFileUntouched) {
    const std::string stored = "Mapping version 1.0\r\nA=xƒp•Distance X¿YƒP•Distance Y\r\n";
    writeMap(stored);
    // Equal in another order and letter case, and with a typeless map that is not written.
    VtSSMapping mapping = fromLine("A=YƒP•Distance Y¿XƒP•Distance X");
    mapping.mappedObjectsWrite().append(VtObjectMap());
    EXPECT_EQ(mapping.setMappingToFile(T("Std"), T("A")), eOk);
    EXPECT_EQ(mapText(), stored);
}

TEST_F(MappingFileTest, SavingFewerMapsThanStoredReplacesTheLine) {
    writeMap(std::string(kHeader) + "A=XƒP•Distance X¿YƒP•Distance Y\nB=ZƒP•Distance Z\n");
    const VtSSMapping fewer = fromLine("A=XƒP•Distance X");
    // One-sided equality would call these equal and lose the removal.
    EXPECT_TRUE(fewer.isEqual(fromLine("A=XƒP•Distance X¿YƒP•Distance Y")));
    ASSERT_EQ(fewer.setMappingToFile(T("Std"), T("A")), eOk);
    EXPECT_EQ(mapText(), std::string(kHeader) + "B=ZƒP•Distance Z\nA=XƒP•Distance X\n");
}

TEST_F(MappingFileTest, DropsEntriesThatCannotBeStoredSafely) {
    VtSSMapping mapping =
        fromLine("M=AƒP•Distance X¿aƒP•Distance Y¿BƒP•Distance Z¿BƒP•GenVar W¿Wid/thƒP•Distance V");
    auto add = [&](const char* module, const char* objName, const char* ssVar) {
        VtObjectMap map;
        map.module = T(module);
        map.objName = T(objName);
        map.ssVar = T(ssVar);
        map.type = eMapDistance;
        mapping.mappedObjectsWrite().append(map);
    };
    add("P", "one¿two", "C");
    add("P•Q", "X", "D");
    add("P", "X", "Eƒ");
    add("P", "line\nbreak", "F");
    add("P", "G", "G");
    ASSERT_EQ(mapping.setMappingToFile(T("Std"), T("M")), eOk);
    EXPECT_EQ(mapText(), std::string(kHeader) + "M=AƒP•Distance X¿BƒP•Distance Z¿GƒP•Distance G\n");
    EXPECT_EQ(mapping.setMappingToFile(T("Std"), T("Bad=Name")), eInvalidInput);
    EXPECT_EQ(mapping.setMappingToFile(T("Std"), T("Bad\nName")), eInvalidInput);
}

TEST_F(MappingFileTest, AFileThatCannotBeWrittenFails) {
    gSettings.setLibDir(T((library.path() / "missing").string().c_str()));
    EXPECT_EQ(fromLine("M=AƒP•Distance X").setMappingToFile(T("Std"), T("M")), eInvalidInput);
}

TEST_F(MappingFileTest, FindsAStoredCopyOfAMapping) {
    writeMap(std::string(kHeader) +
             "One=AƒP•Distance X¿BƒP•Distance Y\n"
             "Two=AƒP•Distance X\n"
             "Three=AƒP•Distance X¿BƒP•Distance Y¿CƒP•Distance Z\n");
    Tvx_String name;
    EXPECT_TRUE(fromLine("M=BƒP•Distance Y¿AƒP•Distance X").hasSameMapping(T("Std"), name));
    EXPECT_EQ(name, T("One"));
    EXPECT_TRUE(fromLine("M=CƒP•Distance Z").hasSameMapping(T("Std"), name));
    EXPECT_EQ(name, T("Three"));
    name = T("kept");
    EXPECT_FALSE(fromLine("M=DƒP•Distance W").hasSameMapping(T("Std"), name));
    EXPECT_EQ(name, T("kept"));
    EXPECT_FALSE(fromLine("M=AƒP•Distance X").hasSameMapping(T("Nowhere"), name));
}

TEST_F(MappingFileTest, OddFilesReadWithoutHarm) {
    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary.push_back(static_cast<char>((i * 37) % 256));
    std::string huge = "Big=";
    for (int i = 0; i < 20000; ++i)
        huge += "AƒP•Distance X¿";
    huge += "\nSmall=BƒP•Distance Y\n";
    const std::string files[] = {binary, huge, std::string(1 << 18, '='), "\xFF\xFE", "=\n=\n"};
    for (const std::string& content : files) {
        writeMap(content);
        VtSSMapping mapping;
        mapping.getMappingFromFile(T("Std"), T("Small"));
        mapping.getMappingFromFile(T("Std"), T(""));
        Tvx_String name;
        mapping.hasSameMapping(T("Std"), name);
    }
    writeMap(huge);
    VtSSMapping mapping;
    ASSERT_EQ(mapping.getMappingFromFile(T("Std"), T("Big")), eOk);
    EXPECT_EQ(mapping.mappedObjects().length(), 20000);
    ASSERT_EQ(mapping.getMappingFromFile(T("Std"), T("Small")), eOk);
    EXPECT_EQ(describeMaps(mapping), (Tvx_StringArray{T("B=P•Distance Y")}));
}

class InitFromMacroTest : public standardstest::EndPlateTest {
  protected:
    void SetUp() override {
        EndPlateTest::SetUp();
        library.write("Connection Standards/Std.map",
                      std::string(kHeader) + "Q=WidthƒPlate•Distance Width\n");
        gSettings.setLibDir(T(library.path().string().c_str()));
    }
    testsupport::TempDir library;
};

TEST_F(InitFromMacroTest, LoadsTheBlocksMappingFromTheFile) {
    VtDlgStandardsData data;
    ASSERT_EQ(data.initialize(&dbMacro, T("Std"), T("Q"), &macroData), eOk);
    VtSSMapping mapping;
    ASSERT_EQ(mapping.initFromMacro(data), eOk);
    EXPECT_EQ(mapping.mode(), VtSSMapping::eMappingFile);
    Tvx_String value;
    EXPECT_EQ(mapping.getMacroVarValue(T("Width"), eValueDouble, value, data), eOk);
    EXPECT_EQ(value, T("200.0000000"));

    VtSSMapping other;
    data.mappingName = T("Missing");
    EXPECT_EQ(other.initFromMacro(data), eInvalidInput);
    VtSSMapping grouped;
    ASSERT_EQ(data.initialize(&dbMacro, T("Std"), T("Module.Plate"), &macroData), eOk);
    EXPECT_EQ(grouped.initFromMacro(data), eInvalidInput);
    EXPECT_EQ(grouped.mode(), VtSSMapping::eUnbound);
    data.moduleGroup = Tvx_String();
    data.dbMacro = nullptr;
    EXPECT_EQ(grouped.initFromMacro(data), eInvalidInput);
    EXPECT_EQ(grouped.mode(), VtSSMapping::eUnbound);
}

}  // namespace
