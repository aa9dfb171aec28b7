#pragma once
// TfrmMain: the main window. It owns the reports (ReportList), shows one of them at a time
// (CurReport) in the folder tree, the File Explorer list and the report tabs, and runs scans on
// a worker thread (ScanReport) that its timer polls about ten times a second. The window never
// reads a report before the worker has handed it over.

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/Folioscope.h"

class QAction;
class QActionGroup;
class QLabel;
class QLineEdit;
class QMenu;
class QModelIndex;
class QRadioButton;
class QTabWidget;
class QTimer;
class QToolBar;
class QTreeView;
class QTreeWidget;
class QWidget;
class QFrame;
class QSplitter;

namespace fscope {

class TExplorerModel;
class TFolderTreeModel;
class TFolderTreeView;
class TScanJob;
class TfrmProg;

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    static constexpr const char* kAppTitle = "Folioscope Pro";
    static constexpr const char* kCaption = "Folioscope Pro 3.4";
    static constexpr const char* kNoReportMessage =
        "Please perform a drive search first of all by using \"Start File Search\" command from "
        "\"File Menu\"";
    // How long closing the window waits for a scan to answer its stop request.
    static constexpr int kCloseWaitMilliseconds = 5000;

    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;  // writes the settings and frees the reports (FormDestroy)

    // ---- commands -----------------------------------------------------------------------
    void AnalyzeDrive();                     // Start File Search
    void ScanPath(const std::string& path);  // scan a path given by the program
    void StopScan();
    // ScanPath now, or as soon as the running scan has ended (the start-up's command-line path
    // waits for the scan started from the Getting Started window).
    void ScanPathWhenIdle(const std::string& path);
    void RefreshView();
    void UpdateStatusBar();
    void SetSizeUnit(const std::string& unit);
    void OpenSelected();
    void OneLevelUp();
    void RefreshTreePrefixes();
    void SortFolderTree();
    void ApplyTheme();
    void FillDrivesSummary();
    void ShowPnlProg(const QString& message);
    void HidePnlProg();

    // ---- state ------------------------------------------------------------------------
    TFolioscope* CurReport() const { return curReport_; }
    TFolioscope* ScanReport() const { return scanReport_; }
    double ReportTotal() const { return reportTotal_; }
    const std::vector<std::unique_ptr<TFolioscope>>& ReportList() const { return reportList_; }
    const std::vector<TFoldInfo*>& ExplorerRows() const;
    // The folder shown, ending in '/', as bytes (edPath shows it decoded).
    const std::string& CurrentPath() const { return currentPath_; }
    bool ScanRunning() const { return scanJob_ != nullptr; }
    // True after a close that had to leave a scan running: nothing may be freed afterwards.
    bool WorkerLeftRunning() const { return workerLeftRunning_; }
    TFolderTreeModel& TreeModel() const { return *treeModel_; }
    TExplorerModel& ExplorerModel() const { return *explorerModel_; }
    // Ticks of the window's poll timer so far, and the seconds the last hand-over of a scanned
    // report took (adding its node, expanding it, filling the lists): for measurements.
    int64_t TimerTicks() const { return timerTicks_; }
    double LastHandOverSeconds() const { return lastHandOverSeconds_; }

    // How long a close waits for a running scan to stop (tests shorten it).
    void SetCloseWait(int milliseconds) { closeWaitMilliseconds_ = milliseconds; }
    // Test and benchmark seam: scans read entries from `source` instead of the disk.
    void SetEntrySource(IEntrySource* source) { entrySource_ = source; }
    // Runs `command`, showing what it throws in a message box captioned with the program's
    // title; the program goes on.
    void RunCommand(const std::function<void()>& command);

signals:
    void scanStarted();
    void scanFinished();  // the scan's report was handed over (or dropped)

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    QWidget* CreateTreePanel();
    QWidget* CreatePages();
    QWidget* CreateExplorerTab();
    void CreateStatusBar();
    void CreateProgressPanel();
    void InitFolderTree();
    QAction* NewAction(const char* name, const QString& caption, const QKeySequence& shortcut,
                       std::function<void()> command);
    // A menu item of its own (not a window action): its shortcut works only where the item is
    // shown. Without a command the item stays disabled (the command comes later).
    QAction* AddMenuItem(QMenu* menu, const char* name, const QString& caption,
                         const QKeySequence& shortcut, std::function<void()> command);
    void CreateContextMenus();
    void TreeContextMenu(const QPoint& position);
    void ListContextMenu(const QPoint& position);
    void ExploreTreeFolder();
    void TreeCommandPrompt();
    void CopySelectedPaths();
    void ShowGettingStarted();
    void ShowAbout();

