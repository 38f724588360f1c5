// VexaParserUtil::removeInterfaceFromConfigFile: an interface's block taken
// out of a stored configuration file, the file replaced in one step.
#include <string>
#include <vector>

#include "parser/model/section_search.h"
#include "vexa/host/pathname.h"
#include "vexa/parser/grammar.h"
#include "vexa/parser/parser_resources.h"
#include "vexa/parser/vexa_parser_util.h"

namespace vexaparser {

namespace {

// A file name beside path that does not exist yet.
std::string temporaryPathBeside(const std::string& path) {
  for (int attempt = 0;; ++attempt) {
    std::string candidate = path + ".vexa-tmp";
    if (attempt > 0) candidate += std::to_string(attempt);
    if (!vexahost::Pathname(candidate).exists()) return candidate;
  }
}

}  // namespace

bool VexaParserUtil::removeInterfaceFromConfigFile(const std::string& path,
                                                   const std::string& name) {
  return removeInterfaceFromConfigFile(*ParserResources::instance().grammar(), path, name);
}

bool VexaParserUtil::removeInterfaceFromConfigFile(const Grammar& grammar, const std::string& path,
                                                   const std::string& name) {
  const vexahost::Pathname file(path);
  std::string text;
  if (!file.readAll(text) || !grammar.hasAllModes()) return false;
  // Only a name the terminal recognises as a whole: "interface" and a bare
  // type would match every interface of the file.
  bool recognised = false;
  const std::string key = model::completeKey(grammar, "interface " + name, &recognised);
  if (!recognised) return false;

  model::SectionText& lines = model::sectionTextFor(grammar, text);
  std::vector<model::SectionHit> hits;
  model::SearchOptions options;
  options.hits = &hits;
  std::string unused;
  model::specialSearch(grammar, lines, key, SEARCH_BLOCK, unused, options);
  if (hits.empty()) return true;

  // Every physical line from a header up to the line that ended its block
  // goes; the other lines keep their bytes, line ends included.
  std::string kept;
  kept.reserve(text.size());
  std::size_t copiedUpTo = 0;
  for (const model::SectionHit& hit : hits) {
    const std::size_t from = lines.lineStart(hit.header);
    const std::size_t to =
        hit.end < lines.lineCount() ? lines.lineStart(hit.end) : lines.text().size();
    kept.append(text, copiedUpTo, from - copiedUpTo);
    copiedUpTo = to;
  }
  kept.append(text, copiedUpTo, std::string::npos);

  const vexahost::Pathname temporary(temporaryPathBeside(path));
  if (!temporary.writeAll(kept) || !temporary.moveTo(path)) {
    temporary.removeFile(false);
    return false;
  }
  return true;
}

}  // namespace vexaparser
