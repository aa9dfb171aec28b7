#include "mainwindow/Startup.h"

#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "common/AppPaths.h"
#include "common/CustomTypes.h"
#include "common/Options.h"
#include "common/Prompt.h"
#include "common/ShellServices.h"
#include "mainwindow/DesktopShell.h"
#include "mainwindow/ErrorWindow.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/QtPrompt.h"
#include "mainwindow/TipsWindow.h"

namespace fscope {

namespace {

constexpr const char* kFiltersMissing =
    "Folioscope Pro is not installed properly, Filters file missing !";
constexpr const char* kSettingsMissing = "Folioscope is not installed properly, please reinstall !";

void ShowStartupError(const std::string& text) {
    Prompt().MessageBox(text, "Error", TMsgIcon::Error);
}

}  // namespace

TFolioscopeApp::TFolioscopeApp(int& argc, char** argv) : QApplication(argc, argv) {}

bool TFolioscopeApp::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        Prompt().MessageBox(error.what(), TfrmMain::kAppTitle, TMsgIcon::Error);
    }
    return false;
}

std::unique_ptr<TfrmMain> StartProgram(const QStringList& arguments, const TStartupHooks& hooks) {
    QCoreApplication::setApplicationName(TfrmMain::kAppTitle);
    const std::string filters = CustTypesReadPath(ConfigFolder());
    if (filters.empty()) {
        ShowStartupError(kFiltersMissing);
        return nullptr;
    }
    try {
        ReadCustTypes(filters);
    } catch (const ECustTypesError& error) {
        ShowStartupError(kFiltersMissing);
        return nullptr;
    }
    std::string error;
    if (!LoadSettings(error)) {
        ShowStartupError(kSettingsMissing);
        FreeCustTypes();
        return nullptr;
    }
    auto window = std::make_unique<TfrmMain>();
    // The error window lives as long as the main window and stays hidden: errors that commands
    // do not handle are shown by the application's message box instead.
    new TfrmErrorMsg(window.get());
    window->showMaximized();
    if (Options().Reginfo.ShowTips == "1") {
        if (hooks.showGettingStarted) hooks.showGettingStarted(*window);
        window->RunCommand([&window] { window->AnalyzeDrive(); });
    }
    if (!arguments.isEmpty()) {
        const std::string path = QFile::encodeName(arguments.front()).toStdString();
        window->RunCommand([&window, &path] { window->ScanPathWhenIdle(path); });
    }
    return window;
}

int RunProgram(int argc, char** argv) {
    TFolioscopeApp app(argc, argv);
    TQtPrompt prompt;
    SetPrompt(&prompt);
    TDesktopShell shell;
    SetShellServices(&shell);
    TStartupHooks hooks;
    hooks.showGettingStarted = [](TfrmMain& window) {
        ShowGettingStarted(&window, "Let me Search");
    };
    QStringList arguments = app.arguments();
    arguments.removeFirst();
    std::unique_ptr<TfrmMain> window = StartProgram(arguments, hooks);
    if (!window) return 1;
    prompt.SetOwner(window.get());
    const int code = app.exec();
    prompt.SetOwner(nullptr);
    const bool workerLeftRunning = window->WorkerLeftRunning();
    window.reset();  // writes the settings
    FreeCustTypes();
    if (workerLeftRunning) {
        // A scan that does not answer still uses the report and the shared tables: end the
        // process here rather than run the destructors under it.
        std::fflush(nullptr);
        std::_Exit(code);
    }
    SetPrompt(nullptr);
    SetShellServices(nullptr);
    return code;
}

}  // namespace fscope
