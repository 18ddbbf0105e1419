// config.json: creation, reading, repair, readers and saving.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>
#include <csignal>
#include <sstream>

#include "FileSizeLimit.h"
#include "TempFolder.h"
#include "engine/SettingsDocument.h"

namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;
namespace Keys = Tambo::SettingsKeys;

const char* const kDefaultFile =
    "{\n"
    "    \"ControllerExclusive\": true,\n"
    "    \"Send_Upkey_OnKeyRepeat\": false,\n"
    "    \"Time_Between_Actions_MS\": 0,\n"
    "    \"Time_Between_Press_Release_MS\": 50,\n"
    "    \"Time_Between_Repeat_Press_Release_MS\": 20\n"
    "}\n";

class SettingsTest : public ::testing::Test {
protected:
    test_support::TempFolder folder;
    std::ostringstream out;
    std::ostringstream err;
    Tambo::SettingsDocument settings{folder.Path(), Tambo::Console{out, err}};
};

TEST_F(SettingsTest, FirstStartWritesTheDefaultsByteForByte) {
    settings.LoadSettings();
    EXPECT_EQ(folder.Read("config.json"), kDefaultFile);
    Tambo::EngineTimings timings;
    settings.CopyTimingsTo(timings);
    EXPECT_EQ(timings.pressReleaseMs, 50);
    EXPECT_EQ(out.str() + err.str(), "");
}

TEST_F(SettingsTest, EmptyObjectIsAcceptedUnchangedAndDefaultsApply) {
    folder.Write("config.json", "{}");
    settings.LoadSettings();
    EXPECT_EQ(folder.Read("config.json"), "{}");
    Tambo::EngineTimings timings;
    settings.CopyTimingsTo(timings);
    EXPECT_EQ(timings.actionsMs, 0);
    EXPECT_EQ(timings.pressReleaseMs, 150);
    EXPECT_EQ(timings.repeatPressReleaseMs, 20);
    EXPECT_FALSE(timings.sendUpKeyOnKeyRepeat);
    EXPECT_TRUE(settings.ReadBool(Keys::kControllerExclusive, true));
}

struct BrokenFileCase {
    std::string content;
    std::string messagePrefix;
};

void PrintTo(const BrokenFileCase& c, std::ostream* os) {
    *os << c.messagePrefix;
}

class BrokenSettingsFile : public SettingsTest,
                           public ::testing::WithParamInterface<BrokenFileCase> {};

