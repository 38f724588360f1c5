#include "vexa/host/conf.h"

#include <cctype>
#include <climits>
#include <cstring>

#include "vexa/host/pathname.h"
#include "vexa/host/platform.h"
#include "vexa/host/vexa_file_system.h"

namespace vexahost {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string trim(const std::string& text, std::size_t begin, std::size_t end) {
  while (begin < end && isBlank(text[begin])) ++begin;
  while (end > begin && isBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

bool equalsNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

bool hasSeparator(const std::string& name) {
  return name.find('/') != std::string::npos || name.find(kPathSeparator) != std::string::npos;
}

}  // namespace

CConf::CConf() = default;

CConf::CConf(const std::string& fileName) { SetConfFileName(fileName); }

void CConf::SetConfFileName(const std::string& fileName) {
  sections_.clear();
  exists_ = false;
  path_ = hasSeparator(fileName) || fileName.empty()
              ? fileName
              : VexaFileSystem::GetSystemResourceFolder() + fileName;
  const Pathname file(path_);
  std::string text;
  if (file.isDirectory() || !file.readAll(text)) return;
  exists_ = true;
  parse(text);
}

bool CConf::IsFileExist() const { return exists_; }

void CConf::parse(const std::string& text) {
  std::size_t pos = 0;
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) pos = 3;
  Section* current = nullptr;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    const std::size_t next = end + 1;
    if (end > pos && text[end - 1] == '\r') --end;
    const std::string line = trim(text, pos, end);
    pos = next;

    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line[0] == '[') {
      // "[name]"; text after "]" is ignored, a missing "]" ends at the line end.
      std::size_t close = line.find(']');
      if (close == std::string::npos) close = line.size();
      const std::string name = trim(line, 1, close);
      current = nullptr;
      // A section that appears again continues the first one.
      for (Section& section : sections_) {
        if (equalsNoCase(section.name, name)) current = &section;
      }
      if (current == nullptr) {
        sections_.push_back(Section{name, {}});
        current = &sections_.back();
      }
      continue;
    }
    // Lines before the first section and lines without "=" belong to no key.
    const std::size_t equals = line.find('=');
    if (current == nullptr || equals == std::string::npos) continue;
    std::string key = trim(line, 0, equals);
    if (key.empty()) continue;
    bool seen = false;
    for (const Entry& entry : current->entries) {
      if (equalsNoCase(entry.key, key)) seen = true;
    }
    if (!seen)
      current->entries.push_back(Entry{std::move(key), trim(line, equals + 1, line.size())});
  }
}

const CConf::Section* CConf::findSection(const std::string& name) const {
  for (const Section& section : sections_) {
    if (equalsNoCase(section.name, name)) return &section;
  }
  return nullptr;
}

const CConf::Entry* CConf::findEntry(const std::string& section, const std::string& key) const {
  const Section* found = findSection(section);
  if (found == nullptr) return nullptr;
  for (const Entry& entry : found->entries) {
    if (equalsNoCase(entry.key, key)) return &entry;
  }
  return nullptr;
}

bool CConf::GetIniSectionAllKey(const std::string& section, std::list<std::string>& keys) const {
  keys.clear();
  const Section* found = findSection(section);
  if (found == nullptr) return false;
  for (const Entry& entry : found->entries) keys.push_back(entry.key);
  return true;
}

bool CConf::GetIniSectionAllKey(const std::string& section, std::vector<std::string>& keys) const {
  keys.clear();
  const Section* found = findSection(section);
  if (found == nullptr) return false;
  for (const Entry& entry : found->entries) keys.push_back(entry.key);
  return true;
}

bool CConf::GetStringValue(const std::string& section, const std::string& key, char* buffer,
                           std::size_t size, const char* defaultValue) const {
  const Entry* entry = findEntry(section, key);
  if (buffer != nullptr && size > 0) {
    const char* source = nullptr;
    std::size_t length = 0;
    if (entry != nullptr) {
      source = entry->value.data();
      length = entry->value.size();
    } else if (defaultValue != nullptr) {
      source = defaultValue;
      length = std::strlen(defaultValue);
    }
    if (length > size - 1) length = size - 1;
    if (length > 0) std::memcpy(buffer, source, length);
    buffer[length] = '\0';
  }
  return entry != nullptr;
}

std::string CConf::GetStringValue(const std::string& section, const std::string& key,
                                  const std::string& defaultValue) const {
  const Entry* entry = findEntry(section, key);
  return entry != nullptr ? entry->value : defaultValue;
}

int CConf::GetIntValue(const std::string& section, const std::string& key, int defaultValue) const {
  const Entry* entry = findEntry(section, key);
  if (entry == nullptr) return defaultValue;
  const std::string& value = entry->value;
  std::size_t i = 0;
  bool negative = false;
  if (i < value.size() && (value[i] == '+' || value[i] == '-')) {
    negative = value[i] == '-';
    ++i;
  }
  if (i >= value.size() || !std::isdigit(static_cast<unsigned char>(value[i]))) {
    return defaultValue;
  }
  // Values beyond the range of int stop at its limits; the magnitude may reach
  // INT_MAX + 1 so that INT_MIN is read exactly.
  long long number = 0;
  for (; i < value.size() && std::isdigit(static_cast<unsigned char>(value[i])); ++i) {
    number = number * 10 + (value[i] - '0');
    if (number > static_cast<long long>(INT_MAX) + 1) number = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) return static_cast<int>(-number);
  return number > INT_MAX ? INT_MAX : static_cast<int>(number);
}

}  // namespace vexahost
