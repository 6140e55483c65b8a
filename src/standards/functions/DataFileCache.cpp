// The data-file cache of an evaluation.
#include "standards/functions/DataFileCache.h"

#include "platform/core/PathMapping.h"

namespace {

DataFileCache*& activeCache() {
    static DataFileCache* cache = nullptr;
    return cache;
}

}  // namespace

DataFileCache::DataFileCache()
    : evaluation([] {
          static std::uint64_t evaluations = 0;
          return ++evaluations;
      }()) {}

DataFileCache* DataFileCache::active() {
    return activeCache();
}

DataFileCacheScope::DataFileCacheScope() {
    if (activeCache())
        return;
    owned_ = std::make_unique<DataFileCache>();
    activeCache() = owned_.get();
}

DataFileCacheScope::~DataFileCacheScope() {
    if (owned_)
        activeCache() = nullptr;
}

std::optional<FileStamp> folderStampOnce(const Tvx_String& folder) {
    DataFileCache* cache = DataFileCache::active();
    if (cache) {
        if (const auto kept = cache->folderStamps.find(folder); kept != cache->folderStamps.end())
            return kept->second;
    }
    std::optional<FileStamp> stamp = folderStampOf(mapPath(folder));
    if (cache)
        cache->folderStamps.emplace(folder, stamp);
    return stamp;
}
