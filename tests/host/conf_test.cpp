#include "vexa/host/conf.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <list>
#include <string>
#include <vector>

#include "host/temp_dir.h"
#include "vexa/host/vexa_file_system.h"

namespace vexahost {
namespace {

using testing::TempDir;

class ConfTest : public ::testing::Test {
 protected:
  // Writes text as an ini file and reads it.
  CConf load(const std::string& text, const std::string& name = "test.ini") {
    return CConf(dir_.write(name, text));
  }
  std::vector<std::string> keys(const CConf& conf, const std::string& section) {
    std::vector<std::string> result;
    conf.GetIniSectionAllKey(section, result);
    return result;
  }

  TempDir dir_;
};

TEST_F(ConfTest, KeysInFileOrderWithCommentsAndBlanks) {
  const CConf conf = load(
      "; leading comment\n"
      "[DevTypeToFilter]\n"
      "  # another comment\n"
      "3 = 1\n"
      "\n"
      "1=2\n"
      "  20\t=\t 5  \n"
      ";7=9\n"
      "[FilterTypeToDir]\n"
      "1 = Router Scripts\n");
  ASSERT_TRUE(conf.IsFileExist());
  EXPECT_EQ(keys(conf, "DevTypeToFilter"), (std::vector<std::string>{"3", "1", "20"}));
  EXPECT_EQ(conf.GetIntValue("DevTypeToFilter", "20"), 5);
  EXPECT_EQ(conf.GetStringValue("FilterTypeToDir", "1"), "Router Scripts");

  std::list<std::string> asList{"stale"};
  EXPECT_TRUE(conf.GetIniSectionAllKey("FilterTypeToDir", asList));
  EXPECT_EQ(asList, (std::list<std::string>{"1"}));
}

TEST_F(ConfTest, MissingSectionIsFalseAndClearsTheList) {
  const CConf conf = load("[a]\nx=1\n");
  std::vector<std::string> result{"stale"};
  EXPECT_FALSE(conf.GetIniSectionAllKey("b", result));
  EXPECT_TRUE(result.empty());
  std::list<std::string> asList{"stale"};
  EXPECT_FALSE(conf.GetIniSectionAllKey("b", asList));
  EXPECT_TRUE(asList.empty());
  EXPECT_EQ(conf.GetStringValue("b", "x", "dflt"), "dflt");
  EXPECT_EQ(conf.GetIntValue("b", "x", 42), 42);
}

TEST_F(ConfTest, EmptySectionExistsWithNoKeys) {
  const CConf conf = load("[empty]\n[full]\nk=v\n");
  std::vector<std::string> result{"stale"};
  EXPECT_TRUE(conf.GetIniSectionAllKey("empty", result));
  EXPECT_TRUE(result.empty());
}

TEST_F(ConfTest, DuplicateKeysFirstWinsListedOnce) {
  const CConf conf = load("[s]\nk=first\nother=1\nK = second\nk=third\n[s]\nk=fourth\nnew=2\n");
  EXPECT_EQ(keys(conf, "s"), (std::vector<std::string>{"k", "other", "new"}));
  EXPECT_EQ(conf.GetStringValue("s", "k"), "first");
  EXPECT_EQ(conf.GetStringValue("S", "K"), "first");  // names ignore case
}

TEST_F(ConfTest, LineEndsBomAndNoFinalNewline) {
  const struct {
    std::string text;
    const char* what;
  } cases[] = {
      {"[s]\r\nk = v1\r\nj=v2\r\n", "CR LF"},
      {"[s]\nk = v1\nj=v2", "no final line end"},
      {"[s]\r\nk = v1\nj=v2\r", "mixed, CR at the end"},
      {"\xEF\xBB\xBF[s]\nk=v1\nj=v2\n", "byte order mark"},
      {"junk=before\n[ s ]  trailing\nk=v1\nj=v2\n", "blanks inside brackets"},
  };
  for (const auto& c : cases) {
    const CConf conf = load(c.text);
    EXPECT_EQ(keys(conf, "s"), (std::vector<std::string>{"k", "j"})) << c.what;
    EXPECT_EQ(conf.GetStringValue("s", "k"), "v1") << c.what;
    EXPECT_EQ(conf.GetStringValue("s", "j"), "v2") << c.what;
  }
}

TEST_F(ConfTest, ValueKeepsInnerTextAsWritten) {
  const CConf conf = load("[s]\na = b = c\nq = \"quoted\" ; not a comment\nempty =\nnoequals\n");
  EXPECT_EQ(conf.GetStringValue("s", "a"), "b = c");
  EXPECT_EQ(conf.GetStringValue("s", "q"), "\"quoted\" ; not a comment");
  EXPECT_EQ(keys(conf, "s"), (std::vector<std::string>{"a", "q", "empty"}));
  char buffer[8];
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_TRUE(conf.GetStringValue("s", "empty", buffer, sizeof buffer, "dflt"));
  EXPECT_STREQ(buffer, "");
}

TEST_F(ConfTest, BufferIsCutAndTerminated) {
  const CConf conf = load("[s]\nk = abcdefghij\n");
  const struct {
    std::size_t size;
    const char* expected;
  } cases[] = {{1, ""}, {2, "a"}, {4, "abc"}, {11, "abcdefghij"}, {256, "abcdefghij"}};
  for (const auto& c : cases) {
    std::vector<char> buffer(c.size + 1, '#');
    EXPECT_TRUE(conf.GetStringValue("s", "k", buffer.data(), c.size)) << c.size;
    EXPECT_STREQ(buffer.data(), c.expected) << c.size;
    EXPECT_EQ(buffer[c.size], '#') << "wrote past the buffer, size " << c.size;
  }
}

TEST_F(ConfTest, AbsentKeyGivesDefaultOrEmpty) {
  const CConf conf = load("[s]\nk=v\n");
  char buffer[4];
  std::memset(buffer, '#', sizeof buffer);
  EXPECT_FALSE(conf.GetStringValue("s", "missing", buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "");
  EXPECT_FALSE(conf.GetStringValue("s", "missing", buffer, sizeof buffer, "long default"));
  EXPECT_STREQ(buffer, "lon");
  // Size 0 and a null buffer write nothing and do not crash.
  buffer[0] = '#';
  EXPECT_TRUE(conf.GetStringValue("s", "k", buffer, 0));
  EXPECT_EQ(buffer[0], '#');
  EXPECT_TRUE(conf.GetStringValue("s", "k", nullptr, 16));
}

TEST_F(ConfTest, GetIntValueTable) {
  const struct {
    const char* value;
    int expected;
  } cases[] = {
      {"17", 17},
      {"-4", -4},
      {"+8", 8},
      {"007", 7},
      {"12abc", 12},
      {"3 4", 3},
      {"abc", 99},
      {"", 99},
      {"-", 99},
      {"+-1", 99},
      {"0x1F", 0},
      {"- 5", 99},
      {"2147483647", INT_MAX},
      {"2147483648", INT_MAX},
      {"-2147483648", INT_MIN},
      {"-99999999999999999999", INT_MIN},
      {"99999999999999999999999", INT_MAX},
  };
  for (const auto& c : cases) {
    const CConf conf = load(std::string("[s]\nk=") + c.value + "\n");
    EXPECT_EQ(conf.GetIntValue("s", "k", 99), c.expected) << "'" << c.value << "'";
  }
  const CConf conf = load("[s]\n");
  EXPECT_EQ(conf.GetIntValue("s", "absent"), 0);
}

TEST_F(ConfTest, MissingOrUnreadableFile) {
  const CConf missing(dir_.path() + "nothing.ini");
  EXPECT_FALSE(missing.IsFileExist());
  std::vector<std::string> result;
  EXPECT_FALSE(missing.GetIniSectionAllKey("s", result));
  EXPECT_EQ(missing.GetIntValue("s", "k", 5), 5);

  const CConf folder(dir_.path());
  EXPECT_FALSE(folder.IsFileExist());

  const CConf empty = load("");
  EXPECT_TRUE(empty.IsFileExist());
  EXPECT_FALSE(empty.GetIniSectionAllKey("s", result));
}

TEST_F(ConfTest, SetConfFileNameReplacesEarlierFile) {
  CConf conf;
  EXPECT_FALSE(conf.IsFileExist());
  conf.SetConfFileName(dir_.write("one.ini", "[a]\nx=1\n"));
  EXPECT_EQ(conf.GetIntValue("a", "x"), 1);
  conf.SetConfFileName(dir_.write("two.ini", "[b]\ny=2\n"));
  EXPECT_EQ(conf.GetIntValue("a", "x", -1), -1);
  EXPECT_EQ(conf.GetIntValue("b", "y"), 2);
  conf.SetConfFileName(dir_.path() + "absent.ini");
  EXPECT_FALSE(conf.IsFileExist());
  EXPECT_EQ(conf.GetIntValue("b", "y", -1), -1);
}

TEST_F(ConfTest, BareNameIsLookedUpInTheResourceFolder) {
  dir_.write("fix_designreader.ini", "[DEFAULT_SCRIFILE]\nfile_name = a.cmf\n");
  VexaFileSystem::SetSystemResourceFolder(dir_.path());
  const CConf conf("fix_designreader.ini");
  VexaFileSystem::SetSystemResourceFolder("");
  EXPECT_EQ(conf.GetConfFilePath(), dir_.path() + "fix_designreader.ini");
  EXPECT_TRUE(conf.IsFileExist());
  EXPECT_EQ(conf.GetStringValue("DEFAULT_SCRIFILE", "file_name"), "a.cmf");
}

TEST_F(ConfTest, ArbitraryBytesDoNotBreakTheReader) {
  std::string text = "[s\xff]\n\xfe=\xfd\r\n";
  text += std::string("k\0ey=va\0lue\n", 12);
  text += "[\n]\n=\n[]\nz=1\n";
  const CConf conf = load(text);
  EXPECT_EQ(conf.GetStringValue("s\xff", "\xfe"), "\xfd");
  EXPECT_EQ(conf.GetStringValue("s\xff", std::string("k\0ey", 4)), std::string("va\0lue", 6));
  EXPECT_EQ(conf.GetIntValue("", "z"), 1);
}

}  // namespace
}  // namespace vexahost
