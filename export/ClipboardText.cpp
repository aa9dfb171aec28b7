#include "export/ClipboardText.h"

#include "engine/Folioscope.h"
#include "export/ExportDocument.h"

namespace fscope {

std::string CopyPathsToClipboard(const TFolioscope& report, std::span<TFoldInfo* const> selected) {
    std::string text;
    for (const TFoldInfo* node : selected) {
        text += ItemFullPath(report, *node);
        text += kCrLf;
    }
    return text;
}

std::string CopyAllFolderPathsToClipboard(std::span<const TAllFoldInfo* const> selected) {
    std::string text;
    for (const TAllFoldInfo* row : selected) {
        text += row->FPath;
        text += kCrLf;
    }
    return text;
}

}  // namespace fscope
