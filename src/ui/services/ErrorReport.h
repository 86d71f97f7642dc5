// Errors that the 2D layer reports and then goes on after: an error raised by an event
// handler that must not stop the event's delivery (a gesture handler, for instance).
//
// The platform sets the reporter at start-up (the Qt shell shows the text in its error
// message box) and clears it when it ends; without a reporter the text goes to stderr.
#pragma once

#include <exception>
#include <functional>
#include <string>

namespace ui {

using TErrorReporter = std::function<void(const std::string& text)>;

// Empty clears the reporter.
void SetErrorReporter(TErrorReporter reporter);

// Hands the error's text to the reporter: the error box text of a std::exception (see
// ErrorBoxText), "Unknown error." for anything else. Does nothing for a null error.
void ReportHandlerError(std::exception_ptr error);

}  // namespace ui
