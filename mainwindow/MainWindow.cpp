#include "mainwindow/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QShowEvent>
#include <QSplitter>
#include <QStorageInfo>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "common/AppPaths.h"
#include "common/CustomTypes.h"
#include "common/Options.h"
#include "common/Prompt.h"
#include "common/ShellServices.h"
#include "common/SizeFormat.h"
#include "dialogs/FolderPickers.h"
#include "dialogs/WindowFont.h"
#include "engine/TextHelpers.h"
#include "mainwindow/ColumnLayout.h"
#include "mainwindow/ExplorerModel.h"
#include "mainwindow/FolderTreeModel.h"
#include "mainwindow/FolderTreeView.h"
#include "mainwindow/ProgressWindow.h"
#include "mainwindow/ScanJob.h"
#include "platform/Paths.h"
#include "reports/FolderTotals.h"

namespace fscope {

namespace {

constexpr int kPollMilliseconds = 100;
constexpr int kTreePanelWidth = 324;
constexpr const char* kStatusSizeMask = "##########0";
constexpr const char* kScanHeadline =
    "Please wait while collecting file / folder details and preparing disk space reports...";
const char* const kSizeUnits[] = {"GEN", "B", "KB", "MB", "GB"};
const char* const kSkinNames[] = {"Office2007 Blue", "XPLuna", "Beijing", "Opus"};

QString Decoded(const std::string& bytes) {
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

// An override cursor for the length of a scope.
class TBusyCursor {
public:
    TBusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TBusyCursor() { QGuiApplication::restoreOverrideCursor(); }
};

}  // namespace

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName("frmMain");
    setWindowTitle(kCaption);
    treeModel_ = new TFolderTreeModel(
        [] {
            const TOptions& options = Options();
            return TTreeSettings{
                {TreeFilterOf(options.TreeFilter), options.FTSizeType, options.Reginfo.Decimals},
                TreeSortOf(options.TreeSort)};
        },
        this);
    explorerModel_ = new TExplorerModel(
        [] {
            return TSizeFormat{Options().SizeType, Options().Reginfo.Decimals};
        },
        this);

    CreateActions();
    CreateMenus();
    CreateToolBar();
    pnlAddr_ = new QWidget(this);
    pnlAddr_->setObjectName("pnlAddr");
    edPath_ = new QLineEdit(pnlAddr_);
    edPath_->setObjectName("edPath");
    edPath_->setReadOnly(true);
    pnlAddr_->hide();

    splMain_ = new QSplitter(Qt::Horizontal, this);
    splMain_->setObjectName("splMain");
    splMain_->addWidget(CreateTreePanel());
    splMain_->addWidget(CreatePages());
    splMain_->setStretchFactor(0, 0);
    splMain_->setStretchFactor(1, 1);
    splMain_->setSizes({kTreePanelWidth, 900});
    setCentralWidget(splMain_);
    CreateStatusBar();
    CreateProgressPanel();
    CreateContextMenus();

    connect(tvwFolders_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { RunCommand([this] { TreeSelectionChanged(); }); });
    connect(tvwFolders_, &QTreeView::expanded, this, [this](const QModelIndex& index) {
        RunCommand([this, index] { TreeExpanded(index); });
    });
    connect(tvwFolders_, &QTreeView::collapsed, this,
            [this](const QModelIndex& index) { treeModel_->SetExpanded(index, false); });
    connect(lvwFolders_, &QTreeView::doubleClicked, this,
            [this] { RunCommand([this] { OpenSelected(); }); });
    connect(lvwFolders_->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { RunCommand([this, column] { ExplorerColumnClicked(column); }); });
    auto radio = [this](QRadioButton* button, bool respectsUpdating) {
        connect(button, &QRadioButton::clicked, this, [this, respectsUpdating] {
            if (respectsUpdating && Options().Updating) return;
            RunCommand([this] { RefreshView(); });
        });
    };
    radio(rbAllFiles_, true);
    radio(rbFilesOnly_, true);
    radio(rbFoldersOnly_, false);

    pollTimer_ = new QTimer(this);
    pollTimer_->setObjectName("tmrPoll");
    pollTimer_->setInterval(kPollMilliseconds);
    connect(pollTimer_, &QTimer::timeout, this, [this] {
        ++timerTicks_;
        PollScan();
    });

