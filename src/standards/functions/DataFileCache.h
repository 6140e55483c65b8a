// Data files read once per evaluation. While a DataFileCacheScope lives (an
// evaluation and the child sheets it calls), the standards functions find,
// read and parse each data file once and reuse what they read; when the
// outermost scope ends, everything is forgotten, so the next evaluation sees
// the files as they are then. Outside any scope nothing is kept here.
// What is kept between evaluations is kept elsewhere, each with what it
// depends on (KeptTextFileParses.h, DataFileSearch.h, SectionAnswers.h).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <utility>

#include "platform/core/Tvx_String.h"

// The ways a data file is read; a file read in several ways is kept once for
// each.
enum class DataFileReading { Lookup, LookupBySectionName, StandardSizes };

class DataFileCache {
  public:
    DataFileCache();

    // The cache of the evaluation under way, or null.
    static DataFileCache* active();

    // A number of its own for each evaluation of the process (never 0), for
    // a check made once per evaluation.
    const std::uint64_t evaluation;

    // What findDataFile found for an argument (nothing: no file).
    std::map<Tvx_String, std::optional<Tvx_String>> paths;
    // Parsed files by path and reading, each kept as the function that read
    // it made it.
    template <typename Parsed>
    std::shared_ptr<const Parsed> find(const Tvx_String& path, DataFileReading reading) const {
        const auto found = parsed_.find(path);
        return found == parsed_.end()
                   ? nullptr
                   : std::static_pointer_cast<const Parsed>(found->second[index(reading)]);
    }
    template <typename Parsed>
    void keep(const Tvx_String& path, DataFileReading reading,
              std::shared_ptr<const Parsed> parsed) {
        parsed_[path][index(reading)] = std::move(parsed);
    }

  private:
    static constexpr std::size_t kReadings = 3;
    static std::size_t index(DataFileReading reading) { return static_cast<std::size_t>(reading); }
    std::map<Tvx_String, std::array<std::shared_ptr<const void>, kReadings>> parsed_;
};

// Opens the cache for an evaluation; a scope inside another uses the outer
// scope's cache.
class DataFileCacheScope {
  public:
    DataFileCacheScope();
    ~DataFileCacheScope();
    DataFileCacheScope(const DataFileCacheScope&) = delete;
    DataFileCacheScope& operator=(const DataFileCacheScope&) = delete;

  private:
    std::unique_ptr<DataFileCache> owned_;
};
