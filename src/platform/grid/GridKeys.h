// The virtual-key codes the grid reacts to (the windowing system's values).
#pragma once

namespace grid {

inline constexpr int kKeyBack = 0x08;
inline constexpr int kKeyTab = 0x09;
inline constexpr int kKeyReturn = 0x0D;
inline constexpr int kKeyEscape = 0x1B;
inline constexpr int kKeySpace = 0x20;
inline constexpr int kKeyEnd = 0x23;
inline constexpr int kKeyHome = 0x24;
inline constexpr int kKeyLeft = 0x25;
inline constexpr int kKeyUp = 0x26;
inline constexpr int kKeyRight = 0x27;
inline constexpr int kKeyDown = 0x28;
inline constexpr int kKeyDelete = 0x2E;
inline constexpr int kKeyC = 0x43;
inline constexpr int kKeyV = 0x56;
inline constexpr int kKeyX = 0x58;
inline constexpr int kKeyF2 = 0x71;

}  // namespace grid
