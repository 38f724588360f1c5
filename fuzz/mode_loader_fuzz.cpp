// libFuzzer target: the mode-file loader.  A small fixed grammar is copied
// into a private folder once; each input becomes its router sub-mode file,
// the grammar is loaded again, and lines that enter the sub-mode and use it
// are typed.  Loading must end (a broken file rejects lines, it never
// throws out of the loader), and the terminal built on the result must work.
// The grammar comes from VEXA_FUZZ_GRAMMAR (a folder holding files/), else
// the test grammar of the source tree.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

#include "fuzz_support.h"
#include "vexa/host/vexa_file_system.h"
#include "vexa/parser/parser_resources.h"
#include "vexa/parser/tree_dump.h"
#include "vexa/parser/vexa_parser_util.h"
#include "vexa/parser/vty.h"

namespace {

namespace fs = std::filesystem;

#ifndef VEXA_FUZZ_BASIC_GRAMMAR
#define VEXA_FUZZ_BASIC_GRAMMAR ""
#endif

// The private copy of the fixed grammar, made once per process and removed
// when it ends.
struct GrammarCopy {
  fs::path path;
  ~GrammarCopy() {
    std::error_code ec;
    fs::remove_all(path, ec);
  }
};

const fs::path& grammarFolder() {
  static const GrammarCopy folder{[] {
    const char* from = std::getenv("VEXA_FUZZ_GRAMMAR");
    const fs::path source = (from != nullptr && *from != '\0') ? fs::path(from)
                                                               : fs::path(VEXA_FUZZ_BASIC_GRAMMAR);
    const fs::path copy = fs::path(vexahost::VexaFileSystem::GetTempFolder()) /
                          ("mode-loader-fuzz-" + std::to_string(getpid()));
    std::error_code ec;
    fs::remove_all(copy, ec);
    fs::create_directories(copy, ec);
    fs::copy(source, copy, fs::copy_options::recursive, ec);
    if (ec || !fs::exists(copy / "files" / "router.cfm")) std::abort();
    vexahost::VexaFileSystem::SetSystemResourceFolder(copy.string() + "/");
    return copy;
  }()};
  return folder.path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const fs::path& folder = grammarFolder();
  {
    std::ofstream out(folder / "files" / "router.cfm", std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  // A file naming a sub-mode file that is not there leaves the grammar
  // unloaded, which the terminal must then refuse cleanly.
  vexaparser::VexaParserUtil::createNewParserResource();
  if (!vexaparser::VexaParserUtil::resourcesReady()) {
    if (vexaparser::VTY::create("Router", true) != nullptr) std::abort();
    return 0;
  }
  const vexaparser::ParserTree* tree =
      vexaparser::ParserResources::instance().modeTree(vexaparser::CONFIGURATION_MODE);
  if (tree != nullptr) vexaparser::dumpParserTree(tree->root);

  std::unique_ptr<vexaparser::VTY> vty = vexaparser::VTY::create("Router", true);
  if (vty == nullptr) std::abort();
  std::string lines = "enable\nconfigure terminal\nrouter bgp 1\n";
  const std::string text = vexafuzz::textOf(data, size);
  lines += text.substr(0, text.find('|')) + "\n";
  lines += text.substr(0, text.find('|')) + " ?";
  vty->writeInput(lines);
  vty->execute();
  std::string prompt;
  vty->getPrompt(prompt);
  if (prompt.empty()) std::abort();
  return 0;
}
