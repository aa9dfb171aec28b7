#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QSettings>
#include <cstdlib>

#include "common/AppPaths.h"
#include "common/CustomTypes.h"
#include "common/IniText.h"
#include "common/Options.h"
#include "common/RunAsNobody.h"
#include "platform/AtomicFile.h"
#include "support/TempTree.h"

using namespace fscope;
using fscope::test::TempTree;

namespace {

class OptionsTest : public ::testing::Test {
protected:
    std::string Folder() const { return tree.Path("config/Folioscope"); }
    std::string Store() const { return SettingsFilePath(Folder()); }
    // A store holding exactly `values` (quoted, as the program writes them).
    void WriteStore(const std::vector<std::pair<std::string, std::string>>& values) {
        tree.Folder("config/Folioscope");
        WriteFileAtomically(Store(), IniGeneralSection(values));
    }
    std::string RawValue(const std::string& key) const {
        QSettings store(QString::fromStdString(Store()), QSettings::IniFormat);
        return store.value(QString::fromStdString(key)).toString().toStdString();
    }
    TOptions Load() {
        TOptions options;
        std::string error;
        EXPECT_TRUE(LoadSettings(options, Folder(), error)) << error;
        return options;
    }
    TempTree tree;
};

// The keys of a store file in file order.
std::vector<std::string> KeysInFile(const std::string& path) {
    std::vector<std::string> keys;
    const std::string text = ReadWholeFile(path);
    for (size_t pos = 0; pos < text.size();) {
        const size_t end = text.find('\n', pos);
        const std::string line = text.substr(pos, end - pos);
        if (const size_t eq = line.find('='); eq != std::string::npos)
            keys.push_back(line.substr(0, eq));
        pos = end == std::string::npos ? text.size() : end + 1;
    }
    return keys;
}

}  // namespace

TEST_F(OptionsTest, MissingStoreIsCreatedWithTheInstallationDefaults) {
    const TOptions o = Load();
    EXPECT_EQ(o.Reginfo.Decimals, "2");
    EXPECT_EQ(o.SizeType, "GEN");
    EXPECT_EQ(o.TreeFilter, 0);
    EXPECT_EQ(o.Reginfo.BigFileSize, "100");
    EXPECT_EQ(o.Reginfo.BigFileUnit, "MB");
    EXPECT_EQ(o.Reginfo.OldFilesDType, "Modified");
    EXPECT_EQ(o.Reginfo.OldFilesTime, "1");
    EXPECT_EQ(o.Reginfo.OldFilesUnit, "Years");
    EXPECT_EQ(o.Reginfo.CSVSep, ",");
    EXPECT_EQ(RawValue("SizeType"), "GEN");
    const std::vector<std::string> order = {
        "Decimals",      "ShowTips",     "QuickHelp",    "SizeType",     "FTSizeType",
        "SBSizeType",    "TreeFilter",   "TreeSort",     "BigFileSize",  "BigFileUnit",
        "OldFilesDType", "OldFilesTime", "OldFilesUnit", "ExPaths",      "ExFiles",
        "SIcons",        "FontName",     "FontSize",     "CSVSep",       "ColWidths",
        "VColWidths",    "AFColWidths",  "ColVisible",   "VColVisible",  "AFColVisible",
        "HistoryPaths",  "CustPaths",    "LVSort1",      "LVSort2",      "LVSort8",
        "LVSort9",       "LVSortOrder1", "LVSortOrder2", "LVSortOrder8", "LVSortOrder9",
        "VSort",         "VSortOrder",   "Theme",        "DefExpPath"};
    EXPECT_EQ(KeysInFile(Store()), order);
}

TEST_F(OptionsTest, AwkwardValuesReadBackExactly) {
    const char* values[] = {",",
                            ";",
                            " ",
                            "a, b",
                            "x;y;",
                            "/a|b/|/c/|",
                            "\"quoted\"",
                            "'single'",
                            "  lead",
                            "trail  ",
                            "back\\slash\\",
                            "tab\there",
                            "line\nbreak",
                            "@at",
                            "@@x",
                            "key=value",
                            "#hash",
                            "[section]",
                            "%25 percent",
                            "Gr\xC3\xB6\xC3\x9F"
                            "e",
                            "\x01"
                            "abc",
                            "\x1f"
                            "F",
                            ""};
    for (const char* value : values) {
        TOptions o = DefaultOptions();
        o.Reginfo.DefExpPath = value;
        o.Reginfo.CSVSep = value[0] ? value : ",";
        SaveSettings(o, Folder());
        const TOptions back = Load();
        EXPECT_EQ(back.Reginfo.DefExpPath, value);
        EXPECT_EQ(back.Reginfo.CSVSep, o.Reginfo.CSVSep);
    }
}

