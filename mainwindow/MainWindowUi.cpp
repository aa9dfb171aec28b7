// The main window's widgets, actions, menus and toolbars.

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "common/Options.h"
#include "dialogs/ProductPages.h"
#include "mainwindow/ExplorerModel.h"
#include "mainwindow/FolderTreeModel.h"
#include "mainwindow/FolderTreeView.h"
#include "mainwindow/HelpCommands.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/MenuItems.h"
#include "mainwindow/ShareBar.h"

namespace fscope {

namespace {

struct TReportTab {
    const char* tabName;
    const char* caption;
    const char* listName;
    std::vector<std::pair<const char*, int>> columns;  // caption, width (0: default)
};

const std::vector<TReportTab>& ReportTabs() {
    static const std::vector<TReportTab> tabs = {
        {"tsSum",
         "File Types",
         "lvwRB",
         {{"Type", 150},
          {"Extension", 70},
          {"Percent", 80},
          {"Files", 90},
          {"Size", 110},
          {"Size on Disk", 100}}},
        {"tsAttr",
         "Attributes",
         "lvwAttr",
         {{"Attribute", 110}, {"Files", 70}, {"Size", 100}, {"Size on Disk", 100}}},
        {"tsSize",
         "File Size",
         "lvwSize",
         {{"Size Range", 150},
          {"Files", 90},
          {"Percent", 70},
          {"Size", 110},
          {"Size on Disk", 110}}},
        {"tsDate",
         "File Date",
         "lvwDate",
         {{"Date Range", 150}, {"Files", 90}, {"Size", 110}, {"Size on Disk", 110}}},
        {"tsTime",
         "File Time",
         "lvwTime",
         {{"Time Range", 150}, {"Files", 90}, {"Size", 110}, {"Size on Disk", 110}}},
        {"tsOwner",
         "File Ownership",
         "lvwOwner",
         {{"Owner Name", 120},
          {"Domain Name", 120},
          {"Files", 70},
          {"Percent", 80},
          {"Size", 100},
          {"Size on Disk", 100}}},
        {"tsSp",
         "Custom Types Summary",
         "lvwSp",
         {{"Type", 250}, {"Files", 70}, {"Size", 100}, {"Size on Disk", 100}}},
        {"tsAllFolders",
         "All Folders and SubFolders List",
         "lvwAllFolders",
         {{"Name", 150},
          {"Path", 300},
          {"% of Parent", 80},
          {"Size", 100},
          {"Size on Disk", 100},
          {"Files", 0},
          {"Folders", 0},
          {"Last Modified", 130}}},
    };
    return tabs;
}

QWidget* CreateReportTab(const TReportTab& tab, QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName(tab.tabName);
    auto* hint = new QLabel(
        "Hint: Double Click on desired list item to view files list in File Viewer", page);
    QFont bold = hint->font();
    bold.setBold(true);
    hint->setFont(bold);
    auto* list = new QTreeWidget(page);
    list->setObjectName(tab.listName);
    list->setRootIsDecorated(false);
    list->setAlternatingRowColors(true);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    QStringList captions;
    for (const auto& column : tab.columns) captions << QString::fromLatin1(column.first);
    list->setHeaderLabels(captions);
    for (int n = 0; n < static_cast<int>(tab.columns.size()); ++n)
        if (tab.columns[static_cast<size_t>(n)].second > 0)
            list->header()->resizeSection(n, tab.columns[static_cast<size_t>(n)].second);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->addWidget(hint);
    layout->addWidget(list);
    return page;
}

QIcon StandardIcon(const char* themeName, QStyle::StandardPixmap fallback) {
    return QIcon::fromTheme(themeName, QApplication::style()->standardIcon(fallback));
}

}  // namespace

QAction* TfrmMain::NewAction(const char* name, const QString& caption, const QKeySequence& shortcut,
                             std::function<void()> command) {
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    if (command)
        connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
    else
        MarkAsLater(*action);
    addAction(action);
    return action;
}

void TfrmMain::CreateActions() {
    auto unit = [this](const char* name, const char* caption, const char* code) {
        QAction* action = NewAction(name, caption, {}, [this, code] { SetSizeUnit(code); });
        action->setCheckable(true);
        sizeUnitActions_.push_back(action);
    };
    NewAction("actScan", "Start File Search", Qt::Key_F3, [this] {
        AnalyzeDrive();
    })->setIcon(StandardIcon("system-search", QStyle::SP_FileDialogContentsView));
    actStopScan_ = NewAction("actStopScan", "S&top Search", Qt::Key_F5, [this] { StopScan(); });
    actStopScan_->setIcon(StandardIcon("process-stop", QStyle::SP_BrowserStop));
    NewAction("actCustScan", "&Custom Search", Qt::Key_F4, nullptr);
    NewAction("actRescan", "Search and &Update", {}, nullptr)
        ->setIcon(StandardIcon("view-refresh", QStyle::SP_BrowserReload));
    NewAction("actExit", "E&xit Folioscope Pro", {}, [this] {
        close();
    })->setIcon(StandardIcon("application-exit", QStyle::SP_DialogCloseButton));
    NewAction("actSelAll", "Select &All items", QKeySequence(Qt::CTRL | Qt::Key_A),
              [this] { SelectAll(true); });
    NewAction("actClearSel", "Clear &Selection", {}, [this] { SelectAll(false); });
    actFoldTree_ = NewAction("actFoldTree", "&Folder Tree", {},
                             [this] { pnlFolderTree_->setVisible(actFoldTree_->isChecked()); });
    actFoldTree_->setCheckable(true);
    unit("actAuto", "Automatic", "GEN");
    unit("actBytes", "Bytes", "B");
    unit("actKBytes", "KBytes", "KB");
    unit("actMBytes", "MBytes", "MB");
    unit("actGBytes", "GBytes", "GB");
    const std::pair<const char*, const char*> prefixes[] = {
        {"actFTPFileSize", "File Size"}, {"actFTPAlSize", "Allocated Size"},
        {"actFTPWSize", "Wasted Size"},  {"actFTPFCount", "File Count"},
        {"actFTPPer", "Percent"},        {"actFTPNoPref", "No Prefix"}};
    auto* prefixGroup = new QActionGroup(this);
    for (int filter = 0; filter < 6; ++filter) {
        QAction* action = NewAction(prefixes[filter].first, prefixes[filter].second, {},
                                    [this, filter] { SetTreeFilter(filter); });
        action->setCheckable(true);
        prefixGroup->addAction(action);
        prefixActions_.push_back(action);
    }
    const std::pair<const char*, const char*> sorts[] = {
        {"actSortFile", "File Name"}, {"actSortSize", "File Size"}, {"actNoSort", "No Sorting"}};
    auto* sortGroup = new QActionGroup(this);
    for (int sort = 0; sort < 3; ++sort) {
        QAction* action = NewAction(sorts[sort].first, sorts[sort].second, {},
                                    [this, sort] { SetTreeSort(sort); });
        action->setCheckable(true);
        sortGroup->addAction(action);
        sortActions_.push_back(action);
    }
    NewAction("actUp", "One Level Up", {}, [this] {
        OneLevelUp();
    })->setIcon(StandardIcon("go-up", QStyle::SP_FileDialogToParent));
    NewAction("actOpen", "&Open", QKeySequence(Qt::CTRL | Qt::Key_O), [this] { OpenSelected(); });
    actDelBin_ = NewAction("actDelBin", "&Delete to Recycle Bin", Qt::Key_Delete, nullptr);
    actDelBin_->setIcon(StandardIcon("edit-delete", QStyle::SP_TrashIcon));
    NewAction("actSaveAna", "&Save to Disk", QKeySequence(Qt::CTRL | Qt::Key_S), nullptr)
        ->setIcon(StandardIcon("document-save", QStyle::SP_DialogSaveButton));
    NewAction("actExportToFile", "ExportToFile", {}, nullptr)
        ->setIcon(StandardIcon("document-export", QStyle::SP_FileLinkIcon));
    NewAction("actReBin", "&Clean Recycle Bin", {}, nullptr)
        ->setIcon(StandardIcon("user-trash-full", QStyle::SP_TrashIcon));
    NewAction("actMapDrive", "&Map Network Drive", {}, nullptr)
        ->setIcon(StandardIcon("folder-remote", QStyle::SP_DriveNetIcon));
    NewAction("actDisDrive", "&Disconnect Network Drive", {}, nullptr)
        ->setIcon(StandardIcon("network-offline-symbolic", QStyle::SP_DriveNetIcon));
    NewAction("actOptions", "&Options", {}, nullptr)
        ->setIcon(StandardIcon("preferences-system", QStyle::SP_FileDialogDetailedView));
    NewAction("actUserGuide", "&Users Guide", Qt::Key_F1, [] {
        OpenUserGuide();
    })->setIcon(StandardIcon("help-contents", QStyle::SP_DialogHelpButton));
    NewAction("actWhatNew", "What's New?", {}, [] { OpenWhatsNew(); });
    NewAction("actGetStart", "&Getting Started", {}, [this] { ShowGettingStarted(); });
    NewAction("actContSupp", "Contact us for Technical Support", {}, [] {
        OpenProductPage(ProductPages::kSupport);
    })->setIcon(StandardIcon("help-about", QStyle::SP_MessageBoxInformation));
    NewAction("actAbout", "About Folioscope Pro", {}, [this] { ShowAbout(); });
}

QAction* TfrmMain::AddMenuItem(QMenu* menu, const char* name, const QString& caption,
                               const QKeySequence& shortcut, std::function<void()> command) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WidgetShortcut);
    if (command)
        connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
    else
        MarkAsLater(*action);
    return action;
}

