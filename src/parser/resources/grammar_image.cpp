#include "parser/resources/grammar_image.h"

#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string_view>
#include <system_error>
#include <unordered_map>
#include <utility>
#include <vector>

#include "parser/model/side_by_side.h"
#include "vexa/host/file_update.h"
#include "vexa/host/platform.h"
#include "vexa/host/vexa_file_system.h"

namespace vexaparser {

namespace {

// Changed whenever the layout below changes.
constexpr char kMagic[8] = {'V', 'X', 'G', 'I', 'M', 'G', '0', '2'};
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
  const char* position() const { return at_; }
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
  // Reads an image's body into g; alongFirst and alongSecond (both given)
  // run first on the two threads that decode the halves of the nodes (both
  // run, once each, whatever the image holds).
  static bool read(Grammar& g, const char* data, std::size_t size,
                   const std::function<void()>& alongFirst,
                   const std::function<void()>& alongSecond);

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

namespace {

// A file below the folder "files" and what the fingerprint takes of it.
struct ListedFile {
  std::string name;  // relative to "files"
  struct stat info;
};

// Every regular file below the open folder dirFd (symbolic links to files
// included, linked folders not entered), named prefix + its relative path.
// Takes over dirFd.
void listFiles(int dirFd, const std::string& prefix, std::vector<ListedFile>& out) {
  DIR* dir = fdopendir(dirFd);
  if (dir == nullptr) {
    close(dirFd);
    return;
  }
  while (const dirent* entry = readdir(dir)) {
    const char* name = entry->d_name;
    if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) continue;
    ListedFile file{prefix + name, {}};
    if (fstatat(dirfd(dir), name, &file.info, 0) != 0) continue;
    if (S_ISREG(file.info.st_mode)) {
      out.push_back(std::move(file));
    } else if (S_ISDIR(file.info.st_mode)) {
      const int sub = openat(dirfd(dir), name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
      if (sub >= 0) listFiles(sub, file.name + vexahost::kPathSeparator, out);
    }
  }
  closedir(dir);
}

}  // namespace

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
  const auto addFile = [&hash, &racy, settled](std::string_view name, const struct stat& info) {
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
  struct stat libraryInfo {};
  if (!library.empty() && stat(library.c_str(), &libraryInfo) == 0) addFile(library, libraryInfo);
  // Every file below "files/" by name, size, inode and times, in name
  // order.  Read with the directory calls themselves: the fingerprint is
  // taken on every start, while the image is decoded.
  std::string files = resourceFolder;
  if (!files.empty() && files.back() != vexahost::kPathSeparator) {
    files += vexahost::kPathSeparator;
  }
  files += "files";
  std::vector<ListedFile> listed;
  const int top = open(files.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (top >= 0) listFiles(top, std::string(1, vexahost::kPathSeparator), listed);
  std::sort(listed.begin(), listed.end(),
            [](const ListedFile& a, const ListedFile& b) { return a.name < b.name; });
  hash.add(static_cast<uint64_t>(listed.size()));
  for (const ListedFile& file : listed) addFile(file.name, file.info);
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
  uint64_t taken = 0;
  return readTaking(resourceFolder, path, [fingerprint] { return fingerprint; }, taken, {});
}

std::shared_ptr<Grammar> GrammarImage::readCurrent(const std::string& resourceFolder,
                                                   const std::string& path, uint64_t& fingerprint,
                                                   const std::function<void()>& alongside) {
  return readTaking(
      resourceFolder, path, [&resourceFolder] { return GrammarImage::fingerprint(resourceFolder); },
      fingerprint, alongside);
}

std::shared_ptr<Grammar> GrammarImage::readTaking(const std::string& resourceFolder,
                                                  const std::string& path,
                                                  const std::function<uint64_t()>& take,
                                                  uint64_t& fingerprint,
                                                  const std::function<void()>& alongside) {
  // The fingerprint is taken while the image is decoded, and the checksum
  // summed (with the caller's work): an image that turns out not to fit is
  // then dropped.
  bool taken = false;
  const auto takeOnce = [&] {
    if (!taken) fingerprint = take();
    taken = true;
  };
  bool along = false;
  const auto alongOnce = [&] {
    if (!along && alongside) alongside();
    along = true;
  };
  const auto none = [&takeOnce, &alongOnce]() -> std::shared_ptr<Grammar> {
    takeOnce();
    alongOnce();
    return nullptr;
  };
  if (path.empty()) return none();
  // Mapped with its pages read in at once: the whole image is read anyway.
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return none();
  struct stat info {};
  void* mapped = MAP_FAILED;
  if (fstat(fd, &info) == 0 && info.st_size > 0) {
    mapped = mmap(nullptr, static_cast<std::size_t>(info.st_size), PROT_READ,
                  MAP_PRIVATE | MAP_POPULATE, fd, 0);
  }
  close(fd);
  if (mapped == MAP_FAILED) return none();
  // The grammar keeps the image: its nodes read their help texts from it
  // when first asked for.
  const auto mappedSize = static_cast<std::size_t>(info.st_size);
  const std::shared_ptr<const void> kept(mapped,
                                         [mappedSize](const void* at) {
                                           munmap(const_cast<void*>(at), mappedSize);
                                         });
  const std::string_view image(static_cast<const char*>(mapped), mappedSize);
  constexpr std::size_t kHead = sizeof kMagic + 24;
  if (image.size() < kHead || std::memcmp(image.data(), kMagic, sizeof kMagic) != 0) {
    return none();
  }
  Reader head(image.data() + sizeof kMagic, 24);
  const uint64_t printed = head.u64();
  const uint64_t size = head.u64();
  const uint64_t sum = head.u64();
  if (size != image.size() - kHead) return none();
  bool summed = false;
  auto grammar = std::make_shared<Grammar>(resourceFolder);
  const bool read = GrammarImageCodec::read(*grammar, image.data() + kHead, size, takeOnce, [&] {
    Hash check;
    check.add(image.data() + kHead, size);
    summed = check.value() == sum;
    alongOnce();
  });
  if (!read || !summed || fingerprint == kRacy || fingerprint != printed) return nullptr;
  // Its pages are read again from the file when asked for, not kept in
  // this process's memory meanwhile.
  madvise(mapped, mappedSize, MADV_DONTNEED);
  grammar->keepImage(kept);
  return grammar;
}

// ---- the codec ----

void GrammarImageCodec::write(const Grammar& g, Writer& w) {
  // Nodes are numbered in the order they were made.
  std::vector<const ParserTreeNode*> all;
  all.reserve(g.nodeCount());
  for (const ParserTreeNode& node : g.pool_) all.push_back(&node);
  for (const Grammar::NodeBlock& block : g.blocks_) {
    for (std::size_t i = 0; i < block.size(); ++i) all.push_back(block.at(i));
  }
  std::unordered_map<const ParserTreeNode*, uint32_t> index;
  index.reserve(all.size());
  for (const ParserTreeNode* node : all) index.emplace(node, static_cast<uint32_t>(index.size()));
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
  const std::size_t count = all.size();
  w.u32(static_cast<uint32_t>(count));
  // Where the second half of the node records starts: a reader decodes the
  // two halves side by side.
  const std::size_t secondAtField = w.out.size();
  w.u32(0);
  std::size_t written = 0;
  for (const ParserTreeNode* each : all) {
    const ParserTreeNode& node = *each;
    if (written++ == count / 2) {
      const auto at = static_cast<uint32_t>(w.out.size());
      std::memcpy(&w.out[secondAtField], &at, 4);
    }
    w.u8(static_cast<uint8_t>(node.modeMark | node.endMark << 1 | node.complexMark << 2 |
                              node.optionMember << 3));
    w.u32(node.letters);
    w.u32(static_cast<uint32_t>(node.complexCounter));
    w.u32(id(node.parent));
    w.str(node.modeFileName);
    w.str(node.modeName);
    w.str(node.argument);
    children(node.children);
    texts(node.helps());
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

namespace {

// A map of texts as Writer::str pairs after a count; each entry goes at the
// end (maps are written in key order).
void readTexts(Reader& r, ParserTreeNode::HelpMap& map) {
  const uint32_t n = r.count(8);
  for (uint32_t i = 0; i < n; ++i) {
    const std::string_view key = r.str();
    const std::string_view text = r.str();
    map.emplace_hint(map.end(), std::string(key), std::string(text));
  }
}

// A node's help texts, read when first asked for.
void readHelpRecord(const char* at, uint32_t size, ParserTreeNode::HelpMap& into) {
  Reader r(at, size);
  readTexts(r, into);
}

// Decodes node records into nodes made beforehand; a record names other
// nodes by their number.  Any bad number or read past the end marks it bad.
class NodeDecoder {
 public:
  NodeDecoder(const std::vector<ParserTreeNode*>& nodes, Reader reader)
      : r(reader), nodes_(nodes) {}

  // Where the decoder stands in the image: what follows its records is read
  // through it.
  Reader r;

  bool good() const { return good_ && r.good(); }

  ParserTreeNode* node(uint32_t at, bool nullable) {
    if (at == kNoNode && nullable) return nullptr;
    if (at >= nodes_.size()) {
      good_ = false;
      return nullptr;
    }
    return nodes_[at];
  }

  // Maps are written in key order: each entry goes at the end.
  void children(ParserTreeNode::ChildMap& map) {
    const uint32_t n = r.count(8);
    for (uint32_t i = 0; i < n && good_; ++i) {
      const std::string_view key = r.str();
      map.emplace_hint(map.end(), std::string(key), node(r.u32(), false));
    }
  }

  void texts(ParserTreeNode::HelpMap& map) { readTexts(r, map); }

  void skipTexts() {
    const uint32_t n = r.count(8);
    for (uint32_t i = 0; i < n; ++i) {
      r.str();
      r.str();
    }
  }

  // The records of nodes from up to to, one after the other.
  bool records(std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < to; ++i) {
      if (!good()) return false;
      ParserTreeNode& n = *nodes_[i];
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
      // The help texts are read when first asked for (help listings only).
      const char* const helpAt = r.position();
      skipTexts();
      n.helpsFromRecord(helpAt, static_cast<uint32_t>(r.position() - helpAt), readHelpRecord);
      children(n.optionalChildren);
      const uint32_t conflicts = r.count(4);
      for (uint32_t k = 0; k < conflicts; ++k) {
        n.conflictList.emplace_hint(n.conflictList.end(), r.str());
      }
      texts(n.keySet);
      children(n.optionChildren);
    }
    return good();
  }

 private:
  const std::vector<ParserTreeNode*>& nodes_;
  bool good_ = true;
};

// From this many nodes on, the two halves of the records are decoded side
// by side: the grammar's nodes hold most of what starting a terminal costs.
constexpr uint32_t kHalvesFromNodes = 1024;

}  // namespace

bool GrammarImageCodec::read(Grammar& g, const char* data, std::size_t size,
                             const std::function<void()>& alongFirst,
                             const std::function<void()>& alongSecond) {
  Reader r(data, size);
  const uint32_t count = r.count(40);
  const uint32_t secondAt = r.u32();
  if (!r.good() || secondAt < r.position() - data || secondAt > size) {
    alongFirst();
    alongSecond();
    return false;
  }
  // Two blocks of nodes, each made and filled by one thread: a record names
  // nodes of either half by address, made or not.
  const uint32_t half = count / 2;
  Grammar::NodeBlock firstNodes(half);
  Grammar::NodeBlock secondNodes(count - half);
  std::vector<ParserTreeNode*> nodes;
  nodes.reserve(count);
  for (uint32_t i = 0; i < half; ++i) nodes.push_back(firstNodes.at(i));
  for (uint32_t i = 0; i < count - half; ++i) nodes.push_back(secondNodes.at(i));
  // The first half must end where the second begins.
  NodeDecoder first(nodes, r);
  NodeDecoder second(nodes, Reader(data + secondAt, size - secondAt));
  bool firstGood = false;
  bool secondGood = false;
  model::sideBySide(
      count >= kHalvesFromNodes,
      [&] {
        alongFirst();
        firstNodes.makeAll();
        firstGood = first.records(0, half);
      },
      [&] {
        alongSecond();
        secondNodes.makeAll();
        secondGood = second.records(half, count);
      },
      // The nodes take about three times the room of their records.
      3 * (size - secondAt));
  g.adoptNodes(std::move(firstNodes));
  g.adoptNodes(std::move(secondNodes));
  if (!firstGood || !secondGood || first.r.position() != data + secondAt) return false;
  NodeDecoder rest(nodes, second.r);
  Reader& in = rest.r;
  const uint32_t trees = in.count(12);
  for (uint32_t i = 0; i < trees && rest.good(); ++i) {
    const auto mode = static_cast<VTYModeType>(in.u32());
    ParserTree tree;
    tree.root = rest.node(in.u32(), false);
    rest.children(tree.subModeFiles);
    g.modeTrees_[mode] = std::move(tree);
  }
  const uint32_t prompts = in.count(8);
  for (uint32_t i = 0; i < prompts && rest.good(); ++i) {
    const ParserTreeNode* at = rest.node(in.u32(), false);
    g.modePrompts_[at] = in.str();
  }
  const uint32_t tables = in.count(8);
  for (uint32_t i = 0; i < tables; ++i) {
    const std::string name(in.str());
    Grammar::KeyTable table;
    rest.texts(table);
    g.setKeyTable(name, std::move(table));
  }
  rest.children(g.sharedModeFiles_);
  Grammar::CommandOrderTable order;
  const uint32_t files = in.count(8);
  for (uint32_t i = 0; i < files && rest.good(); ++i) {
    std::vector<Grammar::OrderTemplate>& templates = order[std::string(in.str())];
    templates.resize(in.count(8));
    for (Grammar::OrderTemplate& templ : templates) {
      templ.orderNo = static_cast<int32_t>(in.u32());
      templ.path.resize(in.count(5));
      for (auto& [at, ends] : templ.path) {
        at = rest.node(in.u32(), false);
        ends = in.u8() != 0;
      }
    }
  }
  g.setCommandOrder(std::move(order));
  return rest.good() && in.atEnd();
}

}  // namespace vexaparser
