// Filter settings from the design reader's ini files: lookups, ignored keys, the caches and how
// they refill, the default script of each filter kind, and the bundled ini files.

#include "vexa/designreader/design_note_helper.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "designreader/dr_test_support.h"
#include "vexa/host/conf.h"

namespace vexadr {
namespace {

class FilterSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CDesignNoteHelper::resetCaches();
    vexahost::VexaFileSystem::SetSystemResourceFolder(dir_.path());
  }
  void TearDown() override {
    CDesignNoteHelper::resetCaches();
    vexahost::VexaFileSystem::SetSystemResourceFolder(std::string());
  }
  vexahost::testing::TempDir dir_;
};

TEST_F(FilterSettingsTest, LooksUpTypesAndFoldersAndRefillsOnlyEmptyCaches) {
  EXPECT_EQ(0, CDesignNoteHelper::GetDeginFilterTypeByDevType(4));
  EXPECT_EQ("", CDesignNoteHelper::GetDeginFilterDirByType(2));
  EXPECT_EQ(0, CDesignNoteHelper::GetDeginFilterTypeByDir("Firewall"));
  std::string name = "unchanged", path = "unchanged";
  EXPECT_FALSE(CDesignNoteHelper::GetDefaultFilter(1, 4, name, path));
  EXPECT_EQ("unchangedunchanged", name + path);

  // The file appears: the empty caches read it on the next call.
  dir_.write("fix_DesignFilter.ini",
             "[DevTypeToFilter]\n0 = 5\nrouter = 6\n4 = 2\n+7x = 3\n-1 = 1\n"
             "[FilterTypeToDir]\n1 = Routing\n2 = Old\n02 = Firewall\n3 = Routing\n");
  EXPECT_EQ(2, CDesignNoteHelper::GetDeginFilterTypeByDevType(4));
  EXPECT_EQ(3, CDesignNoteHelper::GetDeginFilterTypeByDevType(7));
  EXPECT_EQ(1, CDesignNoteHelper::GetDeginFilterTypeByDevType(-1));
  EXPECT_EQ(0, CDesignNoteHelper::GetDeginFilterTypeByDevType(0));
  EXPECT_EQ("Firewall", CDesignNoteHelper::GetDeginFilterDirByType(2));  // "02" came later
  EXPECT_EQ(2, CDesignNoteHelper::GetDeginFilterTypeByDir("Old"));
  EXPECT_EQ(3, CDesignNoteHelper::GetDeginFilterTypeByDir("Routing"));
  EXPECT_EQ(0, CDesignNoteHelper::GetDeginFilterTypeByDir("routing"));

  // Filled caches are not read again.
  dir_.write("fix_DesignFilter.ini", "[DevTypeToFilter]\n4 = 9\n");
  EXPECT_EQ(2, CDesignNoteHelper::GetDeginFilterTypeByDevType(4));
}

TEST_F(FilterSettingsTest, DefaultScriptsDependOnKindAndFirewalls) {
  dir_.write("fix_DesignFilter.ini", "[DevTypeToFilter]\n4 = 2\n1 = 1\n");
  dir_.write("fix_designreader.ini",
             "[DEFAULT_SCRIFILE]\nfile_name = F\nfile_path = FP\npix_interface_name = P\n"
             "pix_interface_name_path = PP\ninterface_multicast = M\ninterface_ip = I\n"
             "pix_interface_ip_path = PIP\nprotocol_neighbor_path = " +
                 std::string(600, 'x') + "\n");
  const struct {
    int kind, device;
    std::string name, path;
  } cases[] = {{7, 4, "P", "PP"},  {7, 1, "M", ""},   {0, 1, "F", "FP"},
               {12, 1, "F", "FP"}, {3, 1, "F", "FP"}, {12, 4, "P", "PP"},
               {5, 4, "", "PIP"},  {5, 9, "I", ""},   {11, 1, "", std::string(511, 'x')}};
  for (const auto& c : cases) {
    std::string name, path;
    ASSERT_TRUE(CDesignNoteHelper::GetDefaultFilter(c.kind, c.device, name, path));
    EXPECT_EQ(c.name, name) << c.kind << " " << c.device;
    EXPECT_EQ(c.path, path) << c.kind << " " << c.device;
  }
}

TEST(BundledFilterSettingsTest, EveryDefaultScriptAndFolderExists) {
  vexahost::VexaFileSystem::SetSystemResourceFolder(VEXA_SOURCE_RESOURCE_DIR);
  CDesignNoteHelper::resetCaches();
  const vexahost::CConf ini("fix_designreader.ini");
  std::vector<std::string> keys;
  ASSERT_TRUE(ini.GetIniSectionAllKey("DEFAULT_SCRIFILE", keys));
  EXPECT_EQ(30u, keys.size());
  for (int kind = 1; kind <= 11; ++kind) {
    for (int device : {1, 4}) {
      std::string name, path;
      ASSERT_TRUE(CDesignNoteHelper::GetDefaultFilter(kind, device, name, path));
      EXPECT_TRUE(
          std::filesystem::exists(std::string(VEXA_SOURCE_RESOURCE_DIR) + path + "/" + name))
          << kind << " " << device << ": " << path << "/" << name;
    }
  }
  for (int type = 1; type <= 3; ++type) {
    const std::string folder = CDesignNoteHelper::GetDeginFilterDirByType(type);
    EXPECT_TRUE(std::filesystem::is_directory(bundledLibrary() + folder)) << type;
    EXPECT_EQ(type, CDesignNoteHelper::GetDeginFilterTypeByDir(folder));
  }
  EXPECT_EQ(2, CDesignNoteHelper::GetDeginFilterTypeByDevType(4));
  CDesignNoteHelper::resetCaches();
  vexahost::VexaFileSystem::SetSystemResourceFolder(std::string());
}

}  // namespace
}  // namespace vexadr
