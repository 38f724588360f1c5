#include "vexa/parser/command_flag.h"

namespace vexaparser {

std::set<std::string>& overwriteCommandKeys() {
  static std::set<std::string> keys;
  return keys;
}

}  // namespace vexaparser
