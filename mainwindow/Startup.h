#pragma once
// The program's start: installation checks, custom types, settings, the main window, the
// Getting Started window and the scan of the command-line path.

#include <QApplication>
#include <QStringList>
#include <functional>
#include <memory>

namespace fscope {

class TfrmMain;

// The application object: an error that a command does not handle ends that command and is
// shown in a message box captioned with the program's title; the program goes on.
class TFolioscopeApp : public QApplication {
public:
    TFolioscopeApp(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

struct TStartupHooks {
    // Shows the Getting Started window modally (start-up with ShowTips "1").
    std::function<void(TfrmMain&)> showGettingStarted;
};

// Steps 1 to 9 of the start: null when the installation checks failed (the message was shown
// through the prompt and nothing is left loaded). `arguments` are the command-line parameters
// without the program name; the first one, when present, is scanned.
std::unique_ptr<TfrmMain> StartProgram(const QStringList& arguments, const TStartupHooks& hooks);

// The whole program: start, message loop, exit code.
int RunProgram(int argc, char** argv);

}  // namespace fscope
