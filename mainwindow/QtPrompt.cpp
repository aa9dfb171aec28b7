#include "mainwindow/QtPrompt.h"

#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>

#include "dialogs/BrowseFolders.h"
#include "dialogs/FolderBrowser.h"
#include "dialogs/ShBrowse.h"
#include "dialogs/ShellFolderDialog.h"
#include "platform/DirEntry.h"

namespace fscope {
namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }
// Paths are bytes: decoded for display, encoded back as the file system spells them.
QString PathText(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}
std::string PathBytes(const QString& path) { return QFile::encodeName(path).toStdString(); }

QMessageBox::Icon BoxIcon(TMsgIcon icon) {
    switch (icon) {
        case TMsgIcon::Information:
            return QMessageBox::Information;
        case TMsgIcon::Warning:
            return QMessageBox::Warning;
        case TMsgIcon::Error:
            return QMessageBox::Critical;
        case TMsgIcon::Question:
            return QMessageBox::Question;
        case TMsgIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

std::optional<std::string> ChosenPath(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    return PathBytes(path);
}

}  // namespace

void TQtPrompt::MessageBox(const std::string& text, const std::string& caption, TMsgIcon icon) {
    QMessageBox box(BoxIcon(icon), Text(caption), Text(text), QMessageBox::Ok, owner_);
    box.exec();
}

TAnswer TQtPrompt::AskYesNo(const std::string& text, const std::string& caption) {
    QMessageBox box(QMessageBox::Question, Text(caption), Text(text),
                    QMessageBox::Yes | QMessageBox::No, owner_);
    box.setDefaultButton(QMessageBox::Yes);
    box.exec();
    if (box.clickedButton() == box.button(QMessageBox::Yes)) return TAnswer::Yes;
    if (box.clickedButton() == box.button(QMessageBox::No)) return TAnswer::No;
    return TAnswer::Closed;
}

std::optional<std::string> TQtPrompt::InputBox(const std::string& caption, const std::string& label,
                                               const std::string& initial) {
    bool ok = false;
    const QString answer = QInputDialog::getText(owner_, Text(caption), Text(label),
                                                 QLineEdit::Normal, Text(initial), &ok);
    if (!ok) return std::nullopt;
    return answer.toStdString();
}

std::optional<std::string> TQtPrompt::OpenFileDialog(const std::string& caption,
                                                     const std::string& folder,
                                                     const std::string& filter) {
    return ChosenPath(
        QFileDialog::getOpenFileName(owner_, Text(caption), PathText(folder), Text(filter)));
}

std::optional<std::string> TQtPrompt::SaveFileDialog(const std::string& caption,
                                                     const std::string& initial,
                                                     const std::string& filter) {
    return ChosenPath(
        QFileDialog::getSaveFileName(owner_, Text(caption), PathText(initial), Text(filter)));
}

std::optional<std::string> TQtPrompt::FolderDialog(const std::string& caption,
                                                   const std::string& startFolder) {
    TShBrowse request;
    request.Caption = caption;
    request.InitialFolder = startFolder;
    return ShowShellFolderDialog(request);
}

std::optional<std::string> TQtPrompt::ShowFolderBrowser(std::vector<std::string>& history) {
    TfrmFoldBrow dialog(history, owner_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.SelectedPath();
}

std::optional<std::string> TQtPrompt::ShowBrowseFolders(const std::string& startPath) {
    TfrmBrowse dialog(owner_);
    dialog.SetStartPath(startPath);
    if (dialog.exec() != QDialog::Accepted || dialog.FCancelled()) return std::nullopt;
    return dialog.FSelectedPath();
}

std::optional<std::string> TQtPrompt::ShowShellFolderDialog(TShBrowse& request) {
    TfrmShBrowse dialog(request, DiskEntrySource(), owner_);
    if (request.Left == 0 && request.Top == 0) {
        if (const QScreen* desktop = QGuiApplication::primaryScreen()) {
            const QRect workArea = desktop->availableGeometry();
            const QPoint topLeft = workArea.center() - dialog.rect().center();
            request.Left = topLeft.x();
            request.Top = topLeft.y();
        }
    }
    dialog.move(request.Left, request.Top);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const std::string folder = dialog.SelectedFolder();
    if (folder.empty()) return std::nullopt;
    return folder;
}

}  // namespace fscope
