// The user's picks and the variable files they are written to.

#include "vexa/designreader/ui_variable.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "host/temp_dir.h"

namespace vexadr {
namespace {

TEST(UIVariableTest, AddsValuesOncePerKindAndWritesThemWithCrLf) {
  vexahost::testing::TempDir dir;
  UIVariableForDR picks("r1");
  EXPECT_FALSE(picks.addVariableValue(0, "x"));
  EXPECT_FALSE(picks.addVariableValue(-2, "x"));
  EXPECT_TRUE(picks.isEmpty(UIVariableType::InterfaceNameList));
  EXPECT_TRUE(picks.addVariableValue(UIVariableType::InterfaceList, "Gi0/2\r\n"));
  EXPECT_TRUE(picks.addVariableValue(UIVariableType::InterfaceList, "Gi0/1\rjunk"));
  EXPECT_FALSE(picks.isEmpty(UIVariableType::InterfaceNameList));
  for (const char* address : {"10.0.0.2", "10.0.0.1", "10.0.0.2"}) {
    picks.addVariableValue(UIVariableType::IPAddressList, address);
  }
  picks.addVariableValue(UIVariableType::ProtocolList, "ospf");
  picks.addVariableValue(7, "seven");
  picks.addVariableValue(9, "nine");

  const UIVariableForDR copy = picks;
  picks.clear();
  EXPECT_TRUE(picks.isEmpty(UIVariableType::InterfaceList));
  EXPECT_EQ("r1", copy.getDeviceName());
  EXPECT_TRUE(picks.save(dir.path()));  // an empty set writes no file
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));

  EXPECT_TRUE(copy.save(dir.path()));
  EXPECT_EQ("interface Gi0/1\r\ninterface Gi0/2\r\n", dir.read("UI_InterfaceList.txt"));
  EXPECT_EQ("Gi0/1\r\nGi0/2\r\n", dir.read("UI_InterfaceNameList.txt"));
  EXPECT_EQ("10.0.0.1\r\n10.0.0.2\r\n", dir.read("UI_IPAddressList.txt"));
  EXPECT_EQ("nine\r\n", dir.read("UI_Unknown.txt"));  // the last kind above 4 wins
  EXPECT_EQ("ospf\r\n", dir.read("UI_ProtocolList.txt"));
  EXPECT_FALSE(copy.save(dir.path() + "missing"));
}

}  // namespace
}  // namespace vexadr
