// The user's picks for a run and their variable files.

#include "vexa/designreader/ui_variable.h"

#include "vexa/host/pathname.h"
#include "vexa/host/platform.h"

namespace vexadr {

std::string UIVariableType::toString(int kind) {
  switch (kind) {
    case InterfaceList:
      return "UI_InterfaceList";
    case ProtocolList:
      return "UI_ProtocolList";
    case IPAddressList:
      return "UI_IPAddressList";
    case InterfaceNameList:
      return "UI_InterfaceNameList";
    default:
      return "UI_Unknown";
  }
}

UIVariableForDR::UIVariableForDR(const std::string& deviceName) : deviceName_(deviceName) {}

bool UIVariableForDR::addVariableValue(int kind, const std::string& value) {
  if (kind <= 0) return false;
  std::string bare = value;
  const size_t cr = bare.rfind('\r');
  if (cr != std::string::npos) bare.erase(cr);
  if (kind == UIVariableType::InterfaceList) {
    values_[kind].insert("interface " + bare);
    values_[UIVariableType::InterfaceNameList].insert(bare);
  } else {
    values_[kind].insert(bare);
  }
  return true;
}

bool UIVariableForDR::isEmpty(int kind) const {
  const auto it = values_.find(kind);
  return it == values_.end() || it->second.empty();
}

bool UIVariableForDR::save(const std::string& folder) const {
  const vexahost::Pathname place(folder);
  if (!place.isDirectory()) return false;
  for (const auto& [kind, values] : values_) {
    if (values.empty()) continue;
    std::string text;
    for (const std::string& value : values) text += value + "\r\n";
    vexahost::Pathname(folder + vexahost::kPathSeparator + UIVariableType::toString(kind) + ".txt")
        .writeAll(text);
  }
  return true;
}

}  // namespace vexadr
