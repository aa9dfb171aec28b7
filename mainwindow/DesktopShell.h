#pragma once
// The desktop services of the window layer: files, folders and web pages opened with the
// desktop's applications (QDesktopServices).

#include "common/ShellServices.h"

namespace fscope {

class TDesktopShell : public IShellServices {
public:
    bool OpenPath(const std::string& path) override;
    bool ExplorePath(const std::string& folder) override;
    bool OpenUrl(const std::string& url) override;
};

}  // namespace fscope