void TfrmMain::CreateMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu1");
    auto find = [this](const char* name) { return findChild<QAction*>(name); };
    auto item = [](QMenu* menu, const char* name, QAction* action) {
        menu->addAction(action);
        Q_UNUSED(name);
        return action;
    };
    auto later = [this](QMenu* menu, const char* name, const QString& caption,
                        const QKeySequence& shortcut = {}) {
        return AddMenuItem(menu, name, caption, shortcut, nullptr);
    };
    auto menuNamed = [bar](const char* name, const char* caption) {
        QMenu* menu = bar->addMenu(caption);
        menu->setObjectName(name);
        return menu;
    };

    QMenu* file = menuNamed("File1", "&File");
    item(file, "StartSearch1", find("actScan"))->setText("&Start File Search");
    item(file, "StopSearch1", actStopScan_);
    file->addSeparator();
    later(file, "CustomSearch1", "&Custom Search", Qt::Key_F4);
    later(file, "SearchandUpdate1", "Search and &Update");
    file->addSeparator();
    item(file, "ExitFolioscopePro2", find("actExit"));

    QMenu* edit = menuNamed("Edit1", "&Edit");
    item(edit, "CopyFiles1", find("actSelAll"))->setText("Select &All Items");
    item(edit, "ClearSelection1", find("actClearSel"));

    QMenu* view = menuNamed("View1", "&View");
    item(view, "FolderTree1", actFoldTree_);
    view->addSeparator();
    QMenu* units = view->addMenu("S&ize Unit");
    units->setObjectName("SizeUnit1");
    const std::pair<const char*, const char*> unitItems[] = {{"Automatic1", "&Automatic"},
                                                             {"Bytes1", "&Bytes"},
                                                             {"KiloBytes1", "&KiloBytes"},
                                                             {"MegaBytes1", "&MegaBytes"},
                                                             {"GigaBytes1", "&GigaBytes"}};
    auto* unitGroup = new QActionGroup(this);
    for (size_t n = 0; n < 5; ++n) {
        QAction* menuItem = units->addAction(unitItems[n].second);
        menuItem->setObjectName(unitItems[n].first);
        menuItem->setCheckable(true);
        unitGroup->addAction(menuItem);
        QAction* action = sizeUnitActions_[n];
        connect(menuItem, &QAction::triggered, action, &QAction::trigger);
        sizeUnitItems_.push_back(menuItem);
    }
    view->addSeparator();
    QMenu* prefix = view->addMenu("Folder Tree &Prefix");
    for (QAction* action : prefixActions_) prefix->addAction(action);
    QMenu* sortBy = view->addMenu("Sort By");
    for (QAction* action : sortActions_) sortBy->addAction(action);

    QMenu* report = menuNamed("DiskReport1", "&DiskReport");
    later(report, "LoadfromDisk1", "&Load from Disk", QKeySequence(Qt::CTRL | Qt::Key_L));
    later(report, "SavetoDisk1", "&Save to Disk", QKeySequence(Qt::CTRL | Qt::Key_S));
    later(report, "RemoveDiskReportfromFolderTree1", "&Remove Disk Report from Folder Tree");
    report->addSeparator();
    later(report, "ExportDiskReporttoFile1", "&Export Disk Report to File",
          QKeySequence(Qt::CTRL | Qt::Key_E));

    QMenu* lists = menuNamed("FilesList1", "Files&List");
    later(lists, "Allfilesincludingsubfolders1", "&All files (including subfolders)");
    later(lists, "BigSizeFiles1", "&Big Size Files");
    later(lists, "Oldestfiles1", "&Oldest files");
    later(lists, "Compressedfiles1", "&Compressed files");
    lists->addSeparator();
    later(lists, "JunkFiles1", "&Junk Files");
    later(lists, "ZeroSizefiles1", "&Zero Size files");
    later(lists, "emporaryfiles1", "&Temporary files");
    later(lists, "InternetTemporaryfiles1", "&Internet Temporary files");
    lists->addSeparator();
    later(lists, "Imagefiles1", "I&mage files");
    later(lists, "AudioFiles1", "A&udio Files");
    later(lists, "VideoFiles1", "&Video Files");
    lists->addSeparator();
    QMenu* duplicates = lists->addMenu("&Duplicate Files");
    duplicates->setObjectName("DuplicateFiles1");
    later(duplicates, "SameName1", "&Same Name");
    later(duplicates, "SameNameSize1", "S&ame Name && Size");
    later(duplicates, "SameNameDate1", "Sa&me Name && Date");
    lists->addSeparator();
    later(lists, "CustomTypesReports1", "Cu&stom Types Reports");

    QMenu* commands = menuNamed("Commands1", "&Commands");
    item(commands, "Open2", find("actOpen"));
    later(commands, "OpenWith2", "Open &With...");
    later(commands, "OpenwithWindowsExplorer1", "Open with Windows &Explorer");
    later(commands, "CommandPromptHere2", "Co&mmand Prompt Here");
    later(commands, "FilePreview1", "&File Preview", Qt::Key_F6);
    later(commands, "AddtoZip2", "Add to &Zip...");
    later(commands, "DeletetoRecycleBin1", "&Delete to Recycle Bin", Qt::Key_Delete);
    later(commands, "CopyToAnotherPath2", "Cop&y To Another Path...",
          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    later(commands, "MoveToAnotherPath1", "Move &To Another Path...",
          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M));
    later(commands, "Rename2", "Re&name", Qt::Key_F2);
    later(commands, "Properties2", "&Properties", QKeySequence(Qt::SHIFT | Qt::Key_F10));

    QMenu* tools = menuNamed("ools1", "&Tools");
    item(tools, "CleanRecycleBin1", find("actReBin"));
    later(tools, "AddRemovePrograms1", "&Add / Remove Programs");
    tools->addSeparator();
    item(tools, "MapNetworkDrive1", find("actMapDrive"));
    item(tools, "DisconnectNetworkDrive1", find("actDisDrive"));
    tools->addSeparator();
    QMenu* themes = tools->addMenu("Change Theme");
    themes->setObjectName("ChangeTheme1");
    const std::tuple<const char*, const char*, int> themeItems[] = {
        {"Shine1", "Modern Theme 1", 0},
        {"ModernTheme21", "Modern Theme 2", 2},
        {"WindowsXP1", "Default OS Theme", 1},
        {"ClassicTheme11", "Modern Theme 3", 3}};
    auto* themeGroup = new QActionGroup(this);
    for (const auto& [name, caption, theme] : themeItems) {
        QAction* action = themes->addAction(caption);
        action->setObjectName(name);
        action->setCheckable(true);
        action->setChecked(Options().Theme == theme);
        themeGroup->addAction(action);
        const int value = theme;
        connect(action, &QAction::triggered, this, [this, value] {
            RunCommand([this, value] {
                Options().Theme = value;
                ApplyTheme();
            });
        });
    }
    later(tools, "Options1", "&Options");

    QMenu* help = menuNamed("Help1", "&Help");
    item(help, "UsersGuide1", find("actUserGuide"));
    help->addSeparator();
    item(help, "WhatsNew1", find("actWhatNew"))->setText("&What's New?");
    item(help, "GettingStarted1", find("actGetStart"));
    help->addSeparator();
    item(help, "ContactusforTechnicalSupport1", find("actContSupp"))
        ->setText("&Contact us for Technical Support");
    AddMenuItem(help, "CheckforUpgrade1", "Visit the Website", {},
                [] { OpenProductPage(ProductPages::kHome); });
    help->addSeparator();
    item(help, "AboutFolioscopePro1", find("actAbout"))->setText("&About Folioscope Pro");
}

