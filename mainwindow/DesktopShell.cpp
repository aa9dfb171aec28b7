#include "mainwindow/DesktopShell.h"

#include <QDesktopServices>
#include <QUrl>

namespace fscope {

namespace {

// A file URL built from the path's bytes, percent-encoded, so names that are not valid UTF-8
// reach the desktop's launcher unchanged.
QUrl FileUrl(const std::string& path) {
    return QUrl::fromEncoded("file://" + QByteArray::fromStdString(path).toPercentEncoding("/"),
                             QUrl::StrictMode);
}

}  // namespace

bool TDesktopShell::OpenPath(const std::string& path) {
    return QDesktopServices::openUrl(FileUrl(path));
}

bool TDesktopShell::ExplorePath(const std::string& folder) {
    return QDesktopServices::openUrl(FileUrl(folder));
}

bool TDesktopShell::OpenUrl(const std::string& url) {
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

}  // namespace fscope
