#pragma once
// Small system services of the interactive program: file owners, special folders and the
// terminal ("command prompt") in a folder.

#include <sys/types.h>

#include <string>
#include <vector>

namespace fscope {

// The owner of the entry at `path`, never following a link. On success: owner = the account
// name, domain = the host name, true. When the uid has no account: false, domain = "" and
// owner = the uid in decimal. When the entry cannot be read: false, both outputs unchanged.
// Never throws. Accounts are cached per uid (thread-safe), so a report over a million files
// asks the account database once per owner.
bool GetFileOwner(const std::string& path, std::string& domain, std::string& owner);

// The same for an owner id already known (a snapshot records it for every entry).
bool OwnerOfUid(uid_t uid, std::string& domain, std::string& owner);

// The text standing for an owner that has no account name: the uid in decimal.
std::string SidToText(uid_t uid);

// The host name used as the owners' domain ("" when it cannot be read).
std::string HostDomainName();

// The one special folder the program asks for: the Internet cache.
inline constexpr int CSIDL_INTERNET_CACHE = 0x20;
// CSIDL_INTERNET_CACHE: $XDG_CACHE_HOME when absolute, else $HOME/.cache, without a trailing '/'.
// Any other folder number gives "".
std::string GetSpecialFolderPath(int csidl);

// The terminal command: $TERMINAL (split like a shell command line) when set, else the first of
// x-terminal-emulator, gnome-terminal, konsole, xfce4-terminal, xterm found on PATH. Empty when
// there is none.
std::vector<std::string> FindTerminal();

// Starts the terminal detached, working in `folder`. False (with the reason in `error`) when no
// terminal is found, the folder does not exist, or the program cannot be started.
bool OpenCommandPrompt(const std::string& folder, std::string& error);

}  // namespace fscope