    // FormCreate.
    ApplyTheme();
    ApplyWindowFont(*this, Options().Reginfo.FontName, Options().Reginfo.FontSize);
    LoadColumnLayout(*lvwFolders_->header(), Options().Reginfo.ColWidths,
                     Options().Reginfo.ColVisible);
    lvwFolders_->header()->setSortIndicator(
        Options().LVSort1, Options().LVSortOrder1 == 1 ? Qt::DescendingOrder : Qt::AscendingOrder);
    FillDrivesSummary();
    InitFolderTree();
    actFoldTree_->setChecked(true);
    CheckTreeActions();
    resize(1200, 760);
}

TfrmMain::~TfrmMain() {
    // FormDestroy: the settings first, then the reports (unless a worker may still use them).
    try {
        if (!closed_) SaveColumnLayouts();
        SaveSettings();
    } catch (const std::exception& error) {
        Prompt().MessageBox(error.what(), kAppTitle, TMsgIcon::Error);
    }
    explorerModel_->Clear();
    if (scanJob_ && !StopWorkerForClose()) LeaveWorkerRunning();
    if (workerLeftRunning_) {
        // A worker still writes one of them: leave every report to the end of the process.
        for (auto& report : reportList_) (void)report.release();
    }
}

void TfrmMain::InitFolderTree() {
    tvwFolders_->expand(treeModel_->RootIndex());
    CheckSizeUnitItem(Options().SizeType);
}

void TfrmMain::RunCommand(const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception& error) {
        Prompt().MessageBox(error.what(), kAppTitle, TMsgIcon::Error);
    }
}

// ---- scanning --------------------------------------------------------------------------

void TfrmMain::AnalyzeDrive() {
    if (Options().Busy) return;
    const std::optional<std::string> chosen = ChooseScanFolder(Options().HistoryList);
    if (!chosen || TrimBlanks(*chosen).empty()) return;
    StartScan(WithTrailingDelim(NormalisePath(*chosen)), false);
}

void TfrmMain::ScanPath(const std::string& path) {
    if (Options().Busy || path.empty()) return;
    StartScan(WithTrailingDelim(NormalisePath(path)), true);
}

void TfrmMain::ScanPathWhenIdle(const std::string& path) {
    if (ScanRunning())
        pendingScanPath_ = path;
    else
        ScanPath(path);
}

void TfrmMain::StartScan(const std::string& path, bool paintFirst) {
    scanOwned_ = std::make_unique<TFolioscope>(ScanSettingsFrom(Options()));
    Options().Busy = true;
    TFolioscope* report = scanOwned_.get();
    if (entrySource_) report->SetEntrySource(entrySource_);
    report->FProgressLabel = std::make_shared<TScanProgress>();
    ShowProgress(*report);
    if (paintFirst) QCoreApplication::processEvents();
    scanReport_ = report;
    scanPath_ = path;
    scanJob_ = std::make_unique<TScanJob>([report, path] { return report->Scan(path); });
    pollTimer_->start();
    emit scanStarted();
}

void TfrmMain::ShowProgress(TFolioscope& report) {
    progress_ = std::make_unique<TfrmProg>(this);
    progress_->SetHeadline(kScanHeadline);
    progress_->SetStopFlag(&report.FStop);
    progress_->Watch(report.FProgressLabel);
    progress_->show();
}

void TfrmMain::CloseProgress() {
    if (!progress_) return;
    progress_->SetStopFlag(nullptr);
    progress_->Watch(nullptr);
    progress_.reset();
}

void TfrmMain::PollScan() {
    if (!scanJob_) return;
    if (!scanJob_->Finished()) return;
    QElapsedTimer handOver;
    handOver.start();
    RunCommand([this] { FinishScan(); });
    lastHandOverSeconds_ = static_cast<double>(handOver.nsecsElapsed()) / 1e9;
    emit scanFinished();
    if (!pendingScanPath_.empty()) {
        const std::string path = std::move(pendingScanPath_);
        pendingScanPath_.clear();
        RunCommand([this, &path] { ScanPath(path); });
    }
}

void TfrmMain::FinishScan() {
    // Whatever happens below, the window leaves the scanning state.
    std::unique_ptr<TScanJob> job = std::move(scanJob_);
    std::unique_ptr<TFolioscope> report = std::move(scanOwned_);
    scanReport_ = nullptr;
    CloseProgress();
    struct TLeaveBusy {
        ~TLeaveBusy() { Options().Busy = false; }
    } leaveBusy;
    const bool ok = job->Take();
    if (!ok) return;
    if (report->FItems.empty()) {
        ShowMessageBox("No files and folders were found");
        return;
    }
    AddReportNode(std::move(report), scanPath_);
}

