#include "dialogs/ProductPages.h"

#include <QByteArray>

#include "common/AppPaths.h"
#include "common/Prompt.h"
#include "common/ShellServices.h"

namespace fscope {

std::string ErrorReportUrl(const std::string& error, const std::string& form,
                           const std::string& proc) {
    // Every value fully percent-encoded: a '&', '=', '+' or '#' in the error text must not
    // split it into extra keys or cut it at a fragment.
    std::string url = ProductPages::kErrorReport;
    char separator = '?';
    const auto add = [&](const char* key, const std::string& value) {
        url += separator;
        url += key;
        url += '=';
        url += QByteArray::fromStdString(value).toPercentEncoding().toStdString();
        separator = '&';
    };
    add("prog", kProductShortName);
    add("error", error);
    add("form", form);
    add("proc", proc);
    return url;
}

void OpenProductPage(const char* url) { ShellServices().OpenUrl(url); }

void OpenShippedFile(const char* relativePath, const char* missingMessage) {
    const std::string path = DataFilePath(relativePath);
    if (path.empty()) {
        ShowMessageBox(missingMessage);
        return;
    }
    ShellServices().OpenPath(path);
}

void OpenUserGuide() { OpenShippedFile(kUserGuideFile, "The user guide is not installed."); }

}  // namespace fscope