void TfrmMain::CreateToolBar() {
    pnlTB_ = addToolBar("Main");
    pnlTB_->setObjectName("pnlTB");
    pnlTB_->setMovable(false);
    pnlTB_->setIconSize(QSize(32, 32));
    auto button = [this](const char* actionName, const char* buttonName, const char* hint) {
        QAction* action = findChild<QAction*>(actionName);
        pnlTB_->addAction(action);
        QWidget* widget = pnlTB_->widgetForAction(action);
        widget->setObjectName(buttonName);
        widget->setToolTip(hint);
    };
    auto unitButton = [this](size_t n, const char* buttonName, const char* hint, const char* text) {
        QAction* action = sizeUnitActions_[n];
        action->setIconText(text);
        pnlTB_->addAction(action);
        QWidget* widget = pnlTB_->widgetForAction(action);
        widget->setObjectName(buttonName);
        widget->setToolTip(hint);
    };
    button("actScan", "btnOne", "Start File Search");
    button("actStopScan", "btnTwo", "Stop Search");
    button("actRescan", "btnThree", "Search again and update recent disk changes");
    button("actUp", "btnFour", "Go to parent folder");
    pnlTB_->addSeparator();
    button("actDelBin", "btnFive", "Delete selected file(s)");
    button("actSaveAna", "btnSix", "Save report as disk archive");
    button("actExportToFile", "btntwenty", "Export report to file (CSV, XML, HTML)");
    pnlTB_->addSeparator();
    unitButton(0, "btnSeven", "Auto display file size", "Auto");
    unitButton(1, "btnEight", "Display file size in bytes", "Bytes");
    unitButton(2, "btnNine", "Display file size in KB", "KB");
    unitButton(3, "btnTen", "Display file size in MB", "MB");
    unitButton(4, "btnEleven", "Display file size in GB", "GB");
    pnlTB_->addSeparator();
    button("actReBin", "btnTwelve", "Empty Recycle Bin");
    button("actMapDrive", "btnThirteen", "Map network drive");
    button("actDisDrive", "btnFourteen", "Disconnect mapped network drive");
    button("actOptions", "btnFifteen", "Configuration and Settings");
    pnlTB_->addSeparator();
    button("actContSupp", "btnSeventeen", "Contact us for support");
    button("actUserGuide", "btnEighteen", "Users guide");
    button("actExit", "btnNineteen", "Exit Program");
    pnlTB_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (QAction* action : sizeUnitActions_)
        if (auto* tool = qobject_cast<QToolButton*>(pnlTB_->widgetForAction(action)))
            tool->setToolButtonStyle(Qt::ToolButtonTextOnly);
}

