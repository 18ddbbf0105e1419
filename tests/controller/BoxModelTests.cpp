// Box models and the stored key bindings laid over them.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "TempFolder.h"
#include "engine/BoxModels.h"
#include "profiles/KeyBindingStore.h"

namespace {

using Tambo::BoxModels;
using ::testing::HasSubstr;

TEST(BoxModelsTranslation, BuiltInMappings) {
    const BoxModels models;
    struct Case {
        std::int32_t model;
        std::int32_t code;
        std::int32_t slot;
    };
    const Case cases[] = {{0, 11, 0},  {0, 2, 9},   {0, 0, 16},   {0, 1, 16}, {0, 12, 16},
                          {1, 35, 2},  {1, 34, 9},  {1, 32, 1},   {1, 33, 3}, {1, 9, 0},
                          {2, 12, 0},  {2, 3, 9},   {3, 32, 8},   {3, 33, 9}, {3, 0, 7},
                          {4, 13, 12}, {4, 12, 13}, {4, 0, 11},   {5, 11, 0}, {5, 5, 13},
                          {5, 13, 8},  {6, 11, 16}, {-1, 11, 16}, {7, 0, 16}, {0, 36, 16}};
    for (const Case& c : cases) {
        EXPECT_EQ(models.SlotForCode(c.model, c.code), c.slot)
            << "model " << c.model << " code " << c.code;
    }
    EXPECT_EQ(models.CodeForSlot(3, 4), 3);
    EXPECT_EQ(models.CodeForSlot(0, 10), 38);
    EXPECT_EQ(models.SlotCount(4), 14);
    EXPECT_EQ(models.SlotCount(6), 0);
    EXPECT_EQ(BoxModels::Label(5), u"Dex-14");
}

class KeyBindingStoreTest : public ::testing::Test {
protected:
    test_support::TempFolder folder;
    std::ostringstream out;
    std::ostringstream err;
    Tambo::KeyBindingStore store{folder.Path(), Tambo::Console{out, err}};
    BoxModels models;
};

TEST_F(KeyBindingStoreTest, StoredMemberReplacesTheWholeBuiltInMapping) {
    folder.Write("keybind_data.json", R"({"0": [2, 3, 4, 5, 6, 7, 8, 9, 10, 11]})");
    Tambo::BuildBoxModels(models, store);
    EXPECT_EQ(models.SlotForCode(0, 2), 0);
    EXPECT_EQ(models.SlotForCode(0, 11), 9);
    EXPECT_EQ(models.SlotForCode(0, 12), 16);
    EXPECT_EQ(models.SlotForCode(1, 35), 2) << "other models keep their built-in mapping";
}

TEST_F(KeyBindingStoreTest, RepeatedCodeEndsOnTheLaterSlotAndUnboundSlotsUse38) {
    folder.Write("keybind_data.json", R"({"3": [0, 1, 5, 38, 4, 6, 7, 5, 38, 9.9]})");
    Tambo::BuildBoxModels(models, store);
    EXPECT_EQ(models.SlotForCode(3, 5), 7);
    EXPECT_EQ(models.SlotForCode(3, 9), 9);
    EXPECT_EQ(models.CodeForSlot(3, 3), 38);
    EXPECT_EQ(models.CodeForSlot(3, 2), 38) << "slot 2 lost its code to slot 7";
}

TEST_F(KeyBindingStoreTest, MembersThatDoNotFitAreSkipped) {
    folder.Write("keybind_data.json", R"({
        "1": [1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11],
        "2": [1, "x", 3],
        "6": [1, 2, 3], "-1": [1], "01": [1], "a": [1], "4": "text",
        "5": [13, 12]})");
    Tambo::BuildBoxModels(models, store);
    EXPECT_EQ(models.SlotForCode(1, 35), 2);
    EXPECT_EQ(models.SlotForCode(2, 12), 0);
    EXPECT_EQ(models.SlotForCode(4, 13), 12);
    EXPECT_EQ(models.SlotForCode(5, 13), 0) << "a short list is a fitting member";
    EXPECT_EQ(models.SlotForCode(5, 11), 16);
    EXPECT_EQ(err.str(), "");
}

TEST_F(KeyBindingStoreTest, UpdateMergesAppliesAndWritesTheFile) {
    Tambo::BuildBoxModels(models, store);
    ASSERT_TRUE(store.UpdateBindings(models, 4, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
    ASSERT_TRUE(store.UpdateBindings(models, 1, {9, 32, 35, 33, 4, 0, 5, 1, 2, 38}));
    ASSERT_TRUE(store.UpdateBindings(models, 4, {13, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0}));
    EXPECT_EQ(models.SlotForCode(4, 13), 0);
    EXPECT_EQ(models.SlotForCode(1, 34), 16);
    const std::string file = folder.Read("keybind_data.json");
    EXPECT_EQ(file.substr(0, 12), "{\n    \"1\": [");
    EXPECT_THAT(file, HasSubstr("\n    ],\n    \"4\": [\n        13,\n"));
    EXPECT_EQ(file.back(), '\n');

    Tambo::KeyBindingStore reloaded(folder.Path(), Tambo::Console{out, err});
    BoxModels again;
    Tambo::BuildBoxModels(again, reloaded);
    EXPECT_EQ(again.CodeToSlot(4), models.CodeToSlot(4));
    EXPECT_EQ(again.CodeToSlot(1), models.CodeToSlot(1));
}

TEST_F(KeyBindingStoreTest, UnreadableFileKeepsBuiltInMappingsAndIsKeptBeforeTheNextSave) {
    folder.Write("keybind_data.json", "not json {");
    Tambo::BuildBoxModels(models, store);
    EXPECT_THAT(err.str(), ::testing::StartsWith(
                               "Exception thrown during keybind data file read\n[json.exception"));
    EXPECT_EQ(models.SlotForCode(0, 11), 0);
    ASSERT_TRUE(store.UpdateBindings(models, 0, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(folder.Read("keybind_data.json.bad"), "not json {");
    EXPECT_THAT(err.str(), HasSubstr("keybind_data.json.bad"));
}

TEST_F(KeyBindingStoreTest, MissingFileIsSilent) {
    EXPECT_FALSE(store.LoadBindings());
    EXPECT_EQ(err.str() + out.str(), "");
}

TEST_F(KeyBindingStoreTest, FolderInPlaceOfTheFileIsReported) {
    std::filesystem::create_directory(folder.File("keybind_data.json"));
    EXPECT_FALSE(store.LoadBindings());
    EXPECT_EQ(err.str(), "Failed to open file for reading keybind_data.\n");
}

}  // namespace
