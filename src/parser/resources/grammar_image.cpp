#include "parser/resources/grammar_image.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <unordered_map>
#include <unistd.h>
#include <utility>
#include <vector>

#include "vexa/host/file_update.h"
#include "vexa/host/platform.h"
#include "vexa/host/vexa_file_system.h"

namespace vexaparser {

namespace {

// Changed whenever the layout below changes.
constexpr char kMagic[8] = {'V', 'X', 'G', 'I', 'M', 'G', '0', '1'};
constexpr uint32_t kNoNode = UINT32_MAX;


// A fast 64-bit hash of bytes, eight at a time: images are told apart by
// it, not defended against anyone.
class Hash {
 public:
  void add(const char* data, std::size_t size) {
    std::size_t i = 0;
    for (; i + 8 <= size; i += 8) {
      uint64_t word;
      std::memcpy(&word, data + i, 8);
      mix(word);
    }
    uint64_t tail = size;
    for (; i < size; ++i) tail = (tail << 8) | static_cast<unsigned char>(data[i]);
    mix(tail);
  }
  void add(std::string_view text) { add(text.data(), text.size()); }
  void add(uint64_t value) { mix(value); }
  uint64_t value() const { return state_ ^ (state_ >> 29); }

 private:
  void mix(uint64_t word) {
    state_ ^= word;
    state_ *= 0x9E3779B97F4A7C15ULL;
    state_ = (state_ << 31) | (state_ >> 33);
  }
  uint64_t state_ = 0xCBF29CE484222325ULL;
};

class Writer {
 public:
  void u8(uint8_t v) { out.push_back(static_cast<char>(v)); }
  void u32(uint32_t v) { out.append(reinterpret_cast<const char*>(&v), 4); }
  void u64(uint64_t v) { out.append(reinterpret_cast<const char*>(&v), 8); }
  void str(const std::string& s) {
    u32(static_cast<uint32_t>(s.size()));
    out += s;
  }
  std::string out;
};

// Reads what Writer wrote; any read past the end marks the reader bad and
// gives zeros and empty texts from then on.
class Reader {
 public:
  Reader(const char* data, std::size_t size) : at_(data), end_(data + size) {}
  bool good() const { return good_; }
  bool atEnd() const { return at_ == end_; }
  uint8_t u8() {
    if (!take(1)) return 0;
    return static_cast<uint8_t>(at_[-1]);
  }
  uint32_t u32() {
    uint32_t v = 0;
    if (take(4)) std::memcpy(&v, at_ - 4, 4);
    return v;
  }
  uint64_t u64() {
    uint64_t v = 0;
    if (take(8)) std::memcpy(&v, at_ - 8, 8);
    return v;
  }
  std::string_view str() {
    const uint32_t size = u32();
    if (!take(size)) return {};
    return {at_ - size, size};
  }
  // A count of items that each take at least least bytes: bad when the rest
  // of the image cannot hold them.
  uint32_t count(std::size_t least) {
    const uint32_t n = u32();
    if (static_cast<std::size_t>(end_ - at_) / least < n) good_ = false;
    return good_ ? n : 0;
  }

 private:
  bool take(std::size_t n) {
    if (!good_ || static_cast<std::size_t>(end_ - at_) < n) {
      good_ = false;
      return false;
    }
    at_ += n;
    return true;
  }
  const char* at_;
  const char* end_;
  bool good_ = true;
};

// The file this library was loaded from (the program itself when it is
// linked in); empty when it cannot be told.
std::string libraryFile() {
  Dl_info self{};
  if (dladdr(reinterpret_cast<void*>(&libraryFile), &self) == 0 || self.dli_fname == nullptr) {
    return std::string();
  }
  return self.dli_fname;
}

}  // namespace

// The parts of a grammar an image holds, in the order they are written.
class GrammarImageCodec {
 public:
  static void write(const Grammar& g, Writer& w);
  static bool read(Grammar& g, const char* data, std::size_t size);

