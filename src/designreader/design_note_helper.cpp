// Filter settings: device types to filter types to library folders, and the
// default script of each filter kind, from the design reader's ini files.

#include "vexa/designreader/design_note_helper.h"

#include <cstdlib>
#include <list>
#include <map>

#include "vexa/host/conf.h"

namespace vexadr {

namespace {

constexpr char kFilterIni[] = "fix_DesignFilter.ini";
constexpr char kReaderIni[] = "fix_designreader.ini";
constexpr char kDevTypeSection[] = "DevTypeToFilter";
constexpr char kFolderSection[] = "FilterTypeToDir";
constexpr char kDefaultSection[] = "DEFAULT_SCRIFILE";
// Firewalls have keys of their own in the default-script section.
constexpr int kFirewallFilterType = 2;
constexpr size_t kFolderBuffer = 256;
constexpr size_t kDefaultBuffer = 512;

struct Caches {
  std::map<int, int> filterByDevType;
  std::map<int, std::string> folderByFilter;
  std::map<std::string, int> filterByFolder;
};

Caches& caches() {
  static Caches value;
  return value;
}

// The decimal number at the start of a key (optional sign); 0 without one.
int keyNumber(const std::string& key) {
  return static_cast<int>(std::strtol(key.c_str(), nullptr, 10));
}

// Calls visit(number, key) for each key of section whose number is not 0,
// in file order; nothing when the ini file is missing.
template <typename Visit>
void forEachNumberedKey(const vexahost::CConf& conf, const char* section, Visit visit) {
  std::list<std::string> keys;
  if (!conf.IsFileExist() || !conf.GetIniSectionAllKey(section, keys)) return;
  for (const std::string& key : keys) {
    const int number = keyNumber(key);
    if (number != 0) visit(number, key);
  }
}

vexahost::CConf filterIni() {
  vexahost::CConf conf;
  conf.SetConfFileName(kFilterIni);
  return conf;
}

std::string folderValue(const vexahost::CConf& conf, const std::string& key) {
  char buffer[kFolderBuffer] = {};
  conf.GetStringValue(kFolderSection, key, buffer, sizeof(buffer), nullptr);
  return buffer;
}

void fillDevTypeCache() {
  const vexahost::CConf conf = filterIni();
  forEachNumberedKey(conf, kDevTypeSection, [&](int number, const std::string& key) {
    caches().filterByDevType[number] = conf.GetIntValue(kDevTypeSection, key, 0);
  });
}

// The two caches filled from the folder section.
enum class FolderCache { kFolderByFilter, kFilterByFolder };

void fillFolderCache(FolderCache which) {
  const vexahost::CConf conf = filterIni();
  forEachNumberedKey(conf, kFolderSection, [&](int number, const std::string& key) {
    const std::string folder = folderValue(conf, key);
    if (which == FolderCache::kFolderByFilter) {
      caches().folderByFilter[number] = folder;
    } else {
      caches().filterByFolder[folder] = number;
    }
  });
}

// The key pair of the default-script section for a filter kind.
struct KeyPair {
  const char* name;
  const char* path;
};

KeyPair defaultKeys(int filterKind, bool firewall) {
  static const KeyPair kFirewallName = {"pix_interface_name", "pix_interface_name_path"};
  switch (filterKind) {
    case 1:
      return firewall ? kFirewallName : KeyPair{"interface_file_name", "interface_file_path"};
    case 2:
      return firewall ? kFirewallName : KeyPair{"protocol_file_name", "protocol_file_path"};
    case 5:
      return firewall ? KeyPair{"pix_interface_ip", "pix_interface_ip_path"}
                      : KeyPair{"interface_ip", "interface_ip_path"};
    case 6:
      return firewall ? KeyPair{"pix_interface_acl", "pix_interface_acl_path"}
                      : KeyPair{"interface_acl", "interface_acl_path"};
    case 7:
      return firewall ? kFirewallName : KeyPair{"interface_multicast", "interface_multicast_path"};
    case 8:
      return firewall ? kFirewallName : KeyPair{"interface_mpls", "interface_mpls_path"};
    case 9:
      return firewall ? kFirewallName : KeyPair{"interface_bgp_ip", "interface_bgp_ip_path"};
    case 10:
      return firewall ? KeyPair{"pix_interface_neighbor_name", "pix_interface_neighbor_path"}
                      : KeyPair{"interface_neighbor_name", "interface_neighbor_path"};
    case 11:
      return firewall ? KeyPair{"pix_protocol_neighbor_name", "pix_protocol_neighbor_path"}
                      : KeyPair{"protocol_neighbor_name", "protocol_neighbor_path"};
    default:  // 3, 4 and every other kind
      return firewall ? kFirewallName : KeyPair{"file_name", "file_path"};
  }
}

std::string defaultValue(const vexahost::CConf& conf, const char* key) {
  char buffer[kDefaultBuffer] = {};
  conf.GetStringValue(kDefaultSection, key, buffer, sizeof(buffer), nullptr);
  return buffer;
}

}  // namespace

int CDesignNoteHelper::GetDeginFilterTypeByDevType(int deviceType) {
  if (caches().filterByDevType.empty()) fillDevTypeCache();
  const auto it = caches().filterByDevType.find(deviceType);
  return it == caches().filterByDevType.end() ? 0 : it->second;
}

std::string CDesignNoteHelper::GetDeginFilterDirByType(int filterType) {
  if (caches().folderByFilter.empty()) fillFolderCache(FolderCache::kFolderByFilter);
  const auto it = caches().folderByFilter.find(filterType);
  return it == caches().folderByFilter.end() ? std::string() : it->second;
}

int CDesignNoteHelper::GetDeginFilterTypeByDir(const std::string& folder) {
  if (caches().filterByFolder.empty()) fillFolderCache(FolderCache::kFilterByFolder);
  const auto it = caches().filterByFolder.find(folder);
  return it == caches().filterByFolder.end() ? 0 : it->second;
}

bool CDesignNoteHelper::GetDefaultFilter(int filterKind, int deviceType, std::string& fileName,
                                         std::string& filePath) {
  const vexahost::CConf conf(kReaderIni);
  if (!conf.IsFileExist()) return false;
  const bool firewall = GetDeginFilterTypeByDevType(deviceType) == kFirewallFilterType;
  const KeyPair keys = defaultKeys(filterKind, firewall);
  fileName = defaultValue(conf, keys.name);
  filePath = defaultValue(conf, keys.path);
  return true;
}

void CDesignNoteHelper::resetCaches() { caches() = Caches(); }

}  // namespace vexadr