void TfrmMain::AddReportNode(std::unique_ptr<TFolioscope> report, const std::string& path) {
    curReport_ = report.get();
    reportList_.push_back(std::move(report));
    const QModelIndex node = treeModel_->AddReport(curReport_, path);
    tvwFolders_->expand(treeModel_->RootIndex());
    tvwFolders_->expand(node);
    Options().Busy = false;
    tvwFolders_->selectionModel()->setCurrentIndex(node, QItemSelectionModel::ClearAndSelect);
}

void TfrmMain::StopScan() {
    if (!scanReport_) {
        ShowMessageBox(kNoReportMessage);
        return;
    }
    scanReport_->FStop = true;
}

bool TfrmMain::StopWorkerForClose() {
    if (scanReport_) scanReport_->FStop = true;
    if (!scanJob_->WaitFor(std::chrono::milliseconds(closeWaitMilliseconds_))) return false;
    scanJob_.reset();  // joins; the result no longer matters
    scanOwned_.reset();
    scanReport_ = nullptr;
    return true;
}

void TfrmMain::LeaveWorkerRunning() {
    // A hung scan (a network mount that does not answer): its report and thread are left alone.
    scanJob_->Abandon();
    (void)scanJob_.release();
    (void)scanOwned_.release();
    scanReport_ = nullptr;
    workerLeftRunning_ = true;
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    pollTimer_->stop();
    CloseProgress();
    if (scanJob_ && !StopWorkerForClose()) LeaveWorkerRunning();
    RunCommand([this] {
        SaveColumnLayouts();
        WriteCustTypes();
    });
    closed_ = true;
    event->accept();
}

void TfrmMain::SaveColumnLayouts() {
    Options().Reginfo.ColWidths =
        SaveColumnLayout(*lvwFolders_->header(), Options().Reginfo.ColWidths);
}

// ---- the folder tree -------------------------------------------------------------------

void TfrmMain::TreeExpanded(const QModelIndex& index) {
    if (treeModel_->KindOf(index) == TTreeNodeKind::Root) return;
    if (treeModel_->canFetchMore(index)) {
        currentPath_ = treeModel_->NodePath(index);
        edPath_->setText(Decoded(currentPath_));
        treeModel_->fetchMore(index);
    }
    treeModel_->SetExpanded(index, true);
}

void TfrmMain::TreeSelectionChanged() {
    const QModelIndex node = tvwFolders_->selectionModel()->currentIndex();
    if (!node.isValid() || treeModel_->KindOf(node) == TTreeNodeKind::Root || Options().Updating)
        return;
    curReport_ = treeModel_->ReportOf(node);
    currentPath_ = treeModel_->NodePath(node);
    edPath_->setText(Decoded(currentPath_));
    statusPanels_[0]->setText(edPath_->text());
    if (rbAllFiles_->isChecked())
        RefreshView();
    else
        rbAllFiles_->click();
}

QModelIndex TfrmMain::SelectedTreeNode() const {
    const QModelIndexList selected = tvwFolders_->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? QModelIndex() : selected.front();
}

void TfrmMain::OneLevelUp() {
    const QModelIndex node = SelectedTreeNode();
    if (!node.isValid()) {
        ShowMessageBox(kNoReportMessage);
        return;
    }
    if (treeModel_->KindOf(node) != TTreeNodeKind::Folder) return;
    std::vector<QModelIndex> pending{node};
    while (!pending.empty()) {
        const QModelIndex current = pending.back();
        pending.pop_back();
        tvwFolders_->collapse(current);
        for (int row = 0; row < treeModel_->rowCount(current); ++row)
            pending.push_back(treeModel_->index(row, 0, current));
    }
    const QModelIndex parentNode = node.parent();
    tvwFolders_->selectionModel()->setCurrentIndex(parentNode, QItemSelectionModel::ClearAndSelect);
    tvwFolders_->scrollTo(parentNode);
    tvwFolders_->setFocus();
}

void TfrmMain::SetTreeFilter(int filter) {
    Options().TreeFilter = filter;
    RefreshTreePrefixes();
    CheckTreeActions();
}

void TfrmMain::SetTreeSort(int sort) {
    Options().TreeSort = sort;
    SortFolderTree();
    CheckTreeActions();
}

void TfrmMain::RefreshTreePrefixes() { treeModel_->RefreshTreePrefixes(); }

void TfrmMain::SortFolderTree() { treeModel_->SortTree(); }

