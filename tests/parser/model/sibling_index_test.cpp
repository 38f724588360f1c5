// SiblingIndex answers exactly as a walk from the front of the level does.
#include "parser/model/sibling_index.h"

#include <string>
#include <vector>

#include "model_test_support.h"

namespace vexaparser::testing {
namespace {

using SiblingIndexTest = ModelTest;

// A level with many commands of every kind, some repeated, some "no" forms.
std::string busyLevel(int seed) {
  // clang-format off
  const std::string kinds[] = {
      "interface Fa#| shutdown", "logging 10.0.0.#", "no logging 10.0.0.#",
      "ip name-server 10.1.0.# 10.2.0.#", "no ip name-server 10.1.0.#",
      "ip route 10.#.0.0 255.255.0.0 10.0.0.1", "no ip domain-lookup", "hostname r#|no hostname",
      "boot system flash:#|frobnicate #"};
  // clang-format on
  std::string text;
  for (int i = 0; i < 60; ++i) {
    const int v = (i * 7 + seed) % 23;
    std::string kind = kinds[i % 9].substr(i % 9 == 6 && v % 2 == 1 ? 3 : 0);
    for (std::size_t at; (at = kind.find('#')) != std::string::npos;) {
      kind.replace(at, 1, std::to_string(v));
    }
    text += lines(kind);
  }
  return text;
}

std::vector<CiscoCommandLine*> topLevel(const CmdInfo& info) {
  std::vector<CiscoCommandLine*> level;
  for (CiscoCommandLine* command : info.commands) {
    if (command->getParentCommand() == nullptr && command->getLevel() == 0) {
      level.push_back(command);
    }
  }
  return level;
}

TEST_F(SiblingIndexTest, AnswersLikeAWalkFromTheFront) {
  CmdInfo stored(*grammar_, busyLevel(3));
  CmdInfo asked(*grammar_, busyLevel(11));
  std::vector<CiscoCommandLine*> level = topLevel(stored);
  ASSERT_GT(level.size(), 60u);
  // Some commands marked removed, as merge and fallback do.
  for (std::size_t i = 0; i < level.size(); i += 5) level[i]->setFlags(FLAG_REMOVED, false);
  model::SiblingIndex index(level);
  std::vector<CiscoCommandLine*> questions = topLevel(asked);
  questions.insert(questions.end(), level.begin(), level.end());
  const std::size_t half = questions.size() / 2;
  for (std::size_t q = 0; q < questions.size(); ++q) {
    const CiscoCommandLine* question = questions[q];
    // Halfway, the level grows at its end, as merge appends new commands.
    if (q == half) level.insert(level.end(), questions.begin(), questions.begin() + 10);
    std::size_t comparable = level.size();
    std::size_t noable = level.size();
    for (std::size_t i = level.size(); i-- > 0;) {
      if (level[i]->isComparable(question)) comparable = i;
      if (level[i]->isNoable(question)) noable = i;
    }
    EXPECT_EQ(index.firstComparable(question), comparable) << question->getCurrentCommand();
    EXPECT_EQ(index.firstNoable(question), noable) << question->getCurrentCommand();
  }
}

}  // namespace
}  // namespace vexaparser::testing
