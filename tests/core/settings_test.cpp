#include <gtest/gtest.h>

#include <filesystem>

#include "model/settingsplaces.h"
#include "testutil.h"

namespace {

const char* const kDefaultEquivalent[] = {
    "出勤,遅刻,早退,欠勤,半休,休出,有休,振休,特休,特欠",
    "10,11,12,20,13,14,21,22,23,24",
    "1,1,1,0,1,1,0,0,0,0",
    "直行不帰,勤務地１,勤務地２,勤務地３",
};

std::string Lines(std::initializer_list<std::string> lines, const std::string& eol) {
    std::string out;
    for (const auto& l : lines) out += S(l) + eol;
    return out;
}

struct SettingsCase {
    TempDir dir;
    FakeUi ui;
    std::unique_ptr<CVespinDoc> doc;
    explicit SettingsCase(const std::string& bytes) {
        WriteFile(dir.file("vespin.ini"), bytes);
        doc = std::make_unique<CVespinDoc>(&ui, dir.file("vespin"));
    }
};

std::vector<std::string> Utf8(const std::vector<std::string>& v) {
    std::vector<std::string> out;
    for (const auto& s : v) out.push_back(U(s));
    return out;
}

}  // namespace

TEST(Settings, MissingFileGivesTheMessageAndTheDefaults) {
    TempDir dir;
    FakeUi ui;
    CVespinDoc doc(&ui, dir.file("vespin"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0],
              "【 vespin.ini 】がありませんので、\nデフォルトの設定とします。"
              "\n\n探した場所：\n" +
                  dir.file("vespin.ini") + "\n" + doc.Settings().m_astrSettingsPlaces[1]);
    EXPECT_EQ(doc.ExeDir(), dir.path() + "/");
    EXPECT_EQ(doc.ExeName(), "vespin");
    EXPECT_EQ(U(doc.Settings().m_astrCategories[0]), "出勤");
    EXPECT_EQ(U(doc.Settings().m_astrCategories[9]), "特欠");
    EXPECT_EQ(doc.Settings().m_astrCategoryCodes[3], "20");
    EXPECT_EQ(doc.Settings().m_astrTimeFlags[3], "0");
    EXPECT_EQ(Utf8(doc.Settings().m_astrPlaces),
              (std::vector<std::string>{"直行不帰", "勤務地１", "勤務地２", "勤務地３"}));
}

TEST(Settings, DefaultEquivalentFileReadsExactlyAsTheDefaults) {
    TempDir dir;
    FakeUi ui;
    CVespinDoc defaults(&ui, dir.file("vespin"));
    for (const char* eol : {"\r\n", "\n"}) {
        SettingsCase c(Lines({kDefaultEquivalent[0], kDefaultEquivalent[1], kDefaultEquivalent[2],
                              kDefaultEquivalent[3]},
                             eol));
        EXPECT_TRUE(c.ui.messages.empty());
        EXPECT_EQ(c.doc->Settings().m_astrCategories, defaults.Settings().m_astrCategories);
        EXPECT_EQ(c.doc->Settings().m_astrCategoryCodes, defaults.Settings().m_astrCategoryCodes);
        EXPECT_EQ(c.doc->Settings().m_astrTimeFlags, defaults.Settings().m_astrTimeFlags);
        EXPECT_EQ(c.doc->Settings().m_astrPlaces, defaults.Settings().m_astrPlaces);
        EXPECT_EQ(U(c.doc->Settings().m_astrSettingLines[3]), kDefaultEquivalent[3]);
    }
}

TEST(Settings, LastLineWithoutLineEndKeepsItsLastByte) {
    SettingsCase c(S("出勤\r\n10\r\n1\r\n勤務地１"));
    EXPECT_EQ(Utf8(c.doc->Settings().m_astrPlaces), std::vector<std::string>{"勤務地１"});
}

