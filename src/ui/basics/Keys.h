// Key codes of keyboard events (the platform's keys translated to these).
#pragma once

#include <cstdint>

namespace ui {

using TKeyCode = std::uint16_t;

constexpr TKeyCode vkTab = 0x09;
constexpr TKeyCode vkReturn = 0x0D;
constexpr TKeyCode vkEscape = 0x1B;
constexpr TKeyCode vkSpace = 0x20;
constexpr TKeyCode vkApps = 0x5D;  // the context-menu key
constexpr TKeyCode vkF10 = 0x79;

}  // namespace ui
