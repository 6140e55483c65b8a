// Data files read once per evaluation. While a DataFileCacheScope lives (an
// evaluation and the child sheets it calls), the standards functions find,
// read and parse each data file once and reuse what they read; when the
// outermost scope ends, everything is forgotten, so the next evaluation sees
// the files as they are then. Outside any scope nothing is kept.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <utility>

#include "platform/core/Tvx_String.h"

class DataFileCache {
  public:
    // The cache of the evaluation under way, or null.
    static DataFileCache* active();

    // What findDataFile found for an argument (nothing: no file).
    std::map<Tvx_String, std::optional<Tvx_String>> paths;
    // Parsed files by path and reading, each kept as the function that read
    // it made it.
    template <typename Parsed>
    std::shared_ptr<const Parsed> find(const Tvx_String& path, int reading) const {
        const auto found = parsed_.find({path, reading});
        return found == parsed_.end() ? nullptr
                                      : std::static_pointer_cast<const Parsed>(found->second);
    }
    template <typename Parsed>
    void keep(const Tvx_String& path, int reading, std::shared_ptr<const Parsed> parsed) {
        parsed_[{path, reading}] = std::move(parsed);
    }

  private:
    std::map<std::pair<Tvx_String, int>, std::shared_ptr<const void>> parsed_;
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
