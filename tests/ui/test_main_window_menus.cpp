// The main window's menus offscreen: the folder tree's and the File Explorer's context menus
// (items, enabling, the working commands), the Help menu's windows and pages, the window
// commands of the View and Edit menus, shortcuts, Exit, the error window and the general error
// handling.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTreeView>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "WindowFixture.h"
#include "dialogs/ProductPages.h"
#include "mainwindow/FolderTreeModel.h"

namespace fscope::test {
namespace {

struct TItem {
    const char* name;  // object name; null for a separator
    const char* caption;
};

// The menu's items in order: object names (separators as "-") and captions.
std::vector<std::pair<std::string, std::string>> ItemsOf(const QMenu& menu) {
    std::vector<std::pair<std::string, std::string>> items;
    for (const QAction* action : menu.actions())
        items.emplace_back(action->isSeparator() ? "-" : action->objectName().toStdString(),
                           action->isSeparator() ? "" : action->text().toStdString());
    return items;
}

std::vector<std::pair<std::string, std::string>> Expected(std::initializer_list<TItem> items) {
    std::vector<std::pair<std::string, std::string>> expected;
    for (const TItem& item : items)
        expected.emplace_back(item.name ? item.name : "-", item.name ? item.caption : "");
    return expected;
}

// The names of the menu's enabled items.
std::vector<std::string> EnabledItems(const QMenu& menu) {
    std::vector<std::string> names;
    for (const QAction* action : menu.actions())
        if (!action->isSeparator() && action->isEnabled())
            names.push_back(action->objectName().toStdString());
    return names;
}

QMenu& Menu(TfrmMain& window, const char* name) {
    auto* menu = window.findChild<QMenu*>(name);
    EXPECT_NE(menu, nullptr) << name;
    return *menu;
}

// Right-clicks `index` of `view` (its context menu request, as a right click sends it).
void RightClick(QAbstractItemView& view, const QModelIndex& index) {
    emit view.customContextMenuRequested(view.visualRect(index).center());
}

// Right-clicks below the last row, where there is no item.
void RightClickEmptyArea(QAbstractItemView& view) {
    emit view.customContextMenuRequested(QPoint(5, view.viewport()->height() - 3));
}

QTreeView& Tree(TfrmMain& window) { return *window.findChild<QTreeView*>("tvwFolders"); }
QTreeView& List(TfrmMain& window) { return *window.findChild<QTreeView*>("lvwFolders"); }

// Sets an environment variable for a scope.
class TEnvScope {
public:
    TEnvScope(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        qputenv(name, value);
    }
    ~TEnvScope() {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

class MenusTest : public MainWindowTest {
protected:
    std::unique_ptr<TfrmMain> ScannedWindow() {
        BuildFixture();
        auto window = StartAndScan(fixture_.Root());
        if (window) window->resize(1200, 760);
        QCoreApplication::processEvents();
        return window;
    }
    std::unique_ptr<TfrmMain> IdleWindow() {
        WriteFilters();
        WriteSettings();
        return Start();
    }
};

TEST_F(MenusTest, TreeMenuHoldsItsItemsEnabledByNodeKind) {
    auto window = ScannedWindow();
    ASSERT_NE(window, nullptr);
    TFolderTreeModel& model = window->TreeModel();
    QMenu& menu = Menu(*window, "popTree");
    EXPECT_EQ(
        ItemsOf(menu),
        Expected({{"OpenwithWindowsExplorer3", "Open with Windows Explorer"},
                  {"CommandPromptHere3", "Command Prompt Here"},
                  {"ViewAllfilesincludingsubfolders2", "View All files (including sub folders)"},
                  {"SavetoXML1", "Save to disk"},
                  {"Refresh2", "Search and Update"},
                  {"RemovefromFolderTree1", "Remove Disk Report from Tree"},
                  {"Delete2", "&Delete"},
                  {"Properties3", "&Properties"}}));
    const QModelIndex report = ReportNode(*window);
    const QModelIndex folder = model.index(0, 0, report);
    // Only the commands built so far are enabled; the others wait for their commands.
    const std::vector<std::string> working = {"OpenwithWindowsExplorer3", "CommandPromptHere3"};
    const struct {
        QModelIndex node;
        std::vector<std::string> enabled;
    } cases[] = {{model.RootIndex(), {}}, {report, working}, {folder, working}};
    for (const auto& c : cases) {
        RightClick(Tree(*window), c.node);
        EXPECT_EQ(SelectedNode(*window), c.node) << "right-click selects the node";
        EXPECT_TRUE(menu.isVisible());
        EXPECT_EQ(EnabledItems(menu), c.enabled) << model.data(c.node).toString().toStdString();
        menu.hide();
    }
    RightClickEmptyArea(Tree(*window));
    EXPECT_FALSE(menu.isVisible());
    EXPECT_EQ(SelectedNode(*window), folder);
}

TEST_F(MenusTest, TreeMenuOpensTheFolderInTheFileManagerAndATerminal) {
    fixture_.File("Sub dir/x.txt", 1);
    auto window = ScannedWindow();
    ASSERT_NE(window, nullptr);
    TFolderTreeModel& model = window->TreeModel();
    QModelIndex folder;
    for (int row = 0; row < model.rowCount(ReportNode(*window)); ++row) {
        const QModelIndex node = model.index(row, 0, ReportNode(*window));
        if (model.FolderOf(node)->FName.view() == "Sub dir") folder = node;
    }
    ASSERT_TRUE(folder.isValid());
    RightClick(Tree(*window), folder);
    Menu(*window, "popTree").hide();
    Trigger(*window, "OpenwithWindowsExplorer3");
    EXPECT_EQ(shell_.opened, std::vector<std::string>{fixture_.Root() + "Sub dir/"});

    // The terminal starts in the folder: a stand-in records its working folder.
    const std::string record = config_.Path("cwd.txt");
    const std::string script = config_.Path("terminal.sh");
    std::ofstream(script) << "#!/bin/sh\npwd > '" << record << "'\n";
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    const TEnvScope terminal("TERMINAL", QByteArray::fromStdString(script));
    Trigger(*window, "CommandPromptHere3");
    std::string written;
    // A bound only so that a terminal that never starts ends the test.
    for (int round = 0; round < 2000 && written.empty(); ++round) {
        QTest::qWait(5);
        std::ifstream in(record);
        std::getline(in, written);
    }
    EXPECT_EQ(written + "/", fixture_.Root() + "Sub dir/");
    EXPECT_TRUE(prompt_.calls.empty());

    // The folder went away after the scan: the error is shown under the program's title.
    RemoveTree(fixture_.Root() + "Sub dir");
    Trigger(*window, "CommandPromptHere3");
    ASSERT_EQ(prompt_.calls.size(), 1u);
    EXPECT_EQ(prompt_.calls[0].caption, TfrmMain::kAppTitle);
    EXPECT_EQ(prompt_.calls[0].text, "The folder " + fixture_.Root() + "Sub dir/ does not exist.");
}

TEST_F(MenusTest, ListMenuOpensCopiesPathsAndWaitsForTheFileCommands) {
    auto window = ScannedWindow();
    ASSERT_NE(window, nullptr);
    QMenu& menu = Menu(*window, "popListView");
    EXPECT_EQ(
        ItemsOf(menu),
        Expected({{"ViewAllFilesList1", "&View all files from this folder (including subfolders)"},
                  {nullptr, nullptr},
                  {"Open1", "&Open"},
                  {"OpenWith1", "Open &With..."},
                  {"OpeninExplorer1", "Open With Windows &Explorer"},
                  {"CommandPromptHere1", "Co&mmand Prompt Here"},
                  {"NewFolder1", "Create &New Folder..."},
                  {"FilePreview2", "File Preview"},
                  {nullptr, nullptr},
                  {"AddtoZip1", "Add to &Zip..."},
                  {"MovetoRecycleBin2", "Delete to Recycle Bin"},
                  {"CopytoAnotherPath1", "Copy to Another Path..."},
                  {"MoveToAnotherPath3", "Move To Another Path..."},
                  {"Rename1", "Rename"},
                  {nullptr, nullptr},
                  {"Copyselectedpathstoclipboard1", "Copy Selected Path(s) to Clipboard"},
                  {nullptr, nullptr},
                  {"Properties1", "Properties"}}));
    const std::vector<std::string> working = {"Open1", "Copyselectedpathstoclipboard1"};
    for (const std::string name : {"top.txt", "Alpha"}) {
        SelectRow(*window, name);
        RightClick(List(*window), List(*window).selectionModel()->currentIndex());
        EXPECT_TRUE(menu.isVisible()) << name;
        EXPECT_EQ(EnabledItems(menu), working) << name;
        menu.hide();
    }
    RightClickEmptyArea(List(*window));
    EXPECT_FALSE(menu.isVisible());

    // Copy: the selected rows' full paths in list order, each with CR LF.
    List(*window).selectAll();
    Trigger(*window, "Copyselectedpathstoclipboard1");
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), fixture_.Root() + "Alpha\r\n" +
                                                                   fixture_.Root() + "beta\r\n" +
                                                                   fixture_.Root() + "top.txt\r\n");

