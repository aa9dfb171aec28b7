#pragma once
// The owner look-up of one owner-report walk on the real disk.

#include <functional>
#include <optional>
#include <string>

#include "engine/SharedStrings.h"

namespace fscope {

// The owner of the entry at a full path, never following a link: the account and domain, the
// uid text with an empty domain when the uid has no account, nullopt when the entry cannot be
// read.
using TOwnerLookup = std::function<std::optional<TOwnerRecord>(const std::string& path)>;

// A look-up for one walk: each folder is opened once and its files are read relative to it
// (no path resolution per file), and each uid is named once (GetFileOwner). Meant for paths
// that arrive folder by folder, as a walk gives them.
TOwnerLookup NewSystemOwnerLookup();

}  // namespace fscope