QWidget* TfrmMain::CreateTreePanel() {
    pnlFolderTree_ = new QWidget(this);
    pnlFolderTree_->setObjectName("pnlFolderTree");
    pnlSmallTB_ = new QToolBar(pnlFolderTree_);
    pnlSmallTB_->setObjectName("pnlSmallTB");
    pnlSmallTB_->setIconSize(QSize(16, 16));
    pnlSmallTB_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto button = [this](QAction* action, const char* name, const char* text, const char* hint) {
        action->setText(text);
        action->setToolTip(hint);
        pnlSmallTB_->addAction(action);
        pnlSmallTB_->widgetForAction(action)->setObjectName(name);
    };
    // The small toolbar has its own buttons: the same commands, shorter texts.
    auto proxy = [this](QAction* target) {
        auto* action = new QAction(target->text(), pnlSmallTB_);
        action->setCheckable(true);
        connect(action, &QAction::triggered, target, &QAction::trigger);
        connect(target, &QAction::toggled, action, &QAction::setChecked);
        return action;
    };
    button(proxy(sortActions_[0]), "btn1", "A-Z", "Sort Tree by folder name");
    button(proxy(sortActions_[1]), "btn2", "Size", "Sort tree by folder size");
    pnlSmallTB_->addSeparator();
    button(proxy(prefixActions_[0]), "btn3", "Size",
           "Prefix \"file size\" for each folder in folder tree");
    button(proxy(prefixActions_[1]), "btn4", "Disk",
           "Prefix \"size on disk (allocated space)\" for each folder in folder tree");
    button(proxy(prefixActions_[3]), "btn6", "Count",
           "Prefix file count for each folder in folder tree");
    button(proxy(prefixActions_[4]), "btn7", "%",
           "Prefix % of parent for each folder in folder tree");
    button(proxy(prefixActions_[5]), "btn8", "None", "No prefix");

    tvwFolders_ = new TFolderTreeView([] { return Options().Busy; }, pnlFolderTree_);
    tvwFolders_->setObjectName("tvwFolders");
    tvwFolders_->setModel(treeModel_);
    tvwFolders_->setHeaderHidden(true);
    tvwFolders_->setIndentation(20);
    tvwFolders_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tvwFolders_->setSelectionMode(QAbstractItemView::SingleSelection);
    tvwFolders_->setUniformRowHeights(true);
    tvwFolders_->setExpandsOnDoubleClick(true);
    tvwFolders_->setContextMenuPolicy(Qt::CustomContextMenu);

    pcSummary_ = new QTabWidget(pnlFolderTree_);
    pcSummary_->setObjectName("pcSummary");
    lvwDrives_ = new QTreeWidget(pcSummary_);
    lvwDrives_->setObjectName("lvwDrives");
    lvwDrives_->setRootIsDecorated(false);
    lvwDrives_->setFocusPolicy(Qt::NoFocus);
    lvwDrives_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvwDrives_->setHeaderLabels({"Drive", "Capacity", "Usage", "Used", "Free"});
    lvwDrives_->header()->resizeSection(0, 90);
    lvwDrives_->header()->resizeSection(1, 80);
    lvwDrives_->header()->resizeSection(2, 45);
    lvwDrives_->header()->resizeSection(3, 70);
    lvwDrives_->header()->resizeSection(4, 60);
    lvwDrives_->setItemDelegateForColumn(2, new TUsageBarDelegate(lvwDrives_));
    pcSummary_->addTab(lvwDrives_, "All Drives Summary");
    pcSummary_->setMaximumHeight(170);

    auto* layout = new QVBoxLayout(pnlFolderTree_);
    layout->setContentsMargins(5, 0, 5, 8);
    layout->addWidget(pnlSmallTB_);
    layout->addWidget(tvwFolders_, 1);
    layout->addWidget(pcSummary_);
    return pnlFolderTree_;
}

