// SortCiscoCommands: the selection sort of sibling commands by line number
// and order number.  Commands are made by hand: only the two numbers count.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "vexa/parser/cisco_command_line.h"
#include "vexa/parser/vexa_parser_util.h"

namespace vexaparser::testing {
namespace {

struct Numbers {
  int line, order;
};

// Sorts commands carrying the given numbers; returns their original
// positions in the order the sort leaves them.
std::vector<int> sortedPositions(const std::vector<Numbers>& numbers) {
  std::vector<CiscoCommandLine> owned(numbers.size());
  std::vector<CiscoCommandLine*> commands;
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    owned[i].setLineNo(numbers[i].line);
    owned[i].setOrderNo(numbers[i].order);
    commands.push_back(&owned[i]);
  }
  VexaParserUtil::SortCiscoCommands(commands);
  std::vector<int> positions;
  for (const CiscoCommandLine* command : commands) {
    positions.push_back(static_cast<int>(command - owned.data()));
  }
  return positions;
}

TEST(SortCiscoCommandsTest, FollowsTheSelectionSort) {
  struct Case {
    const char* name;
    std::vector<Numbers> numbers;  // {line, order}
    std::vector<int> expected;
  };
  // clang-format off
  const Case cases[] = {
      {"empty", {}, {}},
      {"line numbers decide whatever the order numbers", {{3, 1}, {1, 9}, {2, 5}}, {1, 2, 0}},
      {"new commands by order number", {{0, 5}, {0, 3}}, {1, 0}},
      {"order number zero never moves", {{0, 0}, {0, 3}}, {0, 1}},
      {"equal order numbers keep their places", {{0, 4}, {0, 4}, {0, 4}}, {0, 1, 2}},
      // best moves to the new command (9 > 5), which then yields to the
      // line-1 command by order (5 > 1); a stable sort would not do this.
      {"result follows the visiting order", {{2, 9}, {0, 5}, {1, 1}}, {2, 1, 0}},
      // an unranked line-read command is passed by nothing placed by order number
      {"swap, then line order repairs the rest", {{3, 2}, {0, 1}, {1, 0}}, {1, 2, 0}},
      {"unranked command is not passed by a new one", {{1, 0}, {2, 8}, {0, 3}}, {0, 2, 1}},
  };
  // clang-format on
  for (const Case& c : cases) EXPECT_EQ(sortedPositions(c.numbers), c.expected) << c.name;
}

// The sort's rule applied by the book, as the oracle for long lists (the
// library answers those through an index).
std::vector<int> referencePositions(const std::vector<Numbers>& numbers) {
  std::vector<int> order(numbers.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  auto moves = [&](int best, int c) {
    const Numbers& b = numbers[best];
    const Numbers& n = numbers[c];
    if (b.line < 1 || n.line < 1) return b.order >= 1 && n.order >= 1 && b.order > n.order;
    return b.line > n.line;
  };
  for (std::size_t i = 0; i < order.size(); ++i) {
    std::size_t best = i;
    for (std::size_t j = i + 1; j < order.size(); ++j) {
      if (moves(order[best], order[j])) best = j;
    }
    std::swap(order[i], order[best]);
  }
  return order;
}

TEST(SortCiscoCommandsTest, LongListsSortExactlyAsTheSelectionSort) {
  std::mt19937 random(20261205);
  for (int round = 0; round < 60; ++round) {
    const int size = 64 + static_cast<int>(random() % 200);
    const int shape = round % 6;  // 0: already in line order
    std::vector<Numbers> numbers;
    for (int i = 0; i < size; ++i) {
      int line = i + 1;                                        // file order
      if (shape == 1) line = size - i;                         // reversed
      if (shape == 2) line = static_cast<int>(random() % 40);  // duplicates, zeros
      if (shape % 2 == 1 && random() % 5 == 0) line = 0;       // new commands
      const int order = static_cast<int>(random() % (shape == 3 ? 3 : 12));
      numbers.push_back({line, order});
    }
    ASSERT_EQ(sortedPositions(numbers), referencePositions(numbers))
        << "round " << round << " size " << size << " shape " << shape;
  }
}

}  // namespace
}  // namespace vexaparser::testing