 private:
  using ChildMap = ParserTreeNode::ChildMap;
  using HelpMap = ParserTreeNode::HelpMap;
};

std::string GrammarImage::imagePath(const std::string& resourceFolder) {
  const std::string folder = vexahost::VexaFileSystem::GetCacheFolder();
  if (folder.empty()) return folder;
  std::error_code absent;
  const std::string full = std::filesystem::absolute(resourceFolder, absent).string();
  // One image per resource folder and library: two builds side by side do
  // not take turns rewriting one file.
  Hash name;
  name.add(full);
  name.add(libraryFile());
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(name.value()));
  return folder + "grammar-" + hex + ".img";
}

std::atomic<int64_t>& GrammarImage::settleNanos() {
  static std::atomic<int64_t> nanos{2'000'000'000};
  return nanos;
}

uint64_t GrammarImage::fingerprint(const std::string& resourceFolder) {
  Hash hash;
  hash.add(std::string_view(kMagic, sizeof kMagic));
  // A file changed less than settleNanos ago may change again without its
  // times showing it (they tick coarsely): no image is used meanwhile.
  const int64_t now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                          std::chrono::system_clock::now().time_since_epoch())
                          .count();
  const int64_t settled = now - settleNanos().load();
  bool racy = false;
  const auto addFile = [&hash, &racy, settled](const std::string& name, const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) return;
    hash.add(name);
    hash.add(static_cast<uint64_t>(info.st_size));
    hash.add(static_cast<uint64_t>(info.st_ino));
    for (const auto& t : {info.st_mtim, info.st_ctim}) {
      const int64_t nanos = t.tv_sec * 1'000'000'000LL + t.tv_nsec;
      hash.add(static_cast<uint64_t>(nanos));
      if (nanos > settled) racy = true;
    }
  };
  // This library: a rebuilt one may read the files otherwise.
  const std::string library = libraryFile();
  if (!library.empty()) addFile(library, library);
  // Every file below "files/" by name, size, inode and times, in name order.
  std::string files = resourceFolder;
  if (!files.empty() && files.back() != vexahost::kPathSeparator) {
    files += vexahost::kPathSeparator;
  }
  files += "files";
  std::vector<std::string> paths;
  std::error_code error;
  for (std::filesystem::recursive_directory_iterator it(files, error), end; !error && it != end;
       it.increment(error)) {
    if (it->is_regular_file(error)) paths.push_back(it->path().string());
  }
  std::sort(paths.begin(), paths.end());
  hash.add(static_cast<uint64_t>(paths.size()));
  for (const std::string& path : paths) addFile(path.substr(files.size()), path);
  return racy ? kRacy : hash.value();
}

bool GrammarImage::write(const Grammar& grammar, uint64_t fingerprint, const std::string& path) {
  if (path.empty()) return false;
  Writer body;
  GrammarImageCodec::write(grammar, body);
  Hash check;
  check.add(body.out);
  Writer image;
  image.out.reserve(sizeof kMagic + 24 + body.out.size());
  image.out.append(kMagic, sizeof kMagic);
  image.u64(fingerprint);
  image.u64(body.out.size());
  image.u64(check.value());
  image.out += body.out;
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
  std::string failure;
  return vexahost::replaceFileContents(path, image.out, failure);
}

