// Keeps what was parsed from files, so that a file read again and again (a
// standards sheet at every evaluation, its data files) is parsed once for as
// long as it does not change on disk.
//
// Rules:
// - A file is named by the module's path (PathMapping.h) and kept under the
//   file-system path it maps to, with its stamp (FileStamp.h).
// - get() compares the file's stamp with the kept one: the same stamp gives the
//   kept result; a different one (the file was edited, replaced, grew or
//   shrank), or no kept result, reads and parses the file afresh.
// - A result is kept only when the parse succeeded, by the rules of
//   StampedCache.h (settled stamps, at most `capacity` files). Files larger
//   than `maxFileBytes` are read every time, never kept.
// - clear() drops everything. Nothing else changes the cache: its results are
//   exactly those of reading the file each time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/core/FileBytes.h"
#include "platform/core/FileStamp.h"
#include "platform/core/FileStatus.h"
#include "platform/core/PathMapping.h"
#include "platform/core/StampedCache.h"
#include "platform/core/Tvx_String.h"

template <typename Parsed>
class ParsedFileCache {
  public:
    explicit ParsedFileCache(std::size_t capacity = 64, std::uint64_t maxFileBytes = UINT64_MAX)
        : entries_(capacity), maxFileBytes_(maxFileBytes) {}

    // The file at path, parsed by parse (a callable taking the file's bytes as
    // std::string_view and returning std::shared_ptr<const Parsed>, null when
    // the bytes do not parse). Null when the file does not exist, cannot be
    // read (parse is then not called) or does not parse.
    template <typename Parse>
    std::shared_ptr<const Parsed> get(const Tvx_String& path, Parse&& parse) {
        const std::string mapped = mapPathText(path);
        const PathStatus status = pathStatus(mapped);
        if (status.kind != PathKind::File)
            return nullptr;
        return entries_.get(mapped, status.stamp, [&]() -> typename Entries::Made {
            const std::optional<std::string> bytes = readFileBytesAt(mapped);
            if (!bytes)
                return {};
            return {parse(std::string_view(*bytes)), status.stamp.size <= maxFileBytes_};
        });
    }

    void clear() { entries_.clear(); }
    std::size_t size() const { return entries_.size(); }

  private:
    using Entries = StampedCache<Parsed>;
    Entries entries_;
    std::uint64_t maxFileBytes_;
};
