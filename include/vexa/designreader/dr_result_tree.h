// DRResultTree and LineFormat: the findings of a design-reader run, read
// from the result file that the generated Perl program writes.
//
// A result file holds one finding per line.  "N:::text" is configuration
// line N; a line without ":::" is plain text (number -1).  A numbered line
// may carry a tag: "N:::text !#tag#NOTE#LineNumbers#COUNT" (opening kind)
// or "N:::text !#tag_close#NOTE#LineNumbers#COUNT" (closing kind); the lines
// that follow it, up to COUNT of them and none numbered above N + COUNT,
// form its paragraph, read into the line's sub-tree (nested tags nest).
// Backspace characters read as blanks.
//
// The host walks the tree to show findings; DesignNoteParser builds trees
// from runs and turns them back into configuration-like text
// (BuildSyntaxStringFromTree).  Parsing never fails: unreadable files give
// empty trees, cut-short paragraphs keep what was read.
#ifndef VEXA_DESIGNREADER_DR_RESULT_TREE_H_
#define VEXA_DESIGNREADER_DR_RESULT_TREE_H_

#include <istream>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vexadr {

class DRResultTree;

// One line of a result file.
class LineFormat {
 public:
  // Parses one line (without its line end).
  explicit LineFormat(const std::string& line);
  ~LineFormat();
  LineFormat(const LineFormat&) = delete;
  LineFormat& operator=(const LineFormat&) = delete;

  // The display text: the text of the line, followed by " !" and the note
  // of a tagged line when the note is not empty.
  std::string text;
  // The number before ":::" (its leading digits, 0 without any); -1 for a
  // plain line.
  int number = -1;
  // The count of a tagged line; 0 otherwise.
  int lineCount = 0;
  // 0 untagged or plain, 1 opening tag, 2 closing tag.
  int tagKind = 0;
  // The paragraph of a tagged line; null when it has none.  Owned.
  std::unique_ptr<DRResultTree> subTree;
};

class DRResultTree {
 public:
  using Lines = std::vector<std::unique_ptr<LineFormat>>;

  // Reads the result file at path; a missing or unreadable file gives an
  // empty tree.
  explicit DRResultTree(const std::string& path);
  ~DRResultTree();
  DRResultTree(const DRResultTree&) = delete;
  DRResultTree& operator=(const DRResultTree&) = delete;

  // Reads result text that is already in memory, as from a file.
  static std::unique_ptr<DRResultTree> fromText(const std::string& text);

  // The top-level lines in file order.
  const Lines& getLines() const { return lines_; }
  bool isEmpty() const { return lines_.empty(); }

  // Adds number -> text for every line numbered above 0, depth first (a
  // line before its sub-tree); a number already in lines keeps its text.
  void getAllLines(std::map<int, std::string>& lines) const;

  // Paragraphs nest at most this deep; the paragraph of a tagged line
  // below it is not read (its lines follow as siblings).
  static constexpr int kMaxDepth = 200;

 private:
  DRResultTree() = default;

  // The top-level reader; false when the file cannot be opened.
  bool genResultTree(const std::string& path);
  // Reads the lines of in into this tree.
  void readAll(std::istream& in);
  // The paragraph reader: the lines following a tagged line, up to count of
  // them and none numbered above limit.  pending holds a line read but not
  // taken (hasPending tells whether it does).  Null when count is below 1.
  static std::unique_ptr<DRResultTree> genResultTree(std::istream& in, std::string& pending,
                                                     bool& hasPending, long long limit, int count,
                                                     int depth);

  Lines lines_;
};

}  // namespace vexadr

#endif  // VEXA_DESIGNREADER_DR_RESULT_TREE_H_