TEST_F(OptionsTest, ReadingRulesAndDefaults) {
    WriteStore({{"Decimals", "  "},
                {"ShowTips", ""},
                {"CSVSep", " "},
                {"FontName", " "},
                {"FontSize", ""},
                {"ExPaths", "  /a/|  "},
                {"SIcons", " 1 "},
                {"HistoryPaths", "/home/;/srv/data/"},
                {"CustPaths", ""},
                {"Theme", ""},
                {"TreeFilter", " 3 "},
                {"ColWidths", " 10, 20 "}});
    TOptions o = Load();
    EXPECT_EQ(o.Reginfo.Decimals, "2");
    EXPECT_EQ(o.Reginfo.ShowTips, "1");
    EXPECT_EQ(o.Reginfo.CSVSep, " ");  // not trimmed
    EXPECT_EQ(o.Reginfo.FontName, "Tahoma");
    EXPECT_EQ(o.Reginfo.FontSize, "8");
    EXPECT_EQ(o.Reginfo.ExPaths, "/a/|");
    EXPECT_EQ(o.Reginfo.SIcons, "1");
    EXPECT_EQ(o.Reginfo.ColWidths, " 10, 20 ");  // read as it is
    EXPECT_EQ(o.HistoryList, (std::vector<std::string>{"/home/", "/srv/data/"}));
    EXPECT_TRUE(o.CustPathList.empty());
    EXPECT_EQ(o.Theme, 0);
    EXPECT_EQ(o.TreeFilter, 3);
    EXPECT_EQ(o.Reginfo.BigFileSize, "100");  // missing from the store: installation default

    SaveSettings(o, Folder());
    EXPECT_EQ(RawValue("HistoryPaths"), "/home/;/srv/data/;");  // normalised
    SaveSettings(o, Folder());                                  // saving twice keeps the history
    EXPECT_EQ(RawValue("HistoryPaths"), "/home/;/srv/data/;");

    WriteStore({{"CSVSep", ""}});
    EXPECT_EQ(Load().Reginfo.CSVSep, ",");
}

TEST_F(OptionsTest, LoadThenSaveWritesBackEveryValue) {
    // A store as a hand-edited or QSettings-written file: unquoted where Qt does not quote.
    tree.Folder("config/Folioscope");
    {
        QSettings store(QString::fromStdString(Store()), QSettings::IniFormat);
        const std::pair<const char*, const char*> values[] = {{"Decimals", "3"},
                                                              {"ShowTips", "0"},
                                                              {"QuickHelp", "0"},
                                                              {"SizeType", "KB"},
                                                              {"FTSizeType", "GB"},
                                                              {"SBSizeType", "B"},
                                                              {"TreeFilter", "4"},
                                                              {"TreeSort", "2"},
                                                              {"BigFileSize", "7"},
                                                              {"BigFileUnit", "GB"},
                                                              {"OldFilesDType", "Accessed"},
                                                              {"OldFilesTime", "30"},
                                                              {"OldFilesUnit", "Days"},
                                                              {"ExPaths", "/proc/|/a b/|"},
                                                              {"ExFiles", "*.o|core|"},
                                                              {"SIcons", "1"},
                                                              {"FontName", "Verdana"},
                                                              {"FontSize", "11"},
                                                              {"CSVSep", ";"},
                                                              {"ColWidths", "1,2,3"},
                                                              {"VColWidths", "4,5"},
                                                              {"AFColWidths", "6"},
                                                              {"ColVisible", "1,0,1"},
                                                              {"VColVisible", "0,1"},
                                                              {"AFColVisible", "1"},
                                                              {"HistoryPaths", "/x/;/y z/;"},
                                                              {"CustPaths", "/c/;"},
                                                              {"LVSort1", "1"},
                                                              {"LVSort2", "2"},
                                                              {"LVSort8", "3"},
                                                              {"LVSort9", "4"},
                                                              {"LVSortOrder1", "1"},
                                                              {"LVSortOrder2", "0"},
                                                              {"LVSortOrder8", "1"},
                                                              {"LVSortOrder9", "-1"},
                                                              {"VSort", "9"},
                                                              {"VSortOrder", "1"},
                                                              {"Theme", "3"},
                                                              {"DefExpPath", "/exports/"}};
        for (const auto& [key, value] : values) store.setValue(key, QString::fromUtf8(value));
        store.sync();
        ASSERT_EQ(store.status(), QSettings::NoError);
    }
    std::map<std::string, std::string> before;
    for (const std::string& key : KeysInFile(Store())) before[key] = RawValue(key);
    ASSERT_EQ(before.size(), 39u);

    SaveSettings(Load(), Folder());
    for (const auto& [key, value] : before) EXPECT_EQ(RawValue(key), value) << key;
    const std::string written = ReadWholeFile(Store());
    SaveSettings(Load(), Folder());
    EXPECT_EQ(ReadWholeFile(Store()), written);  // stable from then on
}

