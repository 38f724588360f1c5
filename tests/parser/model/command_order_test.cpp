// SortCiscoCommands: the selection sort of sibling commands by line number
// and order number.  Commands are made by hand: only the two numbers count.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "vexa/parser/cisco_command_line.h"
#include "vexa/parser/vexa_parser_util.h"

namespace vexaparser::testing {
namespace {

struct Numbers {
  int line;
  int order;
};

// Sorts commands carrying the given numbers; returns their original
// positions in the order the sort leaves them.
std::vector<int> sortedPositions(const std::vector<Numbers>& numbers) {
  std::vector<std::unique_ptr<CiscoCommandLine>> owned;
  std::vector<CiscoCommandLine*> commands;
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    owned.push_back(std::make_unique<CiscoCommandLine>());
    owned.back()->setLineNo(numbers[i].line);
    owned.back()->setOrderNo(numbers[i].order);
    owned.back()->setCurrentCommand(std::to_string(i));
    commands.push_back(owned.back().get());
  }
  VexaParserUtil::SortCiscoCommands(commands);
  std::vector<int> positions;
  for (const CiscoCommandLine* command : commands) {
    positions.push_back(std::stoi(command->getCurrentCommand()));
  }
  return positions;
}

struct SortCase {
  const char* name;
  std::vector<Numbers> numbers;
  std::vector<int> expected;
};

class SortCiscoCommandsTest : public ::testing::TestWithParam<SortCase> {};

TEST_P(SortCiscoCommandsTest, FollowsTheSelectionSort) {
  const SortCase& c = GetParam();
  EXPECT_EQ(sortedPositions(c.numbers), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SortCiscoCommandsTest,
    ::testing::Values(
        SortCase{"Empty", {}, {}},
        SortCase{"LineNumbersDecideWhateverTheOrderNumbers", {{3, 1}, {1, 9}, {2, 5}}, {1, 2, 0}},
        SortCase{"NewCommandsByOrderNumber", {{0, 5}, {0, 3}}, {1, 0}},
        SortCase{"OrderNumberZeroNeverMoves", {{0, 0}, {0, 3}}, {0, 1}},
        SortCase{"EqualOrderNumbersKeepTheirPlaces", {{0, 4}, {0, 4}, {0, 4}}, {0, 1, 2}},
        SortCase{"NewCommandGoesAheadOfHigherOrderNumber", {{1, 1}, {2, 7}, {0, 6}}, {0, 2, 1}},
        // best moves to the new command (9 > 5), which then yields to the
        // line-1 command by order (5 > 1); a stable sort would not do this.
        SortCase{"ResultFollowsTheVisitingOrder", {{2, 9}, {0, 5}, {1, 1}}, {2, 1, 0}},
        SortCase{"SwapThenLineOrderRepairsTheRest", {{3, 2}, {0, 1}, {1, 0}}, {1, 2, 0}},
        SortCase{"UnrankedCommandIsNotPassedByNewOne", {{1, 0}, {2, 8}, {0, 3}}, {0, 2, 1}}),
    [](const ::testing::TestParamInfo<SortCase>& param) { return std::string(param.param.name); });

TEST(SortCiscoCommandsLargeTest, AlreadyOrderedLongListIsLeftAlone) {
  std::vector<Numbers> numbers;
  std::vector<int> expected;
  for (int i = 0; i < 2000; ++i) {
    numbers.push_back({i + 1, (i * 7) % 13});
    expected.push_back(i);
  }
  EXPECT_EQ(sortedPositions(numbers), expected);
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

TEST(SortCiscoCommandsLargeTest, LongListsSortExactlyAsTheSelectionSort) {
  std::mt19937 random(20261205);
  for (int round = 0; round < 200; ++round) {
    const int size = 64 + static_cast<int>(random() % 200);
    const int shape = round % 4;
    std::vector<Numbers> numbers;
    for (int i = 0; i < size; ++i) {
      int line = i + 1;                                        // file order
      if (shape == 1) line = size - i;                         // reversed
      if (shape == 2) line = static_cast<int>(random() % 40);  // duplicates, zeros
      if (shape != 2 && random() % 5 == 0) line = 0;           // new commands
      const int order = static_cast<int>(random() % (shape == 3 ? 3 : 12));
      numbers.push_back({line, order});
    }
    ASSERT_EQ(sortedPositions(numbers), referencePositions(numbers))
        << "round " << round << " size " << size << " shape " << shape;
  }
}

}  // namespace
}  // namespace vexaparser::testing
