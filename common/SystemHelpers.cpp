#include "common/SystemHelpers.h"

#include <sys/stat.h>

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <cstdlib>

#include "common/AppPaths.h"

namespace fscope {

namespace {

std::string FromQString(const QString& text) { return QFile::encodeName(text).toStdString(); }
QString ToQString(const std::string& bytes) {
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

}  // namespace

std::string GetSpecialFolderPath(int csidl) {
    if (csidl != CSIDL_INTERNET_CACHE) return "";
    return XdgBaseFolder("XDG_CACHE_HOME", ".cache");
}

std::vector<std::string> FindTerminal() {
    std::vector<std::string> command;
    const char* terminal = std::getenv("TERMINAL");
    if (terminal && *terminal) {
        for (const QString& part : QProcess::splitCommand(QString::fromLocal8Bit(terminal)))
            command.push_back(FromQString(part));
        if (!command.empty()) {
            const QString found = QStandardPaths::findExecutable(ToQString(command[0]));
            if (!found.isEmpty()) {
                command[0] = FromQString(found);
                return command;
            }
            command.clear();  // a $TERMINAL that is not installed: look for another
        }
    }
    for (const char* name :
         {"x-terminal-emulator", "gnome-terminal", "konsole", "xfce4-terminal", "xterm"}) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!found.isEmpty()) return {FromQString(found)};
    }
    return {};
}

bool OpenCommandPrompt(const std::string& folder, std::string& error) {
    struct stat st;
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        error = "The folder " + folder + " does not exist.";
        return false;
    }
    const std::vector<std::string> command = FindTerminal();
    if (command.empty()) {
        error = "No terminal program was found (set TERMINAL or install xterm).";
        return false;
    }
    QStringList arguments;
    for (size_t i = 1; i < command.size(); ++i) arguments << ToQString(command[i]);
    if (!QProcess::startDetached(ToQString(command[0]), arguments, ToQString(folder))) {
        error = "The terminal " + command[0] + " could not be started.";
        return false;
    }
    return true;
}

}  // namespace fscope
