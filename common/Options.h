#pragma once
// The settings record of the interactive program, its store and the run-time state of the main
// window that travels with it. One global record (Options()), read and written by the window
// thread only; workers get what they need as values (ScanSettingsFrom).
//
// The store is an INI file, Folioscope30.conf in the config folder (AppPaths.h), one key per
// value, every value a string. LoadSettings creates it with the installation defaults when it is
// missing; SaveSettings replaces it atomically, values in their fixed write order.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/Folioscope.h"

namespace fscope {

// The preferences proper (all texts, as stored).
struct TReginfo {
    std::string Decimals;       // decimals of sizes in KB/MB/GB, "0" to "5"
    std::string ShowTips;       // "1": show the Getting Started window at start-up
    std::string JunkFiles;      // masks of the custom type "Junk Files" (not stored here)
    std::string TempFiles;      // "Temporary Files" (not stored here)
    std::string CompFiles;      // "Compressed Files" (not stored here)
    std::string ImageFiles;     // "Image Files" (not stored here)
    std::string AudioFiles;     // "Audio Files" (not stored here)
    std::string VideoFiles;     // "Video Files" (not stored here)
    std::string QuickHelp;      // "1"/"0": the options dialog's Getting Started check box
    std::string BigFileSize;    // threshold of the big files list, a whole number
    std::string BigFileUnit;    // "MB" or "GB"
    std::string OldFilesDType;  // "Accessed" or "Modified"
    std::string OldFilesTime;   // age threshold of the old files list, a whole number
    std::string OldFilesUnit;   // "Days", "Months" or "Years"
    std::string SIcons;         // "1": fixed icons instead of per-type icons
    std::string ExPaths;        // "/full/path/|/other/|": folders left out of scans
    std::string ExFiles;        // "*.tmp|*.bak|": file masks left out of scans
    std::string FontName;       // font of the windows
    std::string FontSize;       // its size in points, as text
    std::string CSVSep;         // ",", ";", "Tab" or any other text
    std::string HistoryPaths;   // recently scanned paths, each followed by ";"
    std::string CustPaths;      // recent custom search paths, each followed by ";"
    std::string ColWidths;      // File Explorer column widths, comma-separated
    std::string VColWidths;     // File Viewer column widths
    std::string AFColWidths;    // All Folders column widths
    std::string ColVisible;     // one "1"/"0" per File Explorer column, comma-separated
    std::string VColVisible;    // the same for the File Viewer
    std::string AFColVisible;   // the same for the All Folders list
    std::string DefExpPath;     // default folder for exports ("" when none)
};

struct TOptions {
    int32_t TreeFilter = 0;  // folder tree prefix: 0 size ... 4 percent, 5 nothing
    int32_t TreeSort = 0;    // 0 by name, 1 by prefix number descending, 2 none
    std::string SizeType;    // size unit code of the lists and reports
    TReginfo Reginfo;

    // ---- run-time state of the main window (never stored) -----------------------------
    bool Busy = false;      // a scan, custom scan or load is running
    bool Updating = false;  // Search and Update is running
    // The report tabs' "computed for the folder shown" flags; RefreshView clears all eight.
    bool TypesDone = false, AttrDone = false, SizeDone = false, DateDone = false;
    bool TimeDone = false, OwnerDone = false, SpDone = false, AllFoldDone = false;
    bool ExtFromSubtree = false;  // File Types tab shows the per-folder type list
    int32_t FolderIconIndex = 0;  // icon index of the generic folder

    // Sort column and direction (0 ascending, 1 descending) of the nine sortable lists of the
    // main window. Only LVSort1/2/8/9 and LVSortOrder1/2/8/9 are stored.
    int32_t LVSort1 = 0, LVSort2 = 0, AttrSort = 0, SizeSort = 0, DateSort = 0, TimeSort = 0;
    int32_t OwnerSort = 0, LVSort8 = 0, LVSort9 = 0;
    int32_t LVSortOrder1 = 0, LVSortOrder2 = 0, AttrSortOrder = 0, SizeSortOrder = 0;
    int32_t DateSortOrder = 0, TimeSortOrder = 0, OwnerSortOrder = 0, LVSortOrder8 = 0;
    int32_t LVSortOrder9 = 0;
    int32_t VSort = 0;       // File Viewer sort column (stored)
    int32_t VSortOrder = 0;  // its direction (stored)

    // Rows of the most recent data hints of the File Explorer and File Types lists.
    int32_t LVHintFrom = 0, LVHintTo = 0, RBHintFrom = 0, RBHintTo = 0;

    std::string FTSizeType;  // size unit code of the folder tree
    std::string SBSizeType;  // size unit code of the status bar totals
    int32_t Theme = 0;       // user-interface skin index

    // The path histories behind HistoryPaths and CustPaths (filled by LoadSettings; SaveSettings
    // rebuilds the two texts from them).
    std::vector<std::string> HistoryList;
    std::vector<std::string> CustPathList;
};

// The one global record. The console program leaves it as constructed.
TOptions& Options();

// The installation defaults: what a new store is created with and what a value missing from an
// existing store reads as.
TOptions DefaultOptions();

// The settings of a scan, copied from the record (ExPaths, ExFiles, SIcons).
TScanSettings ScanSettingsFrom(const TOptions& options);

// The store's file in `configFolder`: configFolder + "/Folioscope30.conf".
std::string SettingsFilePath(const std::string& configFolder);

// Fills `options` from the store in `configFolder` (created with the defaults when missing).
// Precondition: the custom types are loaded (their masks are copied into the record).
// False, with a message in `error`, when the store exists but cannot be read or written, when it
// cannot be created, or when a value that must be a whole number is not one.
bool LoadSettings(TOptions& options, const std::string& configFolder, std::string& error);
// The global record from the user's store (ConfigFolder()).
bool LoadSettings(std::string& error);

class ESettingsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes every stored value of `options` to the store in `configFolder` (created when missing),
// replacing the file only once the new one is complete. Throws ESettingsError. The history lists
// are kept, so saving twice is harmless.
void SaveSettings(const TOptions& options, const std::string& configFolder);
// The global record to the user's store.
void SaveSettings();

}  // namespace fscope
