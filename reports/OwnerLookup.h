#pragma once
// The owner look-up of one owner-report walk on the real disk.

#include <functional>
#include <optional>
#include <string>

#include "engine/SharedStrings.h"
#include "platform/DirEntry.h"

namespace fscope {

// The owner of a file: the account and domain, the uid text with an empty domain when the uid
// has no account, nullopt when the entry cannot be read. `uid` is the owner id the snapshot
// recorded (kUnknownUid for a report read from a file, whose entries are then looked up on
// disk by `path`, never following a link).
using TOwnerLookup =
    std::function<std::optional<TOwnerRecord>(const std::string& path, uint32_t uid)>;

// A look-up for one walk: a recorded uid is named without touching the disk (each uid once);
// otherwise each folder is opened once and its files are read relative to it (no path
// resolution per file). Meant for paths that arrive folder by folder, as a walk gives them.
TOwnerLookup NewSystemOwnerLookup();

}  // namespace fscope
