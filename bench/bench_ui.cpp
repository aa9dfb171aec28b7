// The main window while it scans a large fixture tree on its worker: how often a timer on the
// window's thread fires (the window must keep at least 10 ticks a second), the longest gap
// between two ticks, and how long selecting the report root takes to fill the File Explorer.
//
//   fscope_bench_ui [files]     (default 1000000; the tree is generated once and reused)

#include <QApplication>
#include <QElapsedTimer>
#include <QItemSelectionModel>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "FixtureTree.h"
#include "common/Options.h"
#include "mainwindow/FolderTreeModel.h"
#include "mainwindow/MainWindow.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const uint64_t files = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1000000;
    const std::string root = fscope::bench::DefaultFixturePath(files);
    std::printf("fixture: %s (%llu files)\n", root.c_str(), static_cast<unsigned long long>(files));
    fscope::bench::GenerateFixtureTree(root, files, 1);

    QApplication app(argc, argv);
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    fscope::Options() = fscope::DefaultOptions();
    fscope::Options().Reginfo.ShowTips = "0";
    fscope::TfrmMain window;
    window.show();

    // An independent timer on the window's thread, as any widget animation would use.
    QElapsedTimer clock;
    int64_t ticks = 0;
    qint64 lastTick = 0;
    qint64 longestGap = 0;
    QTimer probe;
    probe.setInterval(50);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        longestGap = std::max(longestGap, now - lastTick);
        lastTick = now;
        ++ticks;
    });

    clock.start();
    probe.start();
    const int64_t windowTicksBefore = window.TimerTicks();
    window.ScanPath(root);
    while (window.ScanRunning()) app.processEvents(QEventLoop::WaitForMoreEvents, 50);
    probe.stop();
    const double seconds = static_cast<double>(clock.elapsed()) / 1000.0;
    const int64_t windowTicks = window.TimerTicks() - windowTicksBefore;
    std::printf("scan on the worker: %.2f s\n", seconds);
    std::printf("window poll timer (100 ms): %lld ticks, %.1f per second\n",
                static_cast<long long>(windowTicks), static_cast<double>(windowTicks) / seconds);
    std::printf("probe timer (50 ms): %lld ticks, %.1f per second, longest gap %lld ms\n",
                static_cast<long long>(ticks), static_cast<double>(ticks) / seconds,
                static_cast<long long>(longestGap));
    std::printf("hand-over (report node, expansion, first File Explorer fill): %.3f s\n",
                window.LastHandOverSeconds());

    // Selecting the report root again, after a folder below it was shown.
    auto* tree = window.findChild<QTreeView*>("tvwFolders");
    fscope::TFolderTreeModel& model = window.TreeModel();
    const QModelIndex report = model.index(0, 0, model.RootIndex());
    tree->selectionModel()->setCurrentIndex(model.index(0, 0, report),
                                            QItemSelectionModel::ClearAndSelect);
    QElapsedTimer select;
    select.start();
    tree->selectionModel()->setCurrentIndex(report, QItemSelectionModel::ClearAndSelect);
    app.processEvents();
    std::printf("select the report root: %.3f s, %zu rows\n",
                static_cast<double>(select.nsecsElapsed()) / 1e9, window.ExplorerRows().size());
    return 0;
}