    // Ctrl+C in the list copies too.
    SelectRow(*window, "top.txt");
    QApplication::setActiveWindow(window.get());
    List(*window).setFocus();
    QTest::keyClick(&List(*window), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), fixture_.Root() + "top.txt\r\n");

    // Open goes into the folder row.
    SelectRow(*window, "beta");
    Trigger(*window, "Open1");
    EXPECT_EQ(window->CurrentPath(), fixture_.Root() + "beta/");
}

TEST_F(MenusTest, ViewAndEditCommandsActOnTheWindow) {
    auto window = ScannedWindow();
    ASSERT_NE(window, nullptr);
    auto* panel = window->findChild<QWidget*>("pnlFolderTree");
    auto* folderTree = window->findChild<QAction*>("actFoldTree");
    EXPECT_TRUE(folderTree->isChecked());
    Trigger(*window, "actFoldTree");
    EXPECT_FALSE(panel->isVisible());
    EXPECT_FALSE(folderTree->isChecked());
    Trigger(*window, "actFoldTree");
    EXPECT_TRUE(panel->isVisible());

    QItemSelectionModel& selection = *List(*window).selectionModel();
    Trigger(*window, "actSelAll");
    EXPECT_EQ(selection.selectedRows().size(), 3);
    Trigger(*window, "actClearSel");
    EXPECT_TRUE(selection.selectedRows().isEmpty());
}

TEST_F(MenusTest, ShortcutsRunTheirCommandOnce) {
    auto window = IdleWindow();
    ASSERT_NE(window, nullptr);
    QApplication::setActiveWindow(window.get());
    window->activateWindow();
    QTest::keyClick(window.get(), Qt::Key_F5);
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(prompt_.Messages(),
              (std::vector<std::string>{TfrmMain::kNoReportMessage, TfrmMain::kNoReportMessage,
                                        "The user guide is not installed."}));
    prompt_.textAnswers.push_back(std::nullopt);  // F3: the Folder Browser, cancelled
    QTest::keyClick(window.get(), Qt::Key_F3);
    ASSERT_EQ(prompt_.calls.size(), 4u);
    EXPECT_EQ(prompt_.calls[3].caption, "Folder Browser");
}

TEST_F(MenusTest, HelpMenuItemsAreEnabledAndOpenThePages) {
    auto window = IdleWindow();
    ASSERT_NE(window, nullptr);
    QMenu& help = Menu(*window, "Help1");
    for (const QAction* action : help.actions()) {
        if (action->isSeparator()) continue;
        EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();
    }
    Trigger(*window, "actContSupp");
    Trigger(*window, "CheckforUpgrade1");
    EXPECT_EQ(shell_.opened,
              (std::vector<std::string>{ProductPages::kSupport, ProductPages::kHome}));
    // The release notes are not installed beside the test program.
    Trigger(*window, "actWhatNew");
    EXPECT_EQ(prompt_.Messages(), std::vector<std::string>{"The release notes are not installed."});
}

TEST_F(MenusTest, GettingStartedFromHelpSaysCloseAndStartsNoScan) {
    auto window = IdleWindow();
    ASSERT_NE(window, nullptr);
    QString title, closeCaption;
    bool checked = true;
    OnNextModal(*window, [&](QDialog& dialog) {
        title = dialog.windowTitle();
        closeCaption = dialog.findChild<QPushButton*>("btnClose")->text();
        auto* showTip = dialog.findChild<QCheckBox*>("chkShowTip");
        checked = showTip->isChecked();
        showTip->click();
        dialog.findChild<QPushButton*>("btnClose")->click();
    });
    Trigger(*window, "actGetStart");
    EXPECT_EQ(title, "Getting Started");
    EXPECT_EQ(closeCaption, "Close");
    EXPECT_FALSE(checked);  // ShowTips "0"
    EXPECT_EQ(Options().Reginfo.ShowTips, "1");
    EXPECT_TRUE(prompt_.calls.empty());  // no Folder Browser afterwards
    EXPECT_FALSE(window->ScanRunning());
}

TEST_F(MenusTest, AboutShowsTheBoxWhoseButtonVisitsTheWebsite) {
    auto window = IdleWindow();
    ASSERT_NE(window, nullptr);
    QString name;
    OnNextModal(*window, [&](QDialog& dialog) {
        name = dialog.objectName();
        dialog.findChild<QPushButton*>("btnVisit")->click();
        dialog.findChild<QPushButton*>("btnOK")->click();
    });
    Trigger(*window, "actAbout");
    EXPECT_EQ(name, "frmAbout");
    EXPECT_EQ(shell_.opened, std::vector<std::string>{ProductPages::kHome});
}

TEST_F(MenusTest, ErrorWindowWaitsHiddenAndCommandErrorsGoToAMessageBox) {
    auto window = IdleWindow();
    ASSERT_NE(window, nullptr);
    auto* errorWindow = window->findChild<QDialog*>("frmErrorMsg");
    ASSERT_NE(errorWindow, nullptr);
    EXPECT_FALSE(errorWindow->isVisible());
    EXPECT_EQ(errorWindow->windowTitle(), "This program has performed an invalid operation");

    window->RunCommand([] { throw std::runtime_error("Disk full"); });
    ASSERT_EQ(prompt_.calls.size(), 1u);
    EXPECT_EQ(prompt_.calls[0].text, "Disk full");
    EXPECT_EQ(prompt_.calls[0].caption, "Folioscope Pro");
    EXPECT_FALSE(errorWindow->isVisible());
    Trigger(*window, "actStopScan");  // the program goes on
    EXPECT_EQ(prompt_.Messages().back(), TfrmMain::kNoReportMessage);
}

TEST_F(MenusTest, ExitClosesTheWindowAndWritesTheSettings) {
    auto window = IdleWindow();
    ASSERT_NE(window, nullptr);
    Options().TreeSort = 1;
    Trigger(*window, "actExit");
    EXPECT_FALSE(window->isVisible());
    window.reset();
    TOptions stored;
    std::string error;
    ASSERT_TRUE(LoadSettings(stored, ConfigFolder(), error)) << error;
    EXPECT_EQ(stored.TreeSort, 1);
}

}  // namespace
}  // namespace fscope::test
