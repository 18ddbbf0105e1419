// user_session_data.json: the exact file, what a load restores, damaged files, and saves.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "TempFolder.h"
#include "engine/Text.h"
#include "profiles/SessionDocument.h"

namespace {

using Tambo::SessionDocument;
using ::testing::IsEmpty;

class SessionDocumentTest : public ::testing::Test {
protected:
    std::unique_ptr<SessionDocument> NewSession() {
        return std::make_unique<SessionDocument>(folder.Path(), Tambo::Console{out, err});
    }

    bool FileExists() const { return std::filesystem::exists(folder.File(kFile)); }

    // Everything in the folder, so a leftover temporary file would show.
    std::vector<std::string> FolderEntries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    static constexpr const char* kFile = SessionDocument::kFileName;
    test_support::TempFolder folder;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(SessionDocumentTest, FirstStartRestoresNothingAndSaysNothing) {
    auto session = NewSession();
    EXPECT_FALSE(session->LoadSession());
    EXPECT_EQ(session->GetSelectedProfileName(), u"");
    session->SaveSession();  // nothing was selected: no file
    EXPECT_TRUE(session->Flush());
    EXPECT_FALSE(FileExists());
    EXPECT_THAT(out.str(), IsEmpty());
    EXPECT_THAT(err.str(), IsEmpty());
}

TEST_F(SessionDocumentTest, ASelectionIsWrittenCompactlyWithoutALineEnd) {
    auto session = NewSession();
    session->SetSelectedProfileName(u"GS Pro");
    session->SaveSession();
    EXPECT_TRUE(session->Flush());
    EXPECT_EQ(folder.Read(kFile), R"({"selected_profile":"GS Pro"})");
    EXPECT_THAT(FolderEntries(), ::testing::ElementsAre(kFile));
}

TEST_F(SessionDocumentTest, NonAsciiNamesRoundTripExactly) {
    const std::u16string name = u"Caf\u00e9 \u26f3 \U0001D11E Z\u00fcrich";
    {
        auto session = NewSession();
        session->SetSelectedProfileName(name);
        session->SaveSession();
    }  // the destructor waits for the save
    EXPECT_EQ(folder.Read(kFile), "{\"selected_profile\":\"" + Tambo::Utf16ToUtf8(name) + "\"}");
    auto restored = NewSession();
    ASSERT_TRUE(restored->LoadSession());
    EXPECT_EQ(restored->GetSelectedProfileName(), name);
}

TEST_F(SessionDocumentTest, OtherMembersAreKeptAndWrittenBack) {
    folder.Write(kFile, R"({"window": {"w": 800}, "selected_profile": "A", "z": [1, "two"]})");
    auto session = NewSession();
    ASSERT_TRUE(session->LoadSession());
    EXPECT_EQ(session->GetSelectedProfileName(), u"A");
    session->SetSelectedProfileName(u"B");
    session->SaveSession();
    ASSERT_TRUE(session->Flush());
    EXPECT_EQ(nlohmann::json::parse(folder.Read(kFile)),
              nlohmann::json::parse(
                  R"({"window": {"w": 800}, "selected_profile": "B", "z": [1, "two"]})"));
}

TEST_F(SessionDocumentTest, OddDocumentsRestoreNothingAndAreReplacedByAnObject) {
    struct Case {
        std::string file;
        std::string afterSelectingB;
    };
    const Case cases[] = {
        {R"({"selected_profile": 5})", R"({"selected_profile":"B"})"},
        {R"({"selected_profile": null, "x": 1})", R"({"selected_profile":"B","x":1})"},
        {R"({"selected_profile": ["A"]})", R"({"selected_profile":"B"})"},
        {R"(["selected_profile", "A"])", R"({"selected_profile":"B"})"},
        {R"("A")", R"({"selected_profile":"B"})"},
        {"null", R"({"selected_profile":"B"})"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        folder.Write(kFile, c.file);
        auto session = NewSession();
        EXPECT_TRUE(session->LoadSession());
        EXPECT_EQ(session->GetSelectedProfileName(), u"");
        session->SetSelectedProfileName(u"B");
        session->SaveSession();
        ASSERT_TRUE(session->Flush());
        EXPECT_EQ(folder.Read(kFile), c.afterSelectingB);
    }
    EXPECT_THAT(err.str(), IsEmpty());
}

TEST_F(SessionDocumentTest, TextAfterTheFirstValueIsIgnored) {
    folder.Write(kFile, R"({"selected_profile":"A"} {"selected_profile":"B"} garbage)");
    auto session = NewSession();
    EXPECT_TRUE(session->LoadSession());
    EXPECT_EQ(session->GetSelectedProfileName(), u"A");
    EXPECT_THAT(err.str(), IsEmpty());
}

TEST_F(SessionDocumentTest, ADamagedFileIsReportedAndTheNextSelectionWritesAFreshOne) {
    for (const std::string text : {R"({"selected_profile": )", "", "\xff\xfe", R"({"a" 1})"}) {
        SCOPED_TRACE(text);
        err.str("");
        folder.Write(kFile, text);
        auto session = NewSession();
        EXPECT_FALSE(session->LoadSession());
        const std::string message = err.str();
        EXPECT_THAT(message,
                    ::testing::StartsWith(
                        "Exception thrown during session data file read\n[json.exception"));
        EXPECT_THAT(message, ::testing::EndsWith("\n"));
        EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 2);
        EXPECT_EQ(session->GetSelectedProfileName(), u"");
        EXPECT_THAT(out.str(), IsEmpty());

        session->SetSelectedProfileName(u"C");
        session->SaveSession();
        ASSERT_TRUE(session->Flush());
        EXPECT_EQ(folder.Read(kFile), R"({"selected_profile":"C"})");
    }
}

TEST_F(SessionDocumentTest, AFileThatCannotBeOpenedIsReported) {
    std::filesystem::create_directory(folder.File(kFile));
    auto session = NewSession();
    EXPECT_FALSE(session->LoadSession());
    EXPECT_EQ(err.str(), "Failed to open file for reading user_session_data.\n");
}

TEST_F(SessionDocumentTest, TheLastSelectionWins) {
    auto session = NewSession();
    for (int i = 0; i < 200; ++i) {
        session->SetSelectedProfileName(u"Profile " + Tambo::DecimalText(i));
        session->SaveSession();
    }
    ASSERT_TRUE(session->Flush());
    EXPECT_EQ(folder.Read(kFile), R"({"selected_profile":"Profile 199"})");
    EXPECT_THAT(FolderEntries(), ::testing::ElementsAre(kFile));
}

TEST_F(SessionDocumentTest, AFailedWriteIsReportedAndLeavesTheDocumentForTheNextSave) {
    const std::filesystem::path gone = folder.File("gone");
    std::filesystem::create_directory(gone);
    SessionDocument session(gone, Tambo::Console{out, err});
    session.SetSelectedProfileName(u"A");
    std::filesystem::remove(gone);
    session.SaveSession();
    EXPECT_FALSE(session.Flush());
    EXPECT_THAT(err.str(), ::testing::StartsWith("Error writing session data file: "));
    EXPECT_EQ(session.GetSelectedProfileName(), u"A");

    std::filesystem::create_directory(gone);
    session.SaveSession();
    EXPECT_TRUE(session.Flush());
    EXPECT_EQ(folder.Read("gone/user_session_data.json"), R"({"selected_profile":"A"})");
}

}  // namespace
