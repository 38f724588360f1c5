// libFuzzer target: a console terminal over the device grammar given any
// lines, in every mode: the input's lines are typed one after another (a
// line ending in "?" or a tab goes to help and completion), after "enable"
// and "configure terminal" when the first byte is odd.  The terminal must
// always have a prompt and never throw.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "vexa/parser/vty.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vexafuzz::loadDeviceGrammarOnce();
  if (size == 0) return 0;
  std::unique_ptr<vexaparser::VTY> vty = vexaparser::VTY::create("Router", (data[0] & 2) == 0);
  std::string text = vexafuzz::textOf(data + 1, size - 1);
  if ((data[0] & 1) != 0) text = "enable\nconfigure terminal\n" + text;
  vty->writeInput(text);
  vty->execute();
  std::string prompt;
  vty->getPrompt(prompt);
  if (prompt.empty()) std::abort();
  std::string output;
  vty->getOutputString(output);
  std::string hints = text.substr(0, 200);
  std::vector<vexaparser::ConfigHint> found;
  vty->hintCommand(hints, "i", found);
  return 0;
}
