// Reading child-sheet calls and the order in which a child's file is looked for.
#include "standards/engine/ChildCall.h"

#include <gtest/gtest.h>

#include "standards/engine/TempLibrary.h"

namespace {

using standardstest::TempLibrary;

TEST(ChildCall, ReadsTheChildNameAndTheVariables) {
    struct Case {
        const wchar_t* expression;
        bool parses;
        const wchar_t* child;
        Tvx_StringArray arguments;
    };
    const Case cases[] = {
        {L"CallChild(\"Bolt row.vts\", W, T)", true, L"Bolt row.vts", {L"W", L"T"}},
        {L"callchild( Bolt.vts ,W)", true, L"Bolt.vts", {L"W"}},
        {L"1+CallChild(\"A.vts\",W)*2", true, L"A.vts", {L"W"}},
        {L"CallChild (\"A.vts\", W, T) + (X)", true, L"A.vts", {L"W", L"T"}},
        // Nested parentheses play no part: the first ")" closes the call.
        {L"CallChild(A.vts, (W), T)", true, L"A.vts", {L"(W"}},
        // One quote is removed at each end, and only one.
        {L"CallChild(\"\"A.vts\"\", W)", true, L"\"A.vts\"", {L"W"}},
        {L"CallChild(\"A.vts\")", false, L"", {}},
        {L"CallChild()", false, L"", {}},
        {L"CallChild \"A.vts\", W", false, L"", {}},
        {L"CallChild(\"A.vts\", W", false, L"", {}},
        {L"Child(\"A.vts\", W)", false, L"", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Tvx_String(c.expression).toUtf8());
        ChildCall call;
        ASSERT_EQ(parseChildCall(Tvx_String(c.expression), Tvx_String(L"CallChild"), call),
                  c.parses);
        if (c.parses) {
            EXPECT_EQ(call.childName, Tvx_String(c.child));
            EXPECT_EQ(call.argumentNames, c.arguments);
        }
    }
}

TEST(ChildCall, CandidatesInSearchOrder) {
    const Tvx_StringArray candidates =
        childFileCandidates(L"\\Sub\\C.vts", L"c:\\lib\\Parent\\P.vts", L"c:\\lib\\");
    const Tvx_StringArray expected = {
        L"\\Sub\\C.vts",
        L"c:\\lib\\Parent\\Sub\\C.vts",
        L"c:\\lib\\Connection Standards\\\\Sub\\C.vts",
        L"c:\\lib\\Connection Standards\\Childs\\\\Sub\\C.vts",
        L"c:\\lib\\Connection Standards\\Data\\\\Sub\\C.vts",
        L"c:\\lib\\Connection Standards\\Parents\\\\Sub\\C.vts",
    };
    EXPECT_EQ(candidates, expected);
}

TEST(ChildCall, TheFirstExistingPlaceWins) {
    struct Case {
        const char* what;
        std::vector<const char*> files;  // under the library folder
        const char* found;               // relative path, or null for "not found"
    };
    const Case cases[] = {
        {"only under Parents",
         {"Connection Standards/Parents/C.vts"},
         "Connection Standards/Parents/C.vts"},
        {"beside the caller before the standards folders",
         {"Callers/C.vts", "Connection Standards/C.vts", "Connection Standards/Childs/C.vts"},
         "Callers/C.vts"},
        {"standards before Childs",
         {"Connection Standards/C.vts", "Connection Standards/Childs/C.vts"},
         "Connection Standards/C.vts"},
        {"Childs before Data before Parents",
         {"Connection Standards/Childs/C.vts", "Connection Standards/Data/C.vts",
          "Connection Standards/Parents/C.vts"},
         "Connection Standards/Childs/C.vts"},
        {"Data before Parents",
         {"Connection Standards/Data/C.vts", "Connection Standards/Parents/C.vts"},
         "Connection Standards/Data/C.vts"},
        {"nowhere", {"Connection Standards/Other.vts"}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempLibrary library;
        for (const char* file : c.files)
            library.write(file, "vtss-sheet 1\n");
        const Tvx_String caller = library.modulePath("Callers/P.vts");
        const Tvx_String found = findChildFile(L"C.vts", caller, gSettings.libDir());
        EXPECT_EQ(found, c.found ? library.modulePath(c.found) : Tvx_String(L"C.vts"));
    }
}

TEST(ChildCall, AnExistingPathIsUsedAsItStands) {
    TempLibrary library;
    const Tvx_String child = library.write("Elsewhere/C.vts", "vtss-sheet 1\n");
    library.write("Connection Standards/Childs/C.vts", "vtss-sheet 1\n");
    EXPECT_EQ(findChildFile(child, library.modulePath("P.vts"), gSettings.libDir()), child);
}

}  // namespace