TEST_F(OptionsTest, NonNumericValueIsAClearErrorAndChangesNothing) {
    const std::pair<const char*, const char*> cases[] = {
        {"TreeFilter", "abc"}, {"LVSort1", ""}, {"VSort", "12x"}, {"Theme", "9999999999"}};
    for (const auto& [key, value] : cases) {
        WriteStore({{key, value}});
        TOptions o;
        o.Reginfo.Decimals = "untouched";
        std::string error;
        EXPECT_FALSE(LoadSettings(o, Folder(), error)) << key;
        EXPECT_NE(error.find(key), std::string::npos) << error;
        EXPECT_NE(error.find(std::string("\"") + value + "\""), std::string::npos) << error;
        EXPECT_EQ(o.Reginfo.Decimals, "untouched");
    }
}

TEST_F(OptionsTest, StoreThatCannotBeReadOrWrittenFailsLoading) {
    tree.Folder("config/Folioscope/Folioscope30.conf");  // a folder where the file should be
    TOptions o;
    std::string error;
    EXPECT_FALSE(LoadSettings(o, Folder(), error));
    EXPECT_NE(error.find("Folioscope30.conf"), std::string::npos) << error;

    tree.File("blocked");  // the store's folder cannot be created
    EXPECT_FALSE(LoadSettings(o, tree.Path("blocked/Folioscope"), error));
    EXPECT_FALSE(error.empty());
}

TEST_F(OptionsTest, PermissionFailuresOfAnOrdinaryUser) {
    ::chmod(tree.Root().c_str(), 0755);
    WriteStore({{"Decimals", "1"}});
    ::chmod(Store().c_str(), 0600);  // root's private file: unreadable for the user
    const auto loadAsUser = [&] {
        TOptions o;
        std::string error;
        return LoadSettings(o, Folder(), error) ? 1 : 0;
    };
    EXPECT_EQ(test::RunAsNobody(loadAsUser), 0);
    ::chmod(Store().c_str(), 0644);  // readable, but neither the file nor its folder writable
    EXPECT_EQ(test::RunAsNobody(loadAsUser), 0);

    // Saving into a folder the user cannot write fails and keeps the existing file whole, even
    // when the file itself is writable.
    ::chmod(Store().c_str(), 0666);
    const std::string before = ReadWholeFile(Store());
    const int code = test::RunAsNobody([&] {
        try {
            SaveSettings(DefaultOptions(), Folder());
            return 1;
        } catch (const ESettingsError&) {
            return 0;
        }
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(ReadWholeFile(Store()), before);
}

TEST_F(OptionsTest, CustomTypeMasksAreCopiedIntoTheRecord) {
    CustTypes() = {{"Junk Files", "*.bak"}, {"Image Files", "*.png *.jpg"}};
    const TOptions o = Load();
    EXPECT_EQ(o.Reginfo.JunkFiles, "*.bak");
    EXPECT_EQ(o.Reginfo.ImageFiles, "*.png *.jpg");
    EXPECT_EQ(o.Reginfo.VideoFiles, "");
    FreeCustTypes();
}

TEST(Options, ScanSettingsAndConfigFolder) {
    TOptions o;
    o.Reginfo.ExPaths = "/proc/|";
    o.Reginfo.ExFiles = "*.o|";
    o.Reginfo.SIcons = "1";
    const TScanSettings s = ScanSettingsFrom(o);
    EXPECT_EQ(s.ExPaths, "/proc/|");
    EXPECT_EQ(s.ExFiles, "*.o|");
    EXPECT_EQ(s.SIcons, "1");

    ::setenv("XDG_CONFIG_HOME", "/custom/config/", 1);
    EXPECT_EQ(ConfigFolder(), "/custom/config/Folioscope");
    ::setenv("XDG_CONFIG_HOME", "relative", 1);  // not absolute: ignored
    ::setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(ConfigFolder(), "/home/someone/.config/Folioscope");
}
