#include "ui/services/ErrorMessage.h"

namespace ui {

std::string WithFullStop(std::string message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') message += '.';
  return message;
}

namespace {

std::string InnermostMessage(const std::exception& error) {
  const auto* nested = dynamic_cast<const std::nested_exception*>(&error);
  if (!nested || !nested->nested_ptr()) return error.what();
  try {
    nested->rethrow_nested();
  } catch (const std::exception& inner) {
    return InnermostMessage(inner);
  } catch (...) {
  }
  return error.what();
}

}  // namespace

std::string ErrorBoxText(const std::exception& error) {
  return WithFullStop(InnermostMessage(error));
}

}  // namespace ui