    void StartScan(const std::string& path, bool paintFirst);
    void PollScan();
    void FinishScan();
    void AddReportNode(std::unique_ptr<TFolioscope> report, const std::string& path);
    void ShowProgress(TFolioscope& report);
    void CloseProgress();

    void TreeSelectionChanged();
    void TreeExpanded(const QModelIndex& index);
    void ExplorerColumnClicked(int column);
    void SelectAll(bool select);
    void SetTreeFilter(int filter);
    void SetTreeSort(int sort);
    void CheckTreeActions();
    void CheckSizeUnitItem(const std::string& unit);
    void LayoutProgressPanel();
    bool StopWorkerForClose();
    void LeaveWorkerRunning();
    void SaveColumnLayouts();
    QModelIndex SelectedTreeNode() const;
    // NodePath of the selected report or folder node; empty for "My Reports" or none.
    std::string SelectedNodePath() const;

    // Reports and state.
    std::vector<std::unique_ptr<TFolioscope>> reportList_;
    TFolioscope* curReport_ = nullptr;
    TFolioscope* scanReport_ = nullptr;
    std::unique_ptr<TFolioscope> scanOwned_;  // the report being scanned, until handed over
    std::string scanPath_;
    std::string pendingScanPath_;
    std::unique_ptr<TScanJob> scanJob_;
    double reportTotal_ = 0;
    std::string currentPath_;
    IEntrySource* entrySource_ = nullptr;
    bool workerLeftRunning_ = false;
    bool closed_ = false;
    bool treePanelPlaced_ = false;
    int closeWaitMilliseconds_ = kCloseWaitMilliseconds;
    int64_t timerTicks_ = 0;
    double lastHandOverSeconds_ = 0;

    // Widgets (object names as the program's commands know them).
    QToolBar* pnlTB_ = nullptr;
    QWidget* pnlAddr_ = nullptr;
    QLineEdit* edPath_ = nullptr;
    QSplitter* splMain_ = nullptr;
    QWidget* pnlFolderTree_ = nullptr;
    QToolBar* pnlSmallTB_ = nullptr;
    TFolderTreeView* tvwFolders_ = nullptr;
    QTabWidget* pcSummary_ = nullptr;
    QTreeWidget* lvwDrives_ = nullptr;
    QTabWidget* pcMain_ = nullptr;
    QWidget* tsDetails_ = nullptr;
    QRadioButton* rbAllFiles_ = nullptr;
    QRadioButton* rbFilesOnly_ = nullptr;
    QRadioButton* rbFoldersOnly_ = nullptr;
    QTreeView* lvwFolders_ = nullptr;
    std::vector<QLabel*> statusPanels_;
    QFrame* pnlProg_ = nullptr;
    QLabel* lblProg_ = nullptr;
    QTimer* pollTimer_ = nullptr;
    std::unique_ptr<TfrmProg> progress_;
    QMenu* popTree_ = nullptr;      // the folder tree's context menu
    QMenu* popListView_ = nullptr;  // the File Explorer's context menu

    TFolderTreeModel* treeModel_ = nullptr;
    TExplorerModel* explorerModel_ = nullptr;

    QAction* actStopScan_ = nullptr;
    QAction* actFoldTree_ = nullptr;
    QAction* actDelBin_ = nullptr;
    std::vector<QAction*> sizeUnitActions_;  // Automatic, Bytes, KB, MB, GB
    std::vector<QAction*> sizeUnitItems_;    // the View > Size Unit menu items
    std::vector<QAction*> prefixActions_;    // TreeFilter 0..5
    std::vector<QAction*> sortActions_;      // TreeSort 0..2
};

}  // namespace fscope
