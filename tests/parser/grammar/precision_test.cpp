// The product grammar rejects what a device rejects: each row of
// rejected_lines.tsv is a line with a typo, a value out of range, a value of
// the wrong type or a missing argument, typed in the mode where it belongs,
// next to the corrected line that the grammar accepts in the same place (so
// a rejection proves the value check, not a missing command).
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "grammar_test_support.h"

namespace vexaparser::testing {
namespace {

struct RejectedLine {
  int row = 0;
  std::string context;  // the lines that open the mode, "|" between them
  std::string rejected;
  std::string accepted;
};

std::vector<RejectedLine> rejectedLines() {
  std::vector<RejectedLine> rows;
  std::ifstream in(grammarDataFile("rejected_lines.tsv"));
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (line.empty() || line.front() == '#') continue;
    RejectedLine row;
    row.row = number;
    std::istringstream fields(line);
    std::getline(fields, row.context, '\t');
    std::getline(fields, row.rejected, '\t');
    std::getline(fields, row.accepted, '\t');
    if (row.context == "-") row.context.clear();
    rows.push_back(row);
  }
  return rows;
}

class PrecisionTest : public ProductGrammarTest {};

TEST_F(PrecisionTest, LinesADeviceRejectsAreRejectedInTheirMode) {
  const std::vector<RejectedLine> rows = rejectedLines();
  EXPECT_GE(rows.size(), 60u) << "rejected_lines.tsv";
  for (const RejectedLine& row : rows) {
    const std::string where = "row " + std::to_string(row.row) + " [" + row.context + "] ";
    ASSERT_FALSE(row.rejected.empty() || row.accepted.empty()) << where << "needs three fields";
    const std::string context = row.context.empty() ? std::string() : cfg(row.context);
    const Recognition good = recognize(context + row.accepted + "\n");
    EXPECT_EQ(good.recognized, good.lines) << where << "not accepted: " << row.accepted;
    const Recognition bad = recognize(context + row.rejected + "\n");
    EXPECT_EQ(bad.unrecognized, std::vector<std::string>{row.rejected})
        << where << "not rejected alone: " << row.rejected;
  }
}

}  // namespace
}  // namespace vexaparser::testing
