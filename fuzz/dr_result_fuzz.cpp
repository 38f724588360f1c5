// libFuzzer target: the reader of design-reader result files on any text,
// and the configuration-like text written back from the tree.

#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>
#include <string>

#include "fuzz_support.h"
#include "vexa/designreader/design_note_parser.h"
#include "vexa/designreader/dr_result_tree.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::unique_ptr<vexadr::DRResultTree> tree =
      vexadr::DRResultTree::fromText(vexafuzz::textOf(data, size));
  if (tree == nullptr) return 0;
  std::string text;
  std::list<int> closeLines;
  int lineCounter = 0;
  vexadr::DesignNoteParser::BuildSyntaxStringFromTree(tree.get(), 0, text, closeLines,
                                                      lineCounter);
  return 0;
}
