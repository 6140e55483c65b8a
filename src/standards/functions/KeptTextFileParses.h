// What the standards functions parse from their data files, kept with the
// lines it was parsed from.
//
// The text-file cache (TextFile.h) gives the same lines object while a file is
// unchanged on disk, and another one when it changed (or is not kept), so a
// parse kept with the same object is the parse that parsing would give again.
// It needs no reset of its own: clearing the text-file cache gives new lines
// objects, and so parses made afresh. At most kCapacity files are kept; when
// one more is to be kept, all are dropped first.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>

#include "platform/core/TextFile.h"
#include "platform/core/Tvx_String.h"
#include "platform/core/Tvx_StringArray.h"

template <typename Parsed>
class KeptTextFileParses {
  public:
    // Parses a file's lines; never fails.
    using Parse = std::shared_ptr<const Parsed> (*)(const Tvx_StringArray& lines);

    explicit KeptTextFileParses(Parse parse) : parse_(parse) {}

    // The parse of the file at path as it is now; null when it cannot be read.
    std::shared_ptr<const Parsed> get(const Tvx_String& path) {
        std::shared_ptr<const Tvx_StringArray> lines = readTextFileLines(path);
        if (!lines)
            return nullptr;
        const auto kept = entries_.find(path.str());
        if (kept != entries_.end() && kept->second.lines == lines)
            return kept->second.parsed;
        std::shared_ptr<const Parsed> parsed = parse_(*lines);
        if (kept != entries_.end()) {
            kept->second = Entry{std::move(lines), parsed};
            return parsed;
        }
        if (entries_.size() >= kCapacity)
            entries_.clear();
        entries_.emplace(path.str(), Entry{std::move(lines), parsed});
        return parsed;
    }

  private:
    static constexpr std::size_t kCapacity = 64;
    struct Entry {
        std::shared_ptr<const Tvx_StringArray> lines;
        std::shared_ptr<const Parsed> parsed;
    };
    Parse parse_;
    std::unordered_map<std::wstring, Entry> entries_;
};
