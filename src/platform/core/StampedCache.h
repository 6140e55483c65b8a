// Results kept with the stamp (FileStamp.h) of the file or folder they were
// made from, so that they are made again only when it changes on disk.
//
// Rules, shared by every cache built on it (parsed files, folder listings):
// - get() with the current stamp gives the kept result when the kept stamp
//   equals it; otherwise make() is asked for a fresh one.
// - A fresh result is kept only when there is one, make() says it may be
//   kept, and the stamp is settled (FileStamp.h): something changed in the
//   last two seconds is made afresh at every get, so that an edit within one
//   tick of the file system's clock is never missed. A result not kept also
//   drops the one kept before under that key.
// - At most `capacity` results are kept; when one more is to be kept, all are
//   dropped first (plain and predictable; the files of one library are few).
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>

#include "platform/core/FileStamp.h"

template <typename Value>
class StampedCache {
  public:
    // What make() gives: the result (null: none) and whether it may be kept.
    struct Made {
        std::shared_ptr<const Value> value;
        bool keepable = true;
    };

    explicit StampedCache(std::size_t capacity) : capacity_(capacity) {}

    template <typename Make>
    std::shared_ptr<const Value> get(const std::string& key, const FileStamp& stamp, Make&& make) {
        const auto kept = entries_.find(key);
        if (kept != entries_.end() && kept->second.stamp == stamp)
            return kept->second.value;
        Made made = make();
        if (!made.value || !made.keepable || !isSettled(stamp)) {
            if (kept != entries_.end())
                entries_.erase(kept);
            return made.value;
        }
        if (kept == entries_.end() && entries_.size() >= capacity_)
            entries_.clear();
        entries_[key] = Entry{stamp, made.value};
        return made.value;
    }

    void clear() { entries_.clear(); }
    std::size_t size() const { return entries_.size(); }

  private:
    struct Entry {
        FileStamp stamp;
        std::shared_ptr<const Value> value;
    };
    std::size_t capacity_;
    std::unordered_map<std::string, Entry> entries_;
};
