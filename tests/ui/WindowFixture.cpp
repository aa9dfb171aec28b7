#include "WindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <fstream>

#include "common/CustomTypes.h"
#include "common/Prompt.h"
#include "mainwindow/FolderTreeModel.h"

namespace fscope::test {

WindowTest::WindowTest() {
    oldConfigHome_ = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config_.Root()));
    config_.Folder("Folioscope");
    Options() = TOptions{};
    SetPrompt(&prompt_);
    SetShellServices(&shell_);
}

WindowTest::~WindowTest() {
    SetPrompt(nullptr);
    SetShellServices(nullptr);
    FreeCustTypes();
    Options() = TOptions{};
    qputenv("XDG_CONFIG_HOME", oldConfigHome_);
}

std::string WindowTest::ConfigFolder() const { return config_.Path("Folioscope"); }

void WindowTest::WriteSettings(const std::function<void(TOptions&)>& edit) {
    TOptions options = DefaultOptions();
    options.Reginfo.ShowTips = "0";
    if (edit) edit(options);
    SaveSettings(options, ConfigFolder());
}

void WindowTest::WriteFilters() {
    std::ifstream in(FSCOPE_SOURCE_DIR "/common/filters.dat", std::ios::binary);
    std::ofstream out(ConfigFolder() + "/filters.dat", std::ios::binary);
    out << in.rdbuf();
}

std::unique_ptr<TfrmMain> WindowTest::Start(const QStringList& arguments, TStartupHooks hooks) {
    return StartProgram(arguments, hooks);
}

void WindowTest::WaitForScan(TfrmMain& window) {
    // A generous bound only so that a broken scan ends the test instead of hanging it.
    for (int round = 0; round < 60000 && window.ScanRunning(); ++round) QTest::qWait(5);
    QCoreApplication::processEvents();
}

void MainWindowTest::BuildFixture() {
    fixture_.File("Alpha/a1.txt", 1000);
    fixture_.File("Alpha/a2.txt", 1000);
    fixture_.File("Alpha/a3.log", 1000);
    fixture_.File("beta/big.bin", 2 * 1024 * 1024);
    fixture_.File("beta/inner/deep.txt", 10);
    fixture_.File("top.txt", 500);
}

std::unique_ptr<TfrmMain> MainWindowTest::StartAndScan(const std::string& path) {
    WriteFilters();
    WriteSettings(settingsEdit_);
    auto window = Start({QString::fromStdString(path)});
    if (window) WaitForScan(*window);
    return window;
}

QModelIndex MainWindowTest::ReportNode(TfrmMain& window) {
    TFolderTreeModel& model = window.TreeModel();
    return model.index(0, 0, model.RootIndex());
}

void Trigger(TfrmMain& window, const char* name) {
    auto* found = window.findChild<QAction*>(name);
    ASSERT_NE(found, nullptr) << name;
    found->trigger();
}

QString StatusPanel(TfrmMain& window, int n) {
    return window.findChild<QLabel*>(QString("sbrPanel%1").arg(n))->text();
}

void SelectRow(TfrmMain& window, const std::string& name) {
    auto* list = window.findChild<QTreeView*>("lvwFolders");
    const auto& rows = window.ExplorerRows();
    for (size_t n = 0; n < rows.size(); ++n) {
        if (rows[n]->FName.view() != name) continue;
        list->selectionModel()->setCurrentIndex(
            list->model()->index(static_cast<int>(n), 0),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        return;
    }
    FAIL() << "no row " << name;
}

QModelIndex SelectedNode(TfrmMain& window) {
    auto* tree = window.findChild<QTreeView*>("tvwFolders");
    const QModelIndexList selected = tree->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? QModelIndex() : selected.front();
}

void OnNextModal(QObject& owner, std::function<void(QDialog&)> inspect) {
    auto* watch = new QTimer(&owner);
    watch->setInterval(5);
    QObject::connect(watch, &QTimer::timeout, watch, [watch, inspect = std::move(inspect)] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        watch->stop();
        watch->deleteLater();
        inspect(*dialog);
        if (dialog->isVisible()) dialog->reject();
    });
    watch->start();
}

}  // namespace fscope::test