void TfrmMain::CheckTreeActions() {
    const int filter = static_cast<int>(TreeFilterOf(Options().TreeFilter));
    const int sort = static_cast<int>(TreeSortOf(Options().TreeSort));
    prefixActions_[static_cast<size_t>(filter)]->setChecked(true);
    sortActions_[static_cast<size_t>(sort)]->setChecked(true);
}

void TfrmMain::FillDrivesSummary() {
    lvwDrives_->clear();
    std::vector<QStorageInfo> volumes;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady() && volume.device().startsWith("/dev/"))
            volumes.push_back(volume);
    std::sort(volumes.begin(), volumes.end(), [](const QStorageInfo& a, const QStorageInfo& b) {
        return a.rootPath() < b.rootPath();
    });
    constexpr double kGB = 1024.0 * 1024.0 * 1024.0;
    const QIcon driveIcon =
        treeModel_->data(treeModel_->RootIndex(), Qt::DecorationRole).value<QIcon>();
    for (const QStorageInfo& volume : volumes) {
        const double total = static_cast<double>(volume.bytesTotal());
        const double available = static_cast<double>(volume.bytesAvailable());
        auto* row = new QTreeWidgetItem(lvwDrives_);
        row->setText(0, " " + volume.rootPath());
        row->setIcon(0, QIcon::fromTheme("drive-harddisk", driveIcon));
        row->setText(1, QString::fromStdString(FormatFloat("########0.00 GB", total / kGB)));
        row->setText(
            3, QString::fromStdString(FormatFloat("########0.00 GB", (total - available) / kGB)));
        row->setText(4, QString::fromStdString(FormatFloat("########0.00 GB", available / kGB)));
        row->setData(2, kRawValueRole, total > 0 ? (total - available) * 100 / total : 0.0);
        for (int column : {1, 3, 4})
            row->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
}

// ---- the File Explorer -----------------------------------------------------------------

const std::vector<TFoldInfo*>& TfrmMain::ExplorerRows() const { return explorerModel_->Rows(); }

void TfrmMain::RefreshView() {
    const QModelIndex node = SelectedTreeNode();
    if (!curReport_ || reportList_.empty() || !node.isValid() ||
        treeModel_->KindOf(node) == TTreeNodeKind::Root)
        return;
    TOptions& options = Options();
    options.TypesDone = options.AttrDone = options.SizeDone = options.DateDone = false;
    options.TimeDone = options.OwnerDone = options.SpDone = options.AllFoldDone = false;
    explorerModel_->Clear();
    TFoldInfo* folder = treeModel_->FolderOf(node);
    const TFoldList& items = folder ? *folder->FItems : curReport_->FItems;
    if (items.empty()) return;

    TBusyCursor cursor;
    const double levelSize = FolderTotals(items).size;
    std::vector<TFoldInfo*> rows;
    rows.reserve(items.size());
    for (TFoldInfo* item : items) {
        if (item->IsFolder()) {
            if (!item->FTotalsDone()) FolderTotals(item);
            if (!item->FPercentDone()) {
                item->FItems->FPercent = levelSize != 0 ? item->FSize * 100 / levelSize : 0;
                item->FItems->FPercentDone = true;
            }
        } else {
            item->FFileCount = 0;
            item->FFolderCount = 0;
        }
        const bool wanted = rbFoldersOnly_->isChecked() ? item->IsFolder()
                            : rbFilesOnly_->isChecked() ? !item->IsFolder()
                                                        : true;
        if (wanted) rows.push_back(item);
    }
    if (rows.empty()) return;
    SortExplorerRows(rows, options.LVSort1, options.LVSortOrder1 == 1);
    explorerModel_->SetRows(curReport_, std::move(rows), levelSize);
    FillDrivesSummary();
    UpdateStatusBar();
}

void TfrmMain::UpdateStatusBar() {
    double size = 0;
    double alloc = 0;
    int64_t files = 0;
    int64_t folders = 0;
    for (const TFoldInfo* row : ExplorerRows()) {
        if (row->IsFolder()) {
            folders += row->FFolderCount + 1;
            files += row->FFileCount;
        } else {
            ++files;
        }
        size += row->FSize;
        alloc += row->FAllocSize;
    }
    reportTotal_ = size;
    const TOptions& options = Options();
    auto sizeText = [&](double value) {
        return QString::fromStdString(
            FormatSize(options.SBSizeType, kStatusSizeMask, options.Reginfo.Decimals, value));
    };
    statusPanels_[1]->setText("Size: " + sizeText(size));
    statusPanels_[2]->setText("Size on Disk: " + sizeText(alloc));
    statusPanels_[3]->setText("Files: " + QString::number(files));
    statusPanels_[4]->setText("Folders: " + QString::number(folders));
}

