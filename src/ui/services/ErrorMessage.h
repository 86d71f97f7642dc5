// The text of the error message box that the event loop shows for an uncaught error.
#pragma once

#include <exception>
#include <string>

namespace ui {

// The message of the innermost error (an error may wrap another, see std::nested_exception),
// with a full stop appended when its last character's code is above that of '.' (46).
std::string ErrorBoxText(const std::exception& error);

// Adds the full stop by the rule above to a message.
std::string WithFullStop(std::string message);

}  // namespace ui
