// The program as it starts again on huge pages: the restarted program puts the environment
// back as the user had it, and a user's own choice of the tunable is left alone.
#include "app/HugePages.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace app {
namespace {

std::optional<std::string> Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::optional<std::string>(value) : std::nullopt;
}

TEST(HugePages, TheRestartedProgramPutsTheUsersTunablesBack) {
  struct TCase {
    const char* Marker;                 // what the first start left for the restarted one
    std::optional<std::string> Before;  // the user's own GLIBC_TUNABLES
  };
  for (const TCase& c : {TCase{"-", std::nullopt}, TCase{"=", std::string()},
                         TCase{"=glibc.malloc.check=3", std::string("glibc.malloc.check=3")}}) {
    setenv("GLIBC_TUNABLES", "glibc.malloc.check=3:glibc.malloc.hugetlb=1", 1);
    setenv("ORVANE_TUNABLES_BEFORE", c.Marker, 1);
    char program[] = "orvane";
    char* argv[] = {program, nullptr};
    StartWithHugePages(argv);
    EXPECT_EQ(Variable("GLIBC_TUNABLES"), c.Before) << c.Marker;
    EXPECT_EQ(Variable("ORVANE_TUNABLES_BEFORE"), std::nullopt) << c.Marker;
  }
}

TEST(HugePages, AUsersOwnChoiceIsKept) {
  // Were it not kept, the test itself would be started again in place of returning.
  for (const char* chosen :
       {"glibc.malloc.hugetlb=0", "glibc.malloc.check=3:glibc.malloc.hugetlb=2"}) {
    setenv("GLIBC_TUNABLES", chosen, 1);
    unsetenv("ORVANE_TUNABLES_BEFORE");
    char program[] = "orvane";
    char* argv[] = {program, nullptr};
    StartWithHugePages(argv);
    EXPECT_EQ(Variable("GLIBC_TUNABLES"), std::string(chosen));
    EXPECT_EQ(Variable("ORVANE_TUNABLES_BEFORE"), std::nullopt);
  }
}

}  // namespace
}  // namespace app
