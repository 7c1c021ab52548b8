#include "app/OutputLinks.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include "app/Startup.h"
#include "fakes/TestSystem.h"
#include "storage/files/SettingsFile.h"

namespace wl {
namespace {

using ::testing::ElementsAre;

class OutputLinksTest : public ::testing::Test {
  protected:
    std::string settingsFile() { return settingsFilePath(t->ProgramDir); }
    void storeMapping(const std::string& value) {
        IniFile settings(settingsFile());
        settings.set("SystemInfo", "Mapping", value);
        ASSERT_EQ(settings.save(), "");
    }

    test::TestSystem t;
};

TEST_F(OutputLinksTest, OutputWindowCreationOpensTheBoardAndTheViewerBlocks) {
    createWindowLogic(*t, WindowId::Output);
    EXPECT_THAT(t.ftdi.calls(), ElementsAre("listDeviceCount", "listDeviceCount", "open 0",
                                            "resetDevice 1", "setTimeouts 1 500 500"));
    EXPECT_TRUE(t->usbLink.status().UsbLinkGood);
    EXPECT_TRUE(t->viewerLink.CheckBoxMapping);
    EXPECT_TRUE(t->viewerLink.Map3DOn());
    EXPECT_EQ(t.sharedMemory.mappedViews(), 9u);
}

TEST_F(OutputLinksTest, StoredMappingOffLeavesTheViewerLinkOff) {
    storeMapping("0");
    createWindowLogic(*t, WindowId::Output);
    EXPECT_FALSE(t->viewerLink.CheckBoxMapping);
    EXPECT_FALSE(t->viewerLink.Map3DOn());
    EXPECT_EQ(t.sharedMemory.openHandles(), 0u);
}

TEST_F(OutputLinksTest, OutputWindowDestructionStoresMappingAndClosesBothLinks) {
    storeMapping("1");
    createWindowLogic(*t, WindowId::Output);
    t->viewerLink.CheckBoxMapping = false;
    destroyWindowLogic(*t, WindowId::Output);

    EXPECT_EQ(IniFile(settingsFile()).value("SystemInfo", "Mapping", "missing"), "0");
    EXPECT_FALSE(t->viewerLink.Map3DOn());
    EXPECT_EQ(t.sharedMemory.openHandles(), 0u);
    EXPECT_EQ(t.ftdi.openHandles(), 0u);
    EXPECT_EQ(t.ftdi.calls().back(), "close 1");
}

TEST_F(OutputLinksTest, UnwritableSettingsFileIsReported) {
    createWindowLogic(*t, WindowId::Output);
    t->ProgramDir = t.home.dir() + "gone/";  // the program folder vanished while running
    destroyWindowLogic(*t, WindowId::Output);
    ASSERT_EQ(t.op.shown.size(), 1u);
    EXPECT_NE(t.op.shown[0].text.find("Mapping not saved"), std::string::npos);
    EXPECT_EQ(t.ftdi.openHandles(), 0u);
}

TEST(MappingOptionTest, StoredTextsReadAsOnOrOff) {
    const struct {
        const char* stored;
        bool on;
    } cases[] = {
        {"1", true}, {"true", true},   {"0", false},    {"false", false},
        {"", true},  {"FALSE", false}, {"maybe", true},
    };
    for (const auto& c : cases) EXPECT_EQ(mappingOptionFrom(c.stored), c.on) << c.stored;
}

}  // namespace
}  // namespace wl
