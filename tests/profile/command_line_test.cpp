#include "profile/command_line.h"

#include <gtest/gtest.h>

namespace {

using profile::Action;
using profile::ParseCommandLine;
using profile::SplitCommandLine;
using Args = std::vector<std::string>;

TEST(CommandLine, SplitsAsWindowsProgramsDo) {
  EXPECT_EQ(SplitCommandLine(""), Args{});
  EXPECT_EQ(SplitCommandLine("  /save   C:\\p.txt "), (Args{"/save", "C:\\p.txt"}));
  EXPECT_EQ(SplitCommandLine("/log \"\\\\server\\share\\PC 1.log\""),
            (Args{"/log", "\\\\server\\share\\PC 1.log"}));
  // A trailing backslash before the closing quote: two give one and close.
  EXPECT_EQ(SplitCommandLine("\"C:\\Profile\\\\\" x"), (Args{"C:\\Profile\\", "x"}));
  EXPECT_EQ(SplitCommandLine("a\\\"b \"c\"\"d\" e\"\"f"), (Args{"a\"b", "c\"d", "ef"}));
  EXPECT_EQ(SplitCommandLine("\"\""), Args{""});
}

TEST(CommandLine, ReadsEachCommandWithItsOptions) {
  EXPECT_EQ(ParseCommandLine({}).action, Action::Window);
  EXPECT_EQ(ParseCommandLine({"/?"}).action, Action::Usage);
  EXPECT_EQ(ParseCommandLine({"/apply", "x", "-?"}).action, Action::Usage);

  const profile::Command save = ParseCommandLine({"/SAVE", "p.txt", "/pages", "137,9,101"});
  EXPECT_EQ(save.action, Action::Save);
  EXPECT_EQ(save.file, "p.txt");
  EXPECT_EQ(save.pages, (std::vector<int>{137, 9, 101}));
  EXPECT_TRUE(ParseCommandLine({"/save", "p.txt"}).pages.empty());

  const profile::Command compare = ParseCommandLine({"-compare", "p.txt", "/Log", "l.txt"});
  EXPECT_EQ(compare.action, Action::Compare);
  EXPECT_EQ(compare.log, "l.txt");

  const profile::Command apply =
      ParseCommandLine({"/scope", "Machine", "/apply", "p.txt", "/log", "l.txt"});
  EXPECT_EQ(apply.action, Action::Apply);
  EXPECT_EQ(apply.scope, profile::Scope::Machine);
  EXPECT_EQ(ParseCommandLine({"/apply", "p", "/scope", "user"}).scope, profile::Scope::User);
  EXPECT_EQ(ParseCommandLine({"/apply", "p"}).scope, profile::Scope::All);
}

TEST(CommandLine, RefusesWhatItCannotRunAndKeepsTheLog) {
  const std::vector<Args> unusable = {
      {"p.txt"},
      {"/save"},
      {"/save", "p", "/compare", "q"},
      {"/compare", "p", "/pages", "1"},
      {"/save", "p", "/log", "l"},
      {"/compare", "p", "/scope", "user"},
      {"/apply", "p", "/scope", "all"},
      {"/save", "p", "/pages", "1,,2"},
      {"/save", "p", "/pages", "1;2"},
      {"/save", "p", "/pages", "-1"},
      {"/apply", "p", "/quiet"},
      {"/log", "l"},
  };
  for (const Args& args : unusable) {
    const profile::Command command = ParseCommandLine(args);
    EXPECT_EQ(command.action, Action::Unusable) << args.front() << " " << args.size();
    EXPECT_FALSE(command.error.empty());
  }
  // The log named before the mistake still learns of it.
  EXPECT_EQ(ParseCommandLine({"/apply", "p", "/log", "l.txt", "/scope", "alle"}).log, "l.txt");
}

}  // namespace
