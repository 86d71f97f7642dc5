// The text of the error box: the innermost error's message, with a full stop appended when
// the last character's code is above that of '.'.
#include <gtest/gtest.h>

#include <stdexcept>

#include "ui/services/ErrorMessage.h"

namespace ui {
namespace {

TEST(ErrorBoxText, AppendsAFullStopByTheLastCharacter) {
  const struct {
    const char* message;
    const char* shown;
  } cases[] = {
      {"Saving bitmap failed.", "Saving bitmap failed."},
      {"Access denied", "Access denied."},
      {"Disk full!", "Disk full!"},  // '!' is 33
      {"Path (x)", "Path (x)"},      // ')' is 41
      {"Version 2", "Version 2."},   // '2' is 50
      {"Path /", "Path /."},         // '/' is 47, the first code above '.'
      {"Range -", "Range -"},        // '-' is 45
      {"Why?", "Why?."},             // '?' is 63
      {"", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ErrorBoxText(std::runtime_error(c.message)), c.shown);
}

TEST(ErrorBoxText, ShowsTheInnermostError) {
  try {
    try {
      try {
        throw std::runtime_error("Disk is full");
      } catch (...) {
        std::throw_with_nested(std::runtime_error("Cannot write the file"));
      }
    } catch (...) {
      std::throw_with_nested(std::runtime_error("Saving bitmap failed."));
    }
  } catch (const std::exception& error) {
    EXPECT_EQ(ErrorBoxText(error), "Disk is full.");
  }
}

}  // namespace
}  // namespace ui