std::shared_ptr<Grammar> GrammarImage::read(const std::string& resourceFolder,
                                            uint64_t fingerprint, const std::string& path) {
  if (path.empty()) return nullptr;
  // Mapped with its pages read in at once: the whole image is read anyway.
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat info {};
  void* mapped = MAP_FAILED;
  if (fstat(fd, &info) == 0 && info.st_size > 0) {
    mapped = mmap(nullptr, static_cast<std::size_t>(info.st_size), PROT_READ,
                  MAP_PRIVATE | MAP_POPULATE, fd, 0);
  }
  close(fd);
  if (mapped == MAP_FAILED) return nullptr;
  struct Unmap {
    void* at;
    std::size_t size;
    ~Unmap() { munmap(at, size); }
  } unmap{mapped, static_cast<std::size_t>(info.st_size)};
  const std::string_view image(static_cast<const char*>(mapped), unmap.size);
  constexpr std::size_t kHead = sizeof kMagic + 24;
  if (image.size() < kHead || std::memcmp(image.data(), kMagic, sizeof kMagic) != 0) {
    return nullptr;
  }
  Reader head(image.data() + sizeof kMagic, 24);
  const uint64_t printed = head.u64();
  const uint64_t size = head.u64();
  const uint64_t sum = head.u64();
  if (printed != fingerprint || size != image.size() - kHead) return nullptr;
  Hash check;
  check.add(image.data() + kHead, size);
  if (check.value() != sum) return nullptr;
  auto grammar = std::make_shared<Grammar>(resourceFolder);
  if (!GrammarImageCodec::read(*grammar, image.data() + kHead, size)) return nullptr;
  return grammar;
}

// ---- the codec ----

void GrammarImageCodec::write(const Grammar& g, Writer& w) {
  std::unordered_map<const ParserTreeNode*, uint32_t> index;
  index.reserve(g.pool_.size());
  for (const ParserTreeNode& node : g.pool_) {
    index.emplace(&node, static_cast<uint32_t>(index.size()));
  }
  const auto id = [&index](const ParserTreeNode* node) {
    if (node == nullptr) return kNoNode;
    auto it = index.find(node);
    return it == index.end() ? kNoNode : it->second;
  };
  const auto children = [&](const ChildMap& map) {
    w.u32(static_cast<uint32_t>(map.size()));
    for (const auto& [key, child] : map) {
      w.str(key);
      w.u32(id(child));
    }
  };
  const auto texts = [&](const HelpMap& map) {
    w.u32(static_cast<uint32_t>(map.size()));
    for (const auto& [key, text] : map) {
      w.str(key);
      w.str(text);
    }
  };
  w.u32(static_cast<uint32_t>(g.pool_.size()));
  for (const ParserTreeNode& node : g.pool_) {
    w.u8(static_cast<uint8_t>(node.modeMark | node.endMark << 1 | node.complexMark << 2 |
                              node.optionMember << 3));
    w.u32(node.letters);
    w.u32(static_cast<uint32_t>(node.complexCounter));
    w.u32(id(node.parent));
    w.str(node.modeFileName);
    w.str(node.modeName);
    w.str(node.argument);
    children(node.children);
    texts(node.helpMap);
    children(node.optionalChildren);
    w.u32(static_cast<uint32_t>(node.conflictList.size()));
    for (const std::string& key : node.conflictList) w.str(key);
    texts(node.keySet);
    children(node.optionChildren);
  }
  w.u32(static_cast<uint32_t>(g.modeTrees_.size()));
  for (const auto& [mode, tree] : g.modeTrees_) {
    w.u32(static_cast<uint32_t>(mode));
    w.u32(id(tree.root));
    children(tree.subModeFiles);
  }
  w.u32(static_cast<uint32_t>(g.modePrompts_.size()));
  for (const auto& [node, prompt] : g.modePrompts_) {
    w.u32(id(node));
    w.str(prompt);
  }
  w.u32(static_cast<uint32_t>(g.keyTables_.size()));
  for (const auto& [name, table] : g.keyTables_) {
    w.str(name);
    texts(table);
  }
  children(g.sharedModeFiles_);
  w.u32(static_cast<uint32_t>(g.commandOrder_.size()));
  for (const auto& [name, templates] : g.commandOrder_) {
    w.str(name);
    w.u32(static_cast<uint32_t>(templates.size()));
    for (const Grammar::OrderTemplate& templ : templates) {
      w.u32(static_cast<uint32_t>(templ.orderNo));
      w.u32(static_cast<uint32_t>(templ.path.size()));
      for (const auto& [node, ends] : templ.path) {
        w.u32(id(node));
        w.u8(ends ? 1 : 0);
      }
    }
  }
}

