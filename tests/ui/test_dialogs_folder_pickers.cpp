// The folder pickers: the recent-path rule, the Folder Browser's Start Search / Cancel / close
// rules, Browse Folders' lazy tree, and how the pickers are reached through the prompt.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "common/ScriptedPrompt.h"
#include "dialogs/BrowseFolders.h"
#include "dialogs/FolderBrowser.h"
#include "dialogs/FolderPickers.h"
#include "dialogs/FolderTreeNodes.h"
#include "dialogs/ShBrowse.h"
#include "mainwindow/QtPrompt.h"
#include "support/TempTree.h"
#include "ui/test_dialogs_helpers.h"

namespace fscope {
namespace {

using test::Child;
using test::EnsureApplication;
using test::SaveScreenshot;

class FolderPickers : public ::testing::Test {
protected:
    void SetUp() override { EnsureApplication(); }
    TScriptedPrompt prompt;
    TPromptScope scope{prompt};
};

QStringList ChildTexts(const QTreeWidgetItem* node) {
    QStringList texts;
    for (int i = 0; i < node->childCount(); ++i) texts << node->child(i)->text(0);
    return texts;
}

const std::string kBadUtf8 = "caf\xe9-\xff";  // a Latin-1 name: not valid UTF-8

TEST(ScanHistory, AddsNewPathsOnceAndKeepsTheTenNewest) {
    std::vector<std::string> history{"/a", "/b"};
    AddToScanHistory(history, "/b");
    EXPECT_EQ(history, (std::vector<std::string>{"/a", "/b"}));
    AddToScanHistory(history, "/B");  // exact comparison: a different folder on this system
    EXPECT_EQ(history.back(), "/B");

    std::vector<std::string> full;
    for (int i = 0; i < 10; ++i) full.push_back("/p" + std::to_string(i));
    AddToScanHistory(full, "/p5");
    EXPECT_EQ(full.size(), 10u);
    AddToScanHistory(full, "/new");
    ASSERT_EQ(full.size(), 10u);
    EXPECT_EQ(full.front(), "/p1");
    EXPECT_EQ(full.back(), "/new");
}

TEST_F(FolderPickers, StartSearchRefusesABlankPathAndStaysOpen) {
    std::vector<std::string> history;
    TfrmFoldBrow dialog(history);
    dialog.show();
    auto* cbPath = Child<QComboBox>(dialog, "cbPath");
    cbPath->setEditText("   ");
    QTest::mouseClick(Child<QPushButton>(dialog, "btStart"), Qt::LeftButton);

    ASSERT_EQ(prompt.calls.size(), 1u);
    EXPECT_EQ(prompt.calls[0].text, "Please select or type in the path");
    EXPECT_EQ(prompt.calls[0].caption, "Message");
    EXPECT_EQ(prompt.calls[0].icon, TMsgIcon::None);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.FCanClose());
    EXPECT_TRUE(history.empty());

