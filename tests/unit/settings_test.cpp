// Loading and saving the settings file, on a real file in a temporary folder.

#include <cmath>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fake_windows.h"
#include "settings/settings.h"

namespace {

using Lines = std::vector<std::string>;

class SettingsFile : public testing::Test {
  protected:
    void SetUp() override {
        fakeWindows::reset();
        settings = Settings{};
    }

    void load(const std::string &fileText) {
        folder.write("DistanceSettings.ini", fileText);
        loadSettings();
    }

    std::string file() const { return folder.read("DistanceSettings.ini"); }

    fakeWindows::TemporaryFolder folder;
};

TEST_F(SettingsFile, LoadReadsAllThreeKeysWithTheRelativePathAndWritesNothing) {
    load("[Settings]\nposX=0.5\nposY=0.75\nfontSizeIndex=2\n");

    EXPECT_EQ(settings.posX, 0.5f);
    EXPECT_EQ(settings.posY, 0.75f);
    EXPECT_EQ(settings.fontSizeIndex, 2);
    EXPECT_EQ(fakeWindows::calls, (Lines{"GetPrivateProfileStringA Settings posX '' 64 .\\DistanceSettings.ini",
                                         "GetPrivateProfileStringA Settings posY '' 64 .\\DistanceSettings.ini",
                                         "GetPrivateProfileIntA Settings fontSizeIndex 0 .\\DistanceSettings.ini"}));
    EXPECT_EQ(file(), "[Settings]\nposX=0.5\nposY=0.75\nfontSizeIndex=2\n");
}

TEST_F(SettingsFile, NoFileGivesTheDefaultsAndCreatesNoFile) {
    settings = Settings{1.0f, 2.0f, 2};
    loadSettings();

    EXPECT_EQ(settings.posX, 0.015f);
    EXPECT_EQ(settings.posY, 0.025f);
    EXPECT_EQ(settings.fontSizeIndex, 0);
    EXPECT_FALSE(folder.exists("DistanceSettings.ini"));
}

struct PositionCase {
    const char *line;
    float posX;
};

std::ostream &operator<<(std::ostream &out, const PositionCase &c) { return out << c.line; }

class PositionText : public SettingsFile, public testing::WithParamInterface<PositionCase> {};

TEST_P(PositionText, IsConvertedFromItsLongestNumericPrefix) {
    load(std::string("[Settings]\n") + GetParam().line + "\nposY=0.5\n");
    if (std::isnan(GetParam().posX))
        EXPECT_TRUE(std::isnan(settings.posX));
    else
        EXPECT_EQ(settings.posX, GetParam().posX);
    EXPECT_EQ(std::signbit(settings.posX), std::signbit(GetParam().posX));
    EXPECT_EQ(settings.posY, 0.5f);
}

const float inf = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Lines, PositionText,
    testing::Values(PositionCase{"posX=0", 0.0f}, PositionCase{"posX=", 0.015f}, PositionCase{"posX=0.5abc", 0.5f},
                    PositionCase{"posX=0,5", 0.0f}, PositionCase{"posX=abc", 0.0f}, PositionCase{"posX=-", 0.0f},
                    PositionCase{"posX=1e39", inf}, PositionCase{"posX=-1e39", -inf}, PositionCase{"posX=1e400", inf},
                    PositionCase{"posX=1e-50", 0.0f}, PositionCase{"posX=-inf", -inf},
                    PositionCase{"posX=NaN", std::numeric_limits<float>::quiet_NaN()},
                    PositionCase{"posX=0x1.8p-1", 0.75f}, PositionCase{"posX=.25e1", 2.5f},
                    PositionCase{"posX=0.123456789", 0.123456789f},
                    PositionCase{"posX=0.5000000000000000000000000000000000000000000000000000000000000e5", 0.5f}));

TEST_F(SettingsFile, IndexIsStoredUnchanged) {
    for (const char *text : {"2147483647", "-2147483648", "-1", "7"}) {
        load(std::string("[Settings]\nfontSizeIndex=") + text + "\n");
        EXPECT_EQ(std::to_string(settings.fontSizeIndex), text);
    }
}

TEST_F(SettingsFile, FirstSaveCreatesTheFileWithAllThreeKeysInOrder) {
    settings.fontSizeIndex = 1;
    saveSettings();

    EXPECT_EQ(fakeWindows::calls,
              (Lines{"WritePrivateProfileStringA Settings posX 0.015000 .\\DistanceSettings.ini",
                     "WritePrivateProfileStringA Settings posY 0.025000 .\\DistanceSettings.ini",
                     "WritePrivateProfileStringA Settings fontSizeIndex 1 .\\DistanceSettings.ini"}));
    EXPECT_EQ(file(), "[Settings]\nposX=0.015000\nposY=0.025000\nfontSizeIndex=1\n");
}

TEST_F(SettingsFile, SaveRewritesEveryKeyAndKeepsOtherLines) {
    load("[Settings]\nposY=0.5\nmine=yes\nfontSizeIndex=-7\n");
    settings.posX = 0.0078125f;
    saveSettings();
    EXPECT_EQ(file(), "[Settings]\nposY=0.500000\nmine=yes\nfontSizeIndex=-7\nposX=0.007812\n");
}

TEST_F(SettingsFile, FullPrecisionLastsUntilTheNextSaveWhichKeepsSixDecimals) {
    load("[Settings]\nposX=0.123456789\nposY=1e39\n");
    EXPECT_EQ(settings.posX, 0.123456789f);
    EXPECT_EQ(settings.posY, inf);

    saveSettings();
    EXPECT_EQ(file(), "[Settings]\nposX=0.123457\nposY=inf\nfontSizeIndex=0\n");

    loadSettings();
    EXPECT_EQ(settings.posX, 0.123457f);
    EXPECT_EQ(settings.posY, inf);
}

TEST_F(SettingsFile, FailedWriteIsIgnoredAndTheNextSaveWritesAllKeysAgain) {
    std::filesystem::create_directory(folder.path() + "/DistanceSettings.ini");
    settings = Settings{0.5f, 0.25f, 2};

    saveSettings();

    EXPECT_EQ(settings.posX, 0.5f);
    EXPECT_EQ(settings.posY, 0.25f);
    EXPECT_EQ(settings.fontSizeIndex, 2);
    std::filesystem::remove(folder.path() + "/DistanceSettings.ini");
    saveSettings();
    EXPECT_EQ(file(), "[Settings]\nposX=0.500000\nposY=0.250000\nfontSizeIndex=2\n");
}

} // namespace
