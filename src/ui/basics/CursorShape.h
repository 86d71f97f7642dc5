// The look of the pointer over a control: the platform's usual one, or a pointing hand (over a
// link).
#pragma once

namespace ui {

enum class TCursorShape { Default, Hand };

}  // namespace ui
