// The data-file cache of an evaluation.
#include "standards/functions/DataFileCache.h"

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
