#pragma once
// A file list for the File Viewer: file nodes of one report (references: the nodes belong to
// the report and must outlive the list) in display order, and the title naming the list.

#include <string>
#include <vector>

#include "engine/FoldInfo.h"

namespace fscope {

struct TFileList {
    std::string title;
    std::vector<TFoldInfo*> files;
};

// What a list request comes to: a list to show, a message to show instead (caption
// "Information", exclamation icon, OK button), or nothing at all.
struct TListOutcome {
    enum class Kind { Show, Message, Nothing };
    Kind kind = Kind::Nothing;
    std::string message;
    TFileList list;

    static TListOutcome Show(TFileList list) { return {Kind::Show, {}, std::move(list)}; }
    static TListOutcome Message(std::string text) { return {Kind::Message, std::move(text), {}}; }
    static TListOutcome Nothing() { return {}; }
};

inline constexpr const char* kListMessageCaption = "Information";

}  // namespace fscope
