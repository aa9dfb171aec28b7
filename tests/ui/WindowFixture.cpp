#include "WindowFixture.h"

#include <QCoreApplication>
#include <QTest>
#include <fstream>

#include "common/CustomTypes.h"
#include "common/Prompt.h"

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

}  // namespace fscope::test
