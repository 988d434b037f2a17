#include <gtest/gtest.h>

#include "ui/main/command_line.h"

namespace hushwall {
namespace {

TEST(CommandLine, ArgumentsFollowTheProgramName) {
  struct Case {
    const char* line;
    const char* arguments;
  } cases[] = {
      {R"("C:\Program Files\HushWall\hushwall.exe" /H)", "/H"},
      {R"(C:\HushWall\hushwall.exe /h)", "/h"},
      {R"(hushwall.exe)", ""},
      {R"("C:\a b\hushwall.exe")", ""},
      {R"(hushwall.exe   /H  )", "/H  "},
      {R"("C:\a b\hushwall.exe"/H)", "/H"},
      {R"(hushwall.exe /H /X)", "/H /X"},
  };
  for (const Case& c : cases) EXPECT_EQ(ArgumentsOf(c.line), c.arguments) << c.line;
}

TEST(CommandLine, OnlyTheWholeStringSlashHInAnyCaseAsksToStayHidden) {
  struct Case {
    const char* arguments;
    bool hidden;
  } cases[] = {
      {"/H", true}, {"/h", true},   {"", false},     {"/H ", false}, {"/H /X", false},
      {"H", false}, {"-H", false},  {"/HH", false},  {" /H", false}, {"/", false},
  };
  for (const Case& c : cases) EXPECT_EQ(AsksToStayHidden(c.arguments), c.hidden) << c.arguments;
}

}  // namespace
}  // namespace hushwall
