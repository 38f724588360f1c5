// The two section searches behind VexaParserUtil::GetCmdsFromConfig, on a
// SectionText, with the choice of how the scratch terminal is fed and the
// positions of the blocks found (removeInterfaceFromConfigFile removes
// them).
//
// Internal to src/parser/model/.
#ifndef VEXA_SRC_PARSER_MODEL_SECTION_SEARCH_H_
#define VEXA_SRC_PARSER_MODEL_SECTION_SEARCH_H_

#include <cstddef>
#include <string>
#include <vector>

#include "parser/model/scratch_feed.h"
#include "parser/model/section_text.h"
#include "vexa/parser/vexa_parser_util.h"

namespace vexaparser::model {

// One block found by the block search: the header's line and the first
// line after the block (the line that ended it, or the line count).
struct SectionHit {
  std::size_t header = 0;
  std::size_t end = 0;
};

struct SearchOptions {
  // With reuse the search visits only the lines that can matter (the
  // text's indexes) and the scratch terminal answers from the memo.
  FeedOptions feed;
  // When not null, every block read (types 0 and 2) is appended.
  std::vector<SectionHit>* hits = nullptr;
};

// VexaParserUtil::completeConfigKey; recognised (when not null) tells
// whether the terminal recognised the key as a complete command.
std::string completeKey(const Grammar& grammar, const std::string& key, bool* recognised);

// Types 0 to 2 with a completed key: headers that begin with the key's
// first word, matched by the commands the terminal builds, and their blocks.
// text is the grammar's (sectionTextFor).
void specialSearch(const Grammar& grammar, SectionText& text, const std::string& key,
                   SEARCHTYPE type, std::string& out, const SearchOptions& options);
// Types 4 to 6 with a completed key: the numbered and the named form of one
// access list.
void aclSearch(const Grammar& grammar, SectionText& text, const std::string& key, SEARCHTYPE type,
               std::string& out, const SearchOptions& options);

}  // namespace vexaparser::model

#endif  // VEXA_SRC_PARSER_MODEL_SECTION_SEARCH_H_