void TfrmMain::ExplorerColumnClicked(int column) {
    TOptions& options = Options();
    if (options.Busy || options.Updating) {
        lvwFolders_->header()->setSortIndicator(
            options.LVSort1, options.LVSortOrder1 == 1 ? Qt::DescendingOrder : Qt::AscendingOrder);
        return;
    }
    options.LVSortOrder1 = options.LVSortOrder1 == 0 ? 1 : 0;
    options.LVSort1 = column;
    lvwFolders_->header()->setSortIndicator(
        column, options.LVSortOrder1 == 1 ? Qt::DescendingOrder : Qt::AscendingOrder);
    explorerModel_->Sort(column, options.LVSortOrder1 == 1);
}

void TfrmMain::CheckSizeUnitItem(const std::string& unit) {
    for (size_t n = 0; n < std::size(kSizeUnits); ++n) {
        const bool match = unit == kSizeUnits[n];
        sizeUnitItems_[n]->setChecked(match);
        sizeUnitActions_[n]->setChecked(match);
    }
}

void TfrmMain::SetSizeUnit(const std::string& unit) {
    if (currentPath_.empty()) {
        CheckSizeUnitItem(Options().SizeType);
        return;
    }
    CheckSizeUnitItem(unit);
    TBusyCursor cursor;
    Options().SizeType = unit;
    RefreshView();
    RefreshTreePrefixes();
}

void TfrmMain::OpenSelected() {
    if (ExplorerRows().empty()) {
        ShowMessageBox(kNoReportMessage);
        return;
    }
    const QModelIndex current = lvwFolders_->selectionModel()->currentIndex();
    TFoldInfo* item = lvwFolders_->selectionModel()->isRowSelected(current.row())
                          ? explorerModel_->RowAt(current.row())
                          : nullptr;
    if (!item) {
        ShowMessageBox("Please select a file or folder properly then run this command again");
        return;
    }
    if (!item->IsFolder()) {
        // The path comes from the report's bytes, so any name opens the right file.
        ShellServices().OpenPath(curReport_->FullPathOf(item));
        return;
    }
    const QModelIndex node = SelectedTreeNode();
    if (!node.isValid()) return;
    tvwFolders_->expand(node);
    const QModelIndex child = treeModel_->ChildOf(node, item);
    if (!child.isValid()) return;
    tvwFolders_->selectionModel()->setCurrentIndex(child, QItemSelectionModel::ClearAndSelect);
    tvwFolders_->scrollTo(child);
}

void TfrmMain::SelectAll(bool select) {
    auto* view = pcMain_->currentWidget()->findChild<QAbstractItemView*>();
    if (!view || !view->model() || view->model()->rowCount() == 0) return;
    if (select)
        view->selectAll();
    else
        view->clearSelection();
}

// ---- frame -----------------------------------------------------------------------------

void TfrmMain::ApplyTheme() {
    const int theme = Options().Theme;
    if (theme < 0 || theme >= static_cast<int>(std::size(kSkinNames))) return;
    const std::string skins = DataFilePath("Skins");
    QString sheet;
    if (!skins.empty()) {
        QFile file(Decoded(skins + "/" + kSkinNames[theme] + ".qss"));
        if (file.open(QIODevice::ReadOnly)) sheet = QString::fromUtf8(file.readAll());
    }
    if (QStyle* fusion = QStyleFactory::create("Fusion")) QApplication::setStyle(fusion);
    qApp->setStyleSheet(sheet);
}

void TfrmMain::ShowPnlProg(const QString& message) {
    lblProg_->setText(message);
    LayoutProgressPanel();
    pnlProg_->show();
    pnlProg_->raise();
    QCoreApplication::processEvents();
}

void TfrmMain::HidePnlProg() { pnlProg_->hide(); }

void TfrmMain::LayoutProgressPanel() {
    pnlProg_->move((width() - pnlProg_->width()) / 2, (height() - pnlProg_->height()) / 2);
}

void TfrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (treePanelPlaced_ || event->spontaneous()) return;
    // The tree panel starts at its own width whatever size the window first shows at; later
    // size changes go to the pages (and the user moves the splitter). Placed once the layout
    // has given the splitter its size.
    treePanelPlaced_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            splMain_->setSizes({kTreePanelWidth, std::max(0, splMain_->width() - kTreePanelWidth)});
        },
        Qt::QueuedConnection);
}

void TfrmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    LayoutProgressPanel();
}

}  // namespace fscope