TEST(Settings, FieldsAndGaps) {
    SettingsCase c(Lines({",遅刻", "10", "", "本社,,支社"}, "\r\n"));
    EXPECT_EQ(c.doc->Settings().m_astrCategories[0], "");
    EXPECT_EQ(U(c.doc->Settings().m_astrCategories[1]), "遅刻");
    EXPECT_EQ(c.doc->Settings().m_astrCategories[2], "");
    EXPECT_EQ(c.doc->Settings().m_astrCategoryCodes[0], "10");
    EXPECT_EQ(c.doc->Settings().m_astrTimeFlags[0], "");
    // An empty field ends the place list.
    EXPECT_EQ(Utf8(c.doc->Settings().m_astrPlaces), std::vector<std::string>{"本社"});
    EXPECT_EQ(Utf8(c.doc->Settings().CategoryListEntries()), std::vector<std::string>{"遅刻"});
}

TEST(Settings, FewerLinesAndMoreLines) {
    SettingsCase few("A,B\r\n");
    EXPECT_EQ(few.doc->Settings().m_astrCategories[1], "B");
    EXPECT_EQ(few.doc->Settings().m_astrCategoryCodes[0], "");
    EXPECT_TRUE(few.doc->Settings().m_astrPlaces.empty());

    std::string many;
    for (int i = 0; i < 12; ++i) many += "line" + std::to_string(i) + "\r\n";
    SettingsCase c(many);
    EXPECT_EQ(c.doc->Settings().m_astrSettingLines[9], "line9");
}

TEST(Settings, AtMostThreeHundredPlaces) {
    std::string places;
    for (int i = 1; i <= 301; ++i) {
        if (i > 1) places += ',';
        places += 'P';
        places += std::to_string(i);
    }
    SettingsCase c("a\r\nb\r\nc\r\n" + places + "\r\n");
    ASSERT_EQ(c.doc->Settings().m_astrPlaces.size(), 300u);
    EXPECT_EQ(c.doc->Settings().m_astrPlaces.back(), "P300");
}

TEST(Settings, GetField) {
    EXPECT_EQ(CVespinDoc::GetField("a,b,,d", 1), "a");
    EXPECT_EQ(CVespinDoc::GetField("a,b,,d", 2), "b");
    EXPECT_EQ(CVespinDoc::GetField("a,b,,d", 3), "");
    EXPECT_EQ(CVespinDoc::GetField("a,b,,d", 4), "d");
    EXPECT_EQ(CVespinDoc::GetField("a,b,,d", 5), "");
    EXPECT_EQ(CVespinDoc::GetField("only", 1), "only");
    EXPECT_EQ(CVespinDoc::GetField(" sp ace ,x", 1), " sp ace ");
    // A comma never hides in a double-byte character: 表 is 95 5C, ソ is 83 5C.
    EXPECT_EQ(U(CVespinDoc::GetField(S("表示,ソフト"), 2)), "ソフト");
}

TEST(Settings, LookedForBesideTheProgramThenInItsInstallationsEtc) {
    EXPECT_EQ(SettingsPlaces("/usr/bin/"),
              (std::vector<std::string>{"/usr/bin/vespin.ini", "/etc/vespin/vespin.ini"}));
    EXPECT_EQ(SettingsPlaces("/opt/v/bin/")[1], "/opt/v/etc/vespin/vespin.ini");

    TempDir root;
    std::filesystem::create_directories(root.file("bin"));
    std::filesystem::create_directories(root.file("etc/vespin"));
    const std::string exe = root.file("bin/vespin");
    WriteFile(root.file("etc/vespin/vespin.ini"), S("本社\r\n"));
    FakeUi ui;
    EXPECT_EQ(U(CVespinDoc(&ui, exe).Settings().m_astrCategories[0]), "本社");
    WriteFile(root.file("bin/vespin.ini"), S("支社\r\n"));
    EXPECT_EQ(U(CVespinDoc(&ui, exe).Settings().m_astrCategories[0]), "支社");
    EXPECT_TRUE(ui.messages.empty());

    // An explicit file is the only place looked at.
    CVespinDoc given(&ui, exe, root.file("none.ini"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].substr(ui.messages[0].rfind('\n') + 1), root.file("none.ini"));
}
