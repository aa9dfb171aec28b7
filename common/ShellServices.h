#pragma once
// Desktop services that need Qt Gui (opening files, folders and web pages with the desktop's
// applications). The window layer implements the interface and installs it; non-visual code
// calls it through ShellServices().

#include <string>

namespace fscope {

class IShellServices {
public:
    virtual ~IShellServices() = default;
    // Opens a file with the desktop's default application for its type ("open").
    virtual bool OpenPath(const std::string& path) = 0;
    // Shows a folder in the desktop's file manager ("explore").
    virtual bool ExplorePath(const std::string& folder) = 0;
    // Opens a web address in the browser.
    virtual bool OpenUrl(const std::string& url) = 0;
};

// The installed services. Until the window layer installs one, every call fails (false).
IShellServices& ShellServices();
// Installs `services` (not owned; it must outlive its use); nullptr restores the fallback.
void SetShellServices(IShellServices* services);

}  // namespace fscope