QWidget* TfrmMain::CreateExplorerTab() {
    tsDetails_ = new QWidget(this);
    tsDetails_->setObjectName("tsDetails");
    auto* viewLabel = new QLabel("View", tsDetails_);
    rbAllFiles_ = new QRadioButton("Both Files and Folders", tsDetails_);
    rbAllFiles_->setObjectName("rbAllFiles");
    rbFilesOnly_ = new QRadioButton("Files only", tsDetails_);
    rbFilesOnly_->setObjectName("rbFilesOnly");
    rbFoldersOnly_ = new QRadioButton("Folders only", tsDetails_);
    rbFoldersOnly_->setObjectName("rbFoldersOnly");
    rbAllFiles_->setChecked(true);
    auto* radios = new QHBoxLayout;
    radios->addWidget(viewLabel);
    radios->addSpacing(8);
    radios->addWidget(rbAllFiles_);
    radios->addWidget(rbFilesOnly_);
    radios->addWidget(rbFoldersOnly_);
    radios->addStretch(1);

    lvwFolders_ = new QTreeView(tsDetails_);
    lvwFolders_->setObjectName("lvwFolders");
    lvwFolders_->setModel(explorerModel_);
    lvwFolders_->setRootIsDecorated(false);
    lvwFolders_->setUniformRowHeights(true);
    lvwFolders_->setAlternatingRowColors(true);
    lvwFolders_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lvwFolders_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvwFolders_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvwFolders_->setItemDelegateForColumn(static_cast<int>(TExplorerColumn::PercentOfParent),
                                          new TShareBarDelegate(lvwFolders_));
    QHeaderView* header = lvwFolders_->header();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setStretchLastSection(false);
    for (int column = 0; column < kExplorerColumnCount; ++column)
        header->resizeSection(column, TExplorerModel::DefaultWidth(column));

    auto* layout = new QVBoxLayout(tsDetails_);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->addLayout(radios);
    layout->addWidget(lvwFolders_, 1);
    return tsDetails_;
}