bool GrammarImageCodec::read(Grammar& g, const char* data, std::size_t size) {
  Reader r(data, size);
  const uint32_t count = r.count(40);
  std::vector<ParserTreeNode*> nodes;
  nodes.reserve(count);
  for (uint32_t i = 0; i < count; ++i) nodes.push_back(g.newNode());
  bool good = true;
  const auto node = [&](uint32_t at, bool nullable) -> ParserTreeNode* {
    if (at == kNoNode && nullable) return nullptr;
    if (at >= nodes.size()) {
      good = false;
      return nullptr;
    }
    return nodes[at];
  };
  // Maps are written in key order: each entry goes at the end.
  const auto children = [&](ChildMap& map) {
    const uint32_t n = r.count(8);
    for (uint32_t i = 0; i < n && good; ++i) {
      const std::string_view key = r.str();
      map.emplace_hint(map.end(), std::string(key), node(r.u32(), false));
    }
  };
  const auto texts = [&](HelpMap& map) {
    const uint32_t n = r.count(8);
    for (uint32_t i = 0; i < n; ++i) {
      const std::string_view key = r.str();
      const std::string_view text = r.str();
      map.emplace_hint(map.end(), std::string(key), std::string(text));
    }
  };
  for (ParserTreeNode* at : nodes) {
    if (!good || !r.good()) return false;
    ParserTreeNode& n = *at;
    const uint8_t marks = r.u8();
    n.modeMark = (marks & 1) != 0;
    n.endMark = (marks & 2) != 0;
    n.complexMark = (marks & 4) != 0;
    n.optionMember = (marks & 8) != 0;
    n.letters = r.u32();
    n.complexCounter = static_cast<int32_t>(r.u32());
    n.parent = node(r.u32(), true);
    n.modeFileName = r.str();
    n.modeName = r.str();
    n.argument = r.str();
    children(n.children);
    texts(n.helpMap);
    children(n.optionalChildren);
    const uint32_t conflicts = r.count(4);
    for (uint32_t k = 0; k < conflicts; ++k) {
      n.conflictList.emplace_hint(n.conflictList.end(), r.str());
    }
    texts(n.keySet);
    children(n.optionChildren);
  }
  const uint32_t trees = r.count(12);
  for (uint32_t i = 0; i < trees && good; ++i) {
    const auto mode = static_cast<VTYModeType>(r.u32());
    ParserTree tree;
    tree.root = node(r.u32(), false);
    children(tree.subModeFiles);
    g.modeTrees_[mode] = std::move(tree);
  }
  const uint32_t prompts = r.count(8);
  for (uint32_t i = 0; i < prompts && good; ++i) {
    const ParserTreeNode* at = node(r.u32(), false);
    g.modePrompts_[at] = r.str();
  }
  const uint32_t tables = r.count(8);
  for (uint32_t i = 0; i < tables; ++i) {
    const std::string name(r.str());
    Grammar::KeyTable table;
    texts(table);
    g.setKeyTable(name, std::move(table));
  }
  children(g.sharedModeFiles_);
  Grammar::CommandOrderTable order;
  const uint32_t files = r.count(8);
  for (uint32_t i = 0; i < files && good; ++i) {
    std::vector<Grammar::OrderTemplate>& templates = order[std::string(r.str())];
    templates.resize(r.count(8));
    for (Grammar::OrderTemplate& templ : templates) {
      templ.orderNo = static_cast<int32_t>(r.u32());
      templ.path.resize(r.count(5));
      for (auto& [at, ends] : templ.path) {
        at = node(r.u32(), false);
        ends = r.u8() != 0;
      }
    }
  }
  g.setCommandOrder(std::move(order));
  return good && r.good() && r.atEnd();
}

}  // namespace vexaparser
