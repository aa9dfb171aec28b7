#include "export/ExportContext.h"

#include "common/Options.h"

namespace fscope {

TExportSettings ExportSettingsFrom(const TOptions& options) {
    return {options.SizeType, options.Reginfo.Decimals, options.Reginfo.CSVSep};
}

}  // namespace fscope