QWidget* TfrmMain::CreatePages() {
    pcMain_ = new QTabWidget(this);
    pcMain_->setObjectName("pcMain");
    // Tabs that do not fit scroll rather than widen the pages past the window: the folder tree
    // keeps its width.
    pcMain_->setUsesScrollButtons(true);
    pcMain_->setElideMode(Qt::ElideNone);
    pcMain_->addTab(CreateExplorerTab(), "File Explorer");
    for (const TReportTab& tab : ReportTabs())
        pcMain_->addTab(CreateReportTab(tab, pcMain_), tab.caption);
    return pcMain_;
}

void TfrmMain::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName("sbrMain");
    bar->setSizeGripEnabled(true);
    const int widths[] = {400, 150, 150, 150, 150, 150};
    for (int n = 0; n < 6; ++n) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QString("sbrPanel%1").arg(n));
        panel->setAlignment(Qt::AlignCenter);
        panel->setMinimumWidth(n == 0 ? 200 : 110);
        panel->setMaximumWidth(widths[n]);
        QFont bold = panel->font();
        bold.setBold(true);
        panel->setFont(bold);
        panel->setFrameShape(QFrame::NoFrame);
        bar->addWidget(panel, n == 0 ? 2 : 1);
        statusPanels_.push_back(panel);
    }
}

void TfrmMain::CreateProgressPanel() {
    pnlProg_ = new QFrame(this);
    pnlProg_->setObjectName("pnlProg");
    pnlProg_->setFrameShape(QFrame::StyledPanel);
    pnlProg_->setAutoFillBackground(true);
    auto* image = new QLabel(pnlProg_);
    image->setObjectName("Image1");
    image->setPixmap(StandardIcon("appointment-soon", QStyle::SP_BrowserReload).pixmap(32, 32));
    lblProg_ = new QLabel(
        "Please wait for few moments while loading the report. Please note that it may take "
        "more time if you have too many files.",
        pnlProg_);
    lblProg_->setObjectName("lblProg");
    lblProg_->setWordWrap(true);
    auto* layout = new QHBoxLayout(pnlProg_);
    layout->addWidget(image);
    layout->addWidget(lblProg_, 1);
    pnlProg_->resize(420, 80);
    pnlProg_->hide();
}

}  // namespace fscope
