// libFuzzer target: the line editor and the console loop over any key
// stream, each byte one key, on a console terminal over the device grammar.
// The editor runs as on a terminal (echo, redraws, scrolling at a width the
// first byte picks); fatal errors (a line that overflows) are refused
// instead of ending the process.  The interrupt key is left out: it would
// signal the whole process group.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "fuzz_support.h"
#include "vexa/console/console_loop.h"
#include "vexa/console/fatal_error.h"
#include "vexa/console/get_line_data.h"
#include "vexa/host/terminal.h"
#include "vexa/parser/vty.h"

namespace {

void refuse(const std::string&) {}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vexafuzz::loadDeviceGrammarOnce();
  vexahost::setTerminalOverride(true);
  vexaconsole::setFatalErrorHandler(&refuse);
  if (size == 0) return 0;
  std::unique_ptr<vexaparser::VTY> vty = vexaparser::VTY::create("Router", true);
  vexaconsole::GetLineData editor;
  editor.parser_init("");
  editor.Gl_setwidth(21 + data[0] % 120);
  std::string delta;
  std::string output;
  for (size_t i = 1; i < size; ++i) {
    const char key = data[i] == 3 ? 'x' : static_cast<char>(data[i]);
    vexaconsole::parser_main(*vty, editor, std::string(1, key), output, &delta);
  }
  return 0;
}
