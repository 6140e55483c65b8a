// Kept answers of the section library.
#include "standards/functions/SectionAnswers.h"

#include <utility>

#include "platform/core/macro/Tvx_SectionTables.h"
#include "standards/functions/DataFileCache.h"

bool SectionAnswers::follow() {
    const DataFileCache* evaluation = DataFileCache::active();
    if (evaluation && evaluation->evaluation == followedIn_ && state_ &&
        state_->revision == gSectionTables.revision())
        return state_->keepable();
    SectionLibraryState current = currentSectionLibraryState();
    followedIn_ = evaluation ? evaluation->evaluation : 0;
    if (state_ != current) {
        systemNames_.clear();
        sectionValues_.clear();
        state_ = std::move(current);
    }
    return state_->keepable();
}

void SectionAnswers::asked() {
    if (state_)
        state_->revision = gSectionTables.revision();
}

std::optional<Tvx_String> SectionAnswers::systemName(const Tvx_String& name) {
    const bool keep = follow();
    if (const auto kept = systemNames_.find(std::wstring_view(name.str()));
        kept != systemNames_.end())
        return kept->second;
    std::optional<Tvx_String> answer;
    Tvx_String systemName;
    if (gSectionTables.getSystemName(name, systemName) == eOk)
        answer = std::move(systemName);
    asked();
    if (keep)
        systemNames_.emplace(name.str(), answer);
    return answer;
}

std::optional<Tvx_String> SectionAnswers::sectionValue(const Tvx_String& section, int column) {
    const bool keep = follow();
    if (const auto kept = sectionValues_.find(std::wstring_view(section.str()));
        kept != sectionValues_.end()) {
        if (const auto value = kept->second.find(column); value != kept->second.end())
            return value->second;
    }
    std::optional<Tvx_String> answer;
    Tvx_String value;
    if (gSectionTables.getSectionValue(section, column, value) == eOk)
        answer = std::move(value);
    asked();
    if (keep)
        sectionValues_[section.str()][column] = answer;
    return answer;
}

SectionAnswers& sectionAnswers() {
    static SectionAnswers answers;
    return answers;
}
