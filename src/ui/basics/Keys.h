// Key codes of keyboard events (the platform's keys translated to these).
#pragma once

#include <cstdint>

namespace ui {

using TKeyCode = std::uint16_t;

constexpr TKeyCode vkTab = 0x09;
constexpr TKeyCode vkReturn = 0x0D;
constexpr TKeyCode vkEscape = 0x1B;
constexpr TKeyCode vkSpace = 0x20;
constexpr TKeyCode vkHome = 0x24;
constexpr TKeyCode vkLeft = 0x25;
constexpr TKeyCode vkUp = 0x26;
constexpr TKeyCode vkRight = 0x27;
constexpr TKeyCode vkDown = 0x28;
constexpr TKeyCode vkApps = 0x5D;  // the context-menu key
constexpr TKeyCode vkF1 = 0x70;
constexpr TKeyCode vkF10 = 0x79;
constexpr TKeyCode vkF11 = 0x7A;
// Letters and digits are their capital ASCII codes ('A' to 'Z', '0' to '9').

}  // namespace ui
