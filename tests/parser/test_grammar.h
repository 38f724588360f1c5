// Grammars for the tests: loaded with loadGrammar from a resource folder and
// kept for the rest of the process, since loading is the expensive part and
// tests only read a grammar.
#ifndef VEXA_TESTS_PARSER_TEST_GRAMMAR_H_
#define VEXA_TESTS_PARSER_TEST_GRAMMAR_H_

#include <map>
#include <memory>
#include <string>

#include "vexa/parser/grammar_loader.h"

namespace vexaparser::testing {

// The grammar of folder (holding "files/"), the command flag file included.
// Never null; without mode files it has no mode trees.
inline std::shared_ptr<Grammar> testGrammar(const std::string& folder) {
  static std::map<std::string, std::shared_ptr<Grammar>> loaded;
  std::shared_ptr<Grammar>& grammar = loaded[folder];
  if (grammar == nullptr) grammar = loadGrammar(GrammarOptions{folder, true}).grammar;
  return grammar;
}

// The device grammar of the source tree's resources/.
inline std::shared_ptr<Grammar> productGrammar() { return testGrammar(VEXA_SOURCE_RESOURCE_DIR); }

}  // namespace vexaparser::testing

#endif  // VEXA_TESTS_PARSER_TEST_GRAMMAR_H_