TEST_P(BrokenSettingsFile, IsKeptAsBadAndReplacedByDefaults) {
    folder.Write("config.json", GetParam().content);
    settings.LoadSettings();
    const std::string path = folder.File("config.json").string();
    EXPECT_THAT(err.str(), StartsWith(GetParam().messagePrefix + path));
    EXPECT_THAT(err.str(), HasSubstr("kept as " + path + ".bad\n"));
    EXPECT_EQ(folder.Read("config.json.bad"), GetParam().content);
    EXPECT_EQ(folder.Read("config.json"), kDefaultFile);
    EXPECT_EQ(out.str(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Unreadable, BrokenSettingsFile,
    ::testing::Values(BrokenFileCase{"", "Error while parsing JSON file "},
                      BrokenFileCase{"{\"a\": ", "Error while parsing JSON file "},
                      BrokenFileCase{"{} trailing", "Error while parsing JSON file "},
                      BrokenFileCase{std::string("\x00\x01\xff binary", 10),
                                     "Error while parsing JSON file "},
                      BrokenFileCase{"null", "Error: Empty or invalid JSON file: "}));

TEST_F(SettingsTest, ParseErrorKeepsKeysOfTheEarlierDocument) {
    folder.Write("config.json", R"({"Unknown": "kept"})");
    settings.LoadSettings();
    folder.Write("config.json", "{ broken");
    settings.LoadSettings();
    EXPECT_EQ(settings.Document()["Unknown"], "kept");
    EXPECT_EQ(settings.Document()[Keys::kPressReleaseMs], 50);
}

TEST_F(SettingsTest, ReadersConvertSaturateAndTreatWrongTypesAsAbsent) {
    folder.Write("config.json", R"({
        "fraction": 12.9, "negativeFraction": -12.9, "yes": true, "text": "5", "list": [1],
        "huge": 1e300, "hugeUnsigned": 18446744073709551615, "big": 5000000000,
        "flag": false, "number": 1})");
    settings.LoadSettings();
    struct Case {
        const char* key;
        std::int64_t int64;
        std::int32_t int32;
    };
    const Case cases[] = {{"fraction", 12, 12},
                          {"negativeFraction", -12, -12},
                          {"yes", 1, 1},
                          {"text", -7, -7},
                          {"list", -7, -7},
                          {"missing", -7, -7},
                          {"huge", INT64_MAX, INT32_MAX},
                          {"hugeUnsigned", INT64_MAX, INT32_MAX},
                          {"big", 5000000000, INT32_MAX}};
    for (const Case& c : cases) {
        EXPECT_EQ(settings.ReadInt64(c.key, -7), c.int64) << c.key;
        EXPECT_EQ(settings.ReadInt32(c.key, -7), c.int32) << c.key;
    }
    EXPECT_FALSE(settings.ReadBool("flag", true));
    EXPECT_TRUE(settings.ReadBool("number", true));  // not a boolean: the default
    EXPECT_EQ(settings.ReadOptionalInt32("text"), std::nullopt);
    EXPECT_EQ(settings.ReadOptionalInt32("fraction"), 12);
}

TEST_F(SettingsTest, NonObjectDocumentGivesDefaults) {
    folder.Write("config.json", "[1, 2]");
    settings.LoadSettings();
    EXPECT_EQ(folder.Read("config.json"), "[1, 2]");
    EXPECT_EQ(settings.ReadInt64(Keys::kPressReleaseMs, 150), 150);
    settings.Assign(Keys::kDefaultBoxConfiguration, 3);
    EXPECT_EQ(settings.ReadInt32(Keys::kDefaultBoxConfiguration), 3);
}

TEST_F(SettingsTest, SavingKeepsUnknownKeys) {
    folder.Write("config.json", R"({"Zeta": [1, "x"], "Time_Between_Actions_MS": 7})");
    settings.LoadSettings();
    settings.Assign(Keys::kDefaultBoxConfiguration, 4);
    ASSERT_TRUE(settings.SaveSettings());
    EXPECT_EQ(folder.Read("config.json"),
              "{\n    \"Default_Box_Configuration\": 4,\n    \"Time_Between_Actions_MS\": 7,\n"
              "    \"Zeta\": [\n        1,\n        \"x\"\n    ]\n}\n");
}

TEST_F(SettingsTest, FolderInPlaceOfTheFileIsReportedAndLeftAlone) {
    std::filesystem::create_directory(folder.File("config.json"));
    settings.LoadSettings();
    EXPECT_THAT(err.str(), HasSubstr("Error: Unable to open file: "));
    EXPECT_THAT(err.str(), HasSubstr("Error while writing JSON file "));
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("config.json")));
    EXPECT_EQ(settings.ReadInt64(Keys::kPressReleaseMs, 150), 50);  // defaults in memory
}

TEST(SettingsSave, FolderThatCannotTakeFilesIsReportedOnStandardOutput) {
    test_support::TempFolder folder;
    std::ostringstream out;
    std::ostringstream err;
    Tambo::SettingsDocument settings(folder.File("missing-folder"), Tambo::Console{out, err});
    settings.Assign(Keys::kDefaultBoxConfiguration, 2);
    EXPECT_FALSE(settings.SaveSettings());
    EXPECT_EQ(out.str(), "Error writing configurations file: No such file or directory\n");
}

TEST_F(SettingsTest, FullDiskLeavesTheOldFileIntact) {
    settings.LoadSettings();
    settings.Assign("Padding", std::string(4096, 'x'));
    bool saved = true;
    {
        test_support::FileSizeLimit limit(1024);
        saved = settings.SaveSettings();
    }
    EXPECT_FALSE(saved);
    EXPECT_THAT(out.str(), StartsWith("Error writing configurations file: "));
    EXPECT_EQ(folder.Read("config.json"), kDefaultFile);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                            std::filesystem::directory_iterator{}),
              1)
        << "no temporary file is left behind";
}

}  // namespace
