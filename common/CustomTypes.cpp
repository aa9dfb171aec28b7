#include "common/CustomTypes.h"

#include <sys/stat.h>

#include "common/AppPaths.h"
#include "platform/AtomicFile.h"

namespace fscope {

namespace {

// The list as last read from or written to disk: WriteCustTypes writes only when the list
// differs, so an unchanged user copy never hides a later update of the shipped file.
TCustTypeList& SavedState() {
    static TCustTypeList saved;
    return saved;
}

bool FileExists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

}  // namespace

TCustTypeList& CustTypes() {
    static TCustTypeList list;
    return list;
}

TCustTypeList ParseCustTypes(std::string_view text) {
    TCustTypeList list;
    // A file holding NUL bytes is not text (a binary file put in its place): no entries.
    if (text.find('\0') != std::string_view::npos) return list;
    while (!text.empty()) {
        const size_t lf = text.find('\n');
        std::string_view line = text.substr(0, lf);
        text = lf == std::string_view::npos ? std::string_view{} : text.substr(lf + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const size_t bar = line.find('|');
        if (bar == std::string_view::npos) continue;
        list.push_back({std::string(line.substr(0, bar)), std::string(line.substr(bar + 1))});
    }
    return list;
}

std::string CustTypesText(const TCustTypeList& list) {
    std::string text;
    for (const TCustTypeInfo& type : list) text += type.FName + "|" + type.FMasks + "\r\n";
    return text;
}

std::string CustTypesReadPath(const std::string& configFolder) {
    const std::string userCopy = configFolder + "/" + kFiltersFileName;
    if (FileExists(userCopy)) return userCopy;
    return DataFilePath(kFiltersFileName);
}

void ReadCustTypes(const std::string& path) {
    std::string text;
    try {
        text = ReadWholeFile(path);
    } catch (const EFileWriteError& e) {
        throw ECustTypesError(std::string("Cannot read the custom types: ") + e.what());
    }
    CustTypes() = ParseCustTypes(text);
    SavedState() = CustTypes();
}

void ReadCustTypes() {
    const std::string path = CustTypesReadPath(ConfigFolder());
    if (path.empty()) throw ECustTypesError(std::string(kFiltersFileName) + " was not found");
    ReadCustTypes(path);
}

bool WriteCustTypes(const std::string& configFolder) {
    if (CustTypes() == SavedState()) return false;
    std::string error;
    if (!EnsureFolder(configFolder, error)) throw ECustTypesError(error);
    try {
        WriteFileAtomically(configFolder + "/" + kFiltersFileName, CustTypesText(CustTypes()));
    } catch (const EFileWriteError& e) {
        throw ECustTypesError(std::string("Cannot write the custom types: ") + e.what());
    }
    SavedState() = CustTypes();
    return true;
}

bool WriteCustTypes() { return WriteCustTypes(ConfigFolder()); }

void FreeCustTypes() { CustTypes().clear(); }

std::string GetCustTypeMasks(std::string_view name) {
    for (const TCustTypeInfo& type : CustTypes())
        if (type.FName == name) return type.FMasks;
    return "";
}

}  // namespace fscope
