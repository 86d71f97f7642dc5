#include "ui/services/ErrorReport.h"

#include <iostream>
#include <utility>

#include "ui/services/ErrorMessage.h"

namespace ui {

namespace {

TErrorReporter& Reporter() {
  static TErrorReporter reporter;
  return reporter;
}

}  // namespace

void SetErrorReporter(TErrorReporter reporter) {
  Reporter() = std::move(reporter);
}

void ReportHandlerError(std::exception_ptr error) {
  if (!error) return;
  std::string text;
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    text = ErrorBoxText(e);
  } catch (...) {
    text = "Unknown error.";
  }
  if (Reporter())
    Reporter()(text);
  else
    std::cerr << text << '\n';
}

}  // namespace ui
