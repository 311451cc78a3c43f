// The profile-file stand-in keeps what the plugin relies on in the Windows functions:
// values cut to the buffer, defaults for what is missing, files, sections and keys created
// on write, and the other keys kept.

#include <filesystem>

#include <gtest/gtest.h>

#include "fake_windows.h"

namespace {

const char *path = ".\\test.ini";

std::string readString(const char *section, const char *key, DWORD size = 64) {
    char buffer[64];
    GetPrivateProfileStringA(section, key, "dflt", buffer, size, path);
    return buffer;
}

TEST(ProfileStandIn, MissingFileSectionOrKeyGivesTheDefault) {
    fakeWindows::TemporaryFolder folder;
    EXPECT_EQ(readString("Settings", "posX"), "dflt");
    EXPECT_EQ(GetPrivateProfileIntA("Settings", "fontSizeIndex", 7, path), 7u);

    folder.write("test.ini", "[Other]\nposX=1\n");
    EXPECT_EQ(readString("Settings", "posX"), "dflt");
    folder.write("test.ini", "[Settings]\nposY=1\n");
    EXPECT_EQ(readString("Settings", "posX"), "dflt");
    EXPECT_EQ(GetPrivateProfileIntA("Settings", "fontSizeIndex", 7, path), 7u);
    EXPECT_FALSE(folder.exists("DistanceSettings.ini"));
}

TEST(ProfileStandIn, ValueIsCutToTheBufferAndTerminated) {
    fakeWindows::TemporaryFolder folder;
    std::string longValue(100, '7');
    folder.write("test.ini", "[settings]\n  POSX = " + longValue + "  \nfontSizeIndex=-1\n");
    EXPECT_EQ(readString("Settings", "posX"), longValue.substr(0, 63));
    EXPECT_EQ(readString("Settings", "posX", 4), "777");
    EXPECT_EQ(static_cast<std::int32_t>(GetPrivateProfileIntA("Settings", "fontSizeIndex", 0, path)), -1);
}

TEST(ProfileStandIn, WriteCreatesWhatIsMissingAndKeepsOtherKeys) {
    fakeWindows::TemporaryFolder folder;
    EXPECT_EQ(WritePrivateProfileStringA("Settings", "posX", "0.5", path), TRUE);
    EXPECT_EQ(folder.read("test.ini"), "[Settings]\nposX=0.5\n");

    folder.write("test.ini", "; mine\n[Other]\nposX=9\n\n[Settings]\nposY=2\nkeep=1\n\n[Last]\na=b\n");
    WritePrivateProfileStringA("Settings", "posX", "0.25", path);
    WritePrivateProfileStringA("Settings", "posY", "3", path);
    EXPECT_EQ(folder.read("test.ini"),
              "; mine\n[Other]\nposX=9\n\n[Settings]\nposY=3\nkeep=1\nposX=0.25\n\n[Last]\na=b\n");
}

TEST(ProfileStandIn, WriteOverAFolderFails) {
    fakeWindows::TemporaryFolder folder;
    std::filesystem::create_directory(folder.path() + "/test.ini");
    EXPECT_EQ(WritePrivateProfileStringA("Settings", "posX", "0.5", path), FALSE);
    EXPECT_EQ(readString("Settings", "posX"), "dflt");
}

} // namespace
