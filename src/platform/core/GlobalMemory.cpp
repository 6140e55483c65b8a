// The table of global memory blocks behind GlobalHandle.
#include "platform/core/GlobalMemory.h"

#include <string>
#include <unordered_map>
#include <utility>

namespace {

struct BlockTable {
    std::unordered_map<GlobalHandle, std::wstring> blocks;
    GlobalHandle lastHandle = kNullGlobalHandle;
    int allocsBeforeFault = 0;  // 0: no fault pending
};

BlockTable& table() {
    static BlockTable blocks;
    return blocks;
}

}  // namespace

bool setGlobalStr(GlobalHandle& handle, std::wstring_view text) {
    BlockTable& t = table();
    if (handle != kNullGlobalHandle) {
        const auto block = t.blocks.find(handle);
        if (block == t.blocks.end())
            return false;
        block->second.assign(text);
        return true;
    }
    if (t.allocsBeforeFault > 0 && --t.allocsBeforeFault == 0)
        return false;
    handle = ++t.lastHandle;
    t.blocks.emplace(handle, text);
    return true;
}

bool getGlobalStr(GlobalHandle handle, Tvx_String& text) {
    const auto& blocks = table().blocks;
    const auto block = blocks.find(handle);
    if (block == blocks.end()) {
        text.clear();
        return false;
    }
    text.str().assign(block->second);
    return true;
}

bool takeGlobalStr(GlobalHandle handle, std::wstring& text) {
    auto& blocks = table().blocks;
    const auto block = blocks.find(handle);
    if (block == blocks.end()) {
        text.clear();
        return false;
    }
    text = std::move(block->second);
    blocks.erase(block);
    return true;
}

bool freeGlobalHandle(GlobalHandle handle) {
    return table().blocks.erase(handle) == 1;
}

int liveGlobalHandleCount() {
    return static_cast<int>(table().blocks.size());
}

void failNthGlobalAlloc(int n) {
    table().allocsBeforeFault = n > 0 ? n : 0;
}
