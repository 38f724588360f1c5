#include "vexa/host/conf.h"

#include <gtest/gtest.h>

#include <climits>
#include <list>
#include <string>
#include <vector>

#include "host/temp_dir.h"

namespace vexahost {
namespace {

using Words = std::vector<std::string>;

class ConfTest : public ::testing::Test {
 protected:
  CConf load(const std::string& text) { return CConf(dir_.write("test.ini", text)); }
  // The keys of section; {"<absent>"} when the call answers false (and cleared the list).
  static Words keys(const CConf& conf, const std::string& section) {
    Words result{"stale"};
    if (!conf.GetIniSectionAllKey(section, result)) result.insert(result.begin(), "<absent>");
    return result;
  }
  testing::TempDir dir_;
};

TEST_F(ConfTest, SectionsKeysCommentsAndDuplicates) {
  const CConf conf = load(
      "; lead\n[DevTypeToFilter]\n  # c\n3 = 1\n\n1=2\n  20\t=\t 5  \n;7=9\nnoequals\n =x\n"
      "[FilterTypeToDir]\n1 = Router Scripts\n[empty]\n"
      "[s]\nk=first\nother=1\nK = second\n[S]\nk=third\nnew=a = b ; \"not a comment\"\nv=\n");
  ASSERT_TRUE(conf.IsFileExist());
  EXPECT_EQ(keys(conf, "DevTypeToFilter"), (Words{"3", "1", "20"}));
  EXPECT_EQ(conf.GetIntValue("DevTypeToFilter", "20"), 5);
  EXPECT_EQ(conf.GetStringValue("FilterTypeToDir", "1"), "Router Scripts");
  EXPECT_EQ(keys(conf, "empty"), Words{});
  EXPECT_EQ(keys(conf, "missing"), Words{"<absent>"});
  // A repeated key keeps its first value, a repeated section continues; names ignore case.
  EXPECT_EQ(keys(conf, "s"), (Words{"k", "other", "new", "v"}));
  EXPECT_EQ(conf.GetStringValue("S", "K"), "first");
  EXPECT_EQ(conf.GetStringValue("s", "new"), "a = b ; \"not a comment\"");
  EXPECT_EQ(conf.GetStringValue("s", "v", "dflt") + conf.GetStringValue("no", "x", "dflt"), "dflt");
  EXPECT_EQ(conf.GetIntValue("s", "absent"), 0);

  std::list<std::string> asList{"stale"};  // the list overload
  EXPECT_TRUE(conf.GetIniSectionAllKey("s", asList));
  EXPECT_EQ(asList, (std::list<std::string>{"k", "other", "new", "v"}));
  EXPECT_TRUE(!conf.GetIniSectionAllKey("missing", asList) && asList.empty());
}

TEST_F(ConfTest, LineEndsBomAndBrackets) {
  // clang-format off
  const std::string cases[] = {"[s]\r\nk = v1\r\nj=v2\r\n", "[s]\nk = v1\nj=v2", "[s\nk=v1\nj=v2\n",
      "[s]\r\nk = v1\nj=v2\r", "\xEF\xBB\xBF[s]\nk=v1\nj=v2\n", "j=1\n[ s ] x\nk=v1\nj=v2\n"};
  // clang-format on
  for (const std::string& text : cases) {
    const CConf conf = load(text);
    EXPECT_EQ(keys(conf, "s"), (Words{"k", "j"})) << text;
    EXPECT_EQ(conf.GetStringValue("s", "k") + conf.GetStringValue("s", "j"), "v1v2") << text;
  }
}

TEST_F(ConfTest, BufferIsCutTerminatedAndDefaulted) {
  const CConf conf = load("[s]\nk = abcdefghij\ne=\n");
  // clang-format off
  const struct { const char *key, *dflt; size_t size; bool found; const char* out; } cases[] = {
      {"k", nullptr, 1, true, ""}, {"k", nullptr, 10, true, "abcdefghi"},
      {"k", "x", 11, true, "abcdefghij"}, {"e", "dflt", 8, true, ""},
      {"no", nullptr, 4, false, ""}, {"no", "dflt", 3, false, "df"}};
  // clang-format on
  for (const auto& c : cases) {
    std::vector<char> buffer(c.size + 1, '#');
    EXPECT_EQ(conf.GetStringValue("s", c.key, buffer.data(), c.size, c.dflt), c.found) << c.key;
    EXPECT_STREQ(buffer.data(), c.out) << c.key << " " << c.size;
    EXPECT_EQ(buffer[c.size], '#') << "wrote past the buffer, size " << c.size;
  }
  char one = '#';  // size 0 and a null buffer write nothing
  EXPECT_TRUE(conf.GetStringValue("s", "k", &one, 0) && one == '#');
  EXPECT_TRUE(conf.GetStringValue("s", "k", nullptr, 16));
}

TEST_F(ConfTest, GetIntValueTable) {
  // clang-format off
  const struct { const char* value; int expected; } cases[] = {
      {"-4", -4}, {"+8", 8}, {"12abc", 12}, {"0x1F", 0}, {"abc", 99}, {"", 99}, {"- 5", 99},
      {"2147483647", INT_MAX}, {"2147483648", INT_MAX}, {"-2147483649", INT_MIN}};
  // clang-format on
  for (const auto& c : cases) {
    const CConf conf = load(std::string("[s]\nk=") + c.value + "\n");
    EXPECT_EQ(conf.GetIntValue("s", "k", 99), c.expected) << "'" << c.value << "'";
  }
}

// A bare file name is read from the resource folder: the filter settings
// tests of tests/designreader/design_note_helper_test.cpp.
TEST_F(ConfTest, MissingFolderEmptyAndReplacedFiles) {
  EXPECT_FALSE(CConf(dir_.path()).IsFileExist());  // a folder
  EXPECT_TRUE(load("").IsFileExist());
  CConf conf;
  EXPECT_FALSE(conf.IsFileExist());
  conf.SetConfFileName(dir_.write("one.ini", "[a]\nx=1\n"));
  conf.SetConfFileName(dir_.write("two.ini", "[b]\ny=2\n"));
  EXPECT_EQ(conf.GetIntValue("a", "x", -1), -1);  // the earlier file is forgotten
  EXPECT_EQ(conf.GetIntValue("b", "y"), 2);
  conf.SetConfFileName(dir_.path() + "absent.ini");
  EXPECT_FALSE(conf.IsFileExist());
  EXPECT_EQ(keys(conf, "b"), Words{"<absent>"});
}

TEST_F(ConfTest, ArbitraryBytesDoNotBreakTheReader) {
  const CConf conf =
      load("[s\xff]\n\xfe=\xfd\r\n" + std::string("k\0ey=va\0lue\n", 12) + "[\n]\n=\n[]\nz=1\n");
  EXPECT_EQ(conf.GetStringValue("s\xff", "\xfe"), "\xfd");
  EXPECT_EQ(conf.GetStringValue("s\xff", std::string("k\0ey", 4)), std::string("va\0lue", 6));
  EXPECT_EQ(conf.GetIntValue("", "z"), 1);
}

}  // namespace
}  // namespace vexahost
