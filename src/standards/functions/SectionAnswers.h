// The section library's answers to SECTIONSIZE and GETSYSNAME, kept while the
// library is in the same state (SectionLibraryState.h), so that a section
// asked about again costs one hash probe instead of a search of its tables.
//
// Every answer is the one Tvx_SectionTables gives. When the library's state
// differs from the one the answers were given in, all are dropped; asking the
// library may itself read tables into it, which changes its revision but no
// answer, so the answers kept stay with the state it is left in. Nothing is
// kept while the "prof" folder's stamp is not settled. Since every answer is
// checked against the library's state, the answers need no reset of their own.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/core/Tvx_String.h"
#include "standards/functions/SectionLibraryState.h"

class SectionAnswers {
  public:
    // getSystemName of the section library; nothing when it does not know the
    // name.
    std::optional<Tvx_String> systemName(const Tvx_String& name);
    // getSectionValue of the section library; nothing when it fails.
    std::optional<Tvx_String> sectionValue(const Tvx_String& section, int column);

  private:
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::wstring_view text) const {
            return std::hash<std::wstring_view>{}(text);
        }
    };
    template <typename Answer>
    using ByText = std::unordered_map<std::wstring, Answer, TextHash, std::equal_to<>>;

    // Drops the answers given in another state; false when none may be kept.
    // Within one evaluation the folder is looked at once (DataFileCache.h),
    // so there only the revision is compared again.
    bool follow();
    // Notes the revision the library is left in after answering.
    void asked();

    std::optional<SectionLibraryState> state_;
    std::uint64_t followedIn_ = 0;  // the evaluation the state was last taken in
    ByText<std::optional<Tvx_String>> systemNames_;
    ByText<std::unordered_map<int, std::optional<Tvx_String>>> sectionValues_;
};

// The answers of gSectionTables, shared by the functions.
SectionAnswers& sectionAnswers();