    // The close box does nothing until a button allowed it.
    dialog.close();
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(FolderPickers, StartSearchRecordsTheTrimmedPathAndCancelRecordsNothing) {
    std::vector<std::string> history{"/srv/data"};
    {
        TfrmFoldBrow dialog(history);
        dialog.show();
        EXPECT_EQ(Child<QComboBox>(dialog, "cbPath")->count(), 1);  // the recent paths
        Child<QComboBox>(dialog, "cbPath")->setEditText("  /home/user  ");
        QTest::mouseClick(Child<QPushButton>(dialog, "btStart"), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.SelectedPath(), "/home/user");
    }
    EXPECT_EQ(history, (std::vector<std::string>{"/srv/data", "/home/user"}));
    {
        TfrmFoldBrow dialog(history);
        dialog.show();
        Child<QComboBox>(dialog, "cbPath")->setEditText("/tmp");
        QTest::keyClick(&dialog, Qt::Key_Escape);  // Esc presses Cancel
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_TRUE(dialog.FCanClose());
    }
    EXPECT_EQ(history.size(), 2u);
    EXPECT_TRUE(prompt.calls.empty());
}

TEST_F(FolderPickers, FolderBrowserTreeFillsTheBoxWithTheFolderBytes) {
    test::TempTree tree;
    tree.Folder(kBadUtf8 + "/inner");
    std::vector<std::string> history;
    TfrmFoldBrow dialog(history);
    dialog.show();
    auto* shellTree = Child<QTreeWidget>(dialog, "shellTree");
    auto* cbPath = Child<QComboBox>(dialog, "cbPath");

    // The computer node has no path of its own: it empties the box.
    QTreeWidgetItem* computer = shellTree->topLevelItem(0);
    shellTree->setCurrentItem(computer->child(0));
    cbPath->setEditText("/typed");
    shellTree->setCurrentItem(computer);
    EXPECT_EQ(cbPath->currentText(), "");

    const std::string folder = tree.Path(kBadUtf8);
    ASSERT_NE(FolderTreeNodes::SelectFolder(*shellTree, folder), nullptr);
    SaveScreenshot(dialog, "folder_browser");
    EXPECT_EQ(FolderTreeNodes::PathOf(shellTree->currentItem()), folder + "/");
    EXPECT_EQ(dialog.SelectedPath(), folder);
    QTest::mouseClick(Child<QPushButton>(dialog, "btStart"), Qt::LeftButton);
    EXPECT_EQ(history, std::vector<std::string>{folder});

    // The same folder picked again from the recent list keeps its bytes and is not added twice.
    TfrmFoldBrow again(history);
    again.show();
    auto* recent = Child<QComboBox>(again, "cbPath");
    recent->setCurrentIndex(0);
    EXPECT_EQ(again.SelectedPath(), folder);
    QTest::mouseClick(Child<QPushButton>(again, "btStart"), Qt::LeftButton);
    EXPECT_EQ(history.size(), 1u);
}

TEST_F(FolderPickers, BrowseFoldersShowsSortedSubfoldersAndReturnsTheirPaths) {
    test::TempTree tree;
    for (const char* name : {"beta/deep", "Alpha", "gamma", ".hidden", kBadUtf8.c_str()})
        tree.Folder(name);
    tree.File("file.txt", 10);
    tree.Link("link-to-beta", tree.Path("beta"));

    TfrmBrowse dialog;
    dialog.SetStartPath(tree.Root());
    dialog.show();
    auto* tvwFolders = Child<QTreeWidget>(dialog, "tvwFolders");
    ASSERT_EQ(tvwFolders->topLevelItemCount(), 1);
    QTreeWidgetItem* root = tvwFolders->topLevelItem(0);
    EXPECT_EQ(root->text(0), QString::fromStdString(tree.Root()));
    EXPECT_TRUE(root->isExpanded());
    EXPECT_EQ(tvwFolders->currentItem(), root);
    const QStringList names = ChildTexts(root);
    ASSERT_EQ(names.size(), 5) << names.join(",").toStdString();
    EXPECT_EQ(names.mid(0, 4), (QStringList{".hidden", "Alpha", "beta", "caf\uFFFD-\uFFFD"}));
    EXPECT_EQ(names[4], "gamma");

    QTreeWidgetItem* beta = root->child(2);
    EXPECT_EQ(ChildTexts(beta), QStringList{"."});  // not filled before it is expanded
    beta->setExpanded(true);
    EXPECT_EQ(ChildTexts(beta), QStringList{"deep"});
    tvwFolders->setCurrentItem(beta->child(0));
    SaveScreenshot(dialog, "browse_folders");
    QTest::mouseClick(Child<QPushButton>(dialog, "btnSelect"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.FSelectedPath(), tree.Path("beta/deep/"));

    TfrmBrowse other;
    other.SetStartPath(tree.Root());
    other.show();
    auto* otherTree = Child<QTreeWidget>(other, "tvwFolders");
    otherTree->setCurrentItem(otherTree->topLevelItem(0)->child(3));
    QTest::mouseClick(Child<QPushButton>(other, "btnSelect"), Qt::LeftButton);
    EXPECT_EQ(other.FSelectedPath(), tree.Root() + kBadUtf8 + "/");

    TfrmBrowse cancelled;
    cancelled.SetStartPath(tree.Root());
    cancelled.show();
    QTest::mouseClick(Child<QPushButton>(cancelled, "btnCancel"), Qt::LeftButton);
    EXPECT_TRUE(cancelled.FCancelled());
    EXPECT_EQ(cancelled.FSelectedPath(), "");
}

TEST_F(FolderPickers, ScriptedPromptAnswersForThePickers) {
    std::vector<std::string> history;
    prompt.textAnswers = {"  ", " /data ", std::nullopt, "/srv", std::nullopt, " /dest "};
    EXPECT_EQ(ChooseScanFolder(history), "/data");  // the blank answer is refused first
    EXPECT_EQ(prompt.Messages(), std::vector<std::string>{"Please select or type in the path"});
    EXPECT_EQ(history, std::vector<std::string>{"/data"});
    EXPECT_EQ(ChooseScanFolder(history), std::nullopt);

    EXPECT_EQ(BrowseScanFolders("/start/"), "/srv/");
    EXPECT_EQ(BrowseScanFolders("/start/"), "");

    TShBrowse browse;
    browse.Caption = "Move files";
    browse.InitialFolder = "/";
    EXPECT_TRUE(browse.Execute());
    EXPECT_EQ(browse.Folder, "/dest");
    EXPECT_EQ(prompt.calls.back().caption, "Move files");
    EXPECT_EQ(prompt.calls.back().text, "/");
}

// The Qt prompt's own windows, answered by the test from inside their event loop.
class QtPickers : public ::testing::Test {
protected:
    void SetUp() override { EnsureApplication(); }
    // Runs `answer` on the modal dialog once its event loop runs.
    static void WhenModal(std::function<void(QWidget&)> answer) {
        QTimer::singleShot(0, [answer] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            answer(*dialog);
        });
    }
    TQtPrompt qtPrompt;
    TPromptScope scope{qtPrompt};
};

TEST_F(QtPickers, FolderBrowserAndDestinationDialogThroughThePrompt) {
    std::vector<std::string> history;
    WhenModal([](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Folder Browser");
        Child<QComboBox>(dialog, "cbPath")->setEditText("/var");
        QTest::mouseClick(Child<QPushButton>(dialog, "btStart"), Qt::LeftButton);
    });
    EXPECT_EQ(ChooseScanFolder(history), "/var");
    EXPECT_EQ(history, std::vector<std::string>{"/var"});

    test::TempTree tree;
    tree.Folder("target");
    TShBrowse browse;
    browse.Caption = "Copy files";
    browse.Title = "Please select Destination Folder !";
    browse.InitialFolder = tree.Path("target");
    QPoint firstPosition;
    WhenModal([&](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Copy files");
        firstPosition = dialog.pos();
        SaveScreenshot(dialog, "destination_folder");
        QTest::mouseClick(Child<QPushButton>(dialog, "btnOK"), Qt::LeftButton);
    });
    ASSERT_TRUE(browse.Execute());  // the initial folder is selected: OK takes it
    EXPECT_EQ(browse.Folder, tree.Path("target"));
    EXPECT_FALSE(browse.Left == 0 && browse.Top == 0);
    EXPECT_EQ(firstPosition, QPoint(browse.Left, browse.Top));

    const int left = browse.Left, top = browse.Top;
    WhenModal([](QWidget& dialog) {
        QTest::mouseClick(Child<QPushButton>(dialog, "btnCancel"), Qt::LeftButton);
    });
    EXPECT_FALSE(browse.Execute());
    EXPECT_EQ(QPoint(browse.Left, browse.Top), QPoint(left, top));
}

}  // namespace
}  // namespace fscope
