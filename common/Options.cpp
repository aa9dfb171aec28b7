#include "common/Options.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QSettings>
#include <QString>
#include <QStringList>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <variant>

#include "common/AppPaths.h"
#include "common/CustomTypes.h"
#include "common/IniText.h"
#include "engine/TextHelpers.h"
#include "platform/AtomicFile.h"

namespace fscope {

namespace {

// How a stored value is read (the defaults apply to values present in the store; a value
// missing from the store takes its installation default).
enum class TRule {
    AsIs,
    Trimmed,
    DefaultIfBlank,  // the default when blank after trimming, else the value as it is
    DefaultIfEmpty,  // the default when empty, else the value as it is (CSVSep: " " stays)
    Integer,         // a whole number; anything else is an error
    IntegerOrZero,   // empty gives 0, else as Integer
};

using TField = std::variant<std::string TReginfo::*, std::string TOptions::*, int32_t TOptions::*>;

struct TStoredValue {
    const char* name;
    TField field;
    TRule rule = TRule::AsIs;
    const char* fallback = "";  // for DefaultIfBlank / DefaultIfEmpty
};

// Every stored value, in the order the store is written.
const TStoredValue kStoredValues[] = {
    {"Decimals", &TReginfo::Decimals, TRule::DefaultIfBlank, "2"},
    {"ShowTips", &TReginfo::ShowTips, TRule::DefaultIfBlank, "1"},
    {"QuickHelp", &TReginfo::QuickHelp},
    {"SizeType", &TOptions::SizeType},
    {"FTSizeType", &TOptions::FTSizeType},
    {"SBSizeType", &TOptions::SBSizeType},
    {"TreeFilter", &TOptions::TreeFilter, TRule::Integer},
    {"TreeSort", &TOptions::TreeSort, TRule::Integer},
    {"BigFileSize", &TReginfo::BigFileSize},
    {"BigFileUnit", &TReginfo::BigFileUnit},
    {"OldFilesDType", &TReginfo::OldFilesDType},
    {"OldFilesTime", &TReginfo::OldFilesTime},
    {"OldFilesUnit", &TReginfo::OldFilesUnit},
    {"ExPaths", &TReginfo::ExPaths, TRule::Trimmed},
    {"ExFiles", &TReginfo::ExFiles, TRule::Trimmed},
    {"SIcons", &TReginfo::SIcons, TRule::Trimmed},
    {"FontName", &TReginfo::FontName, TRule::DefaultIfBlank, "Tahoma"},
    {"FontSize", &TReginfo::FontSize, TRule::DefaultIfBlank, "8"},
    {"CSVSep", &TReginfo::CSVSep, TRule::DefaultIfEmpty, ","},
    {"ColWidths", &TReginfo::ColWidths},
    {"VColWidths", &TReginfo::VColWidths},
    {"AFColWidths", &TReginfo::AFColWidths},
    {"ColVisible", &TReginfo::ColVisible},
    {"VColVisible", &TReginfo::VColVisible},
    {"AFColVisible", &TReginfo::AFColVisible},
    {"HistoryPaths", &TReginfo::HistoryPaths},
    {"CustPaths", &TReginfo::CustPaths},
    {"LVSort1", &TOptions::LVSort1, TRule::Integer},
    {"LVSort2", &TOptions::LVSort2, TRule::Integer},
    {"LVSort8", &TOptions::LVSort8, TRule::Integer},
    {"LVSort9", &TOptions::LVSort9, TRule::Integer},
    {"LVSortOrder1", &TOptions::LVSortOrder1, TRule::Integer},
    {"LVSortOrder2", &TOptions::LVSortOrder2, TRule::Integer},
    {"LVSortOrder8", &TOptions::LVSortOrder8, TRule::Integer},
    {"LVSortOrder9", &TOptions::LVSortOrder9, TRule::Integer},
    {"VSort", &TOptions::VSort, TRule::Integer},
    {"VSortOrder", &TOptions::VSortOrder, TRule::Integer},
    {"Theme", &TOptions::Theme, TRule::IntegerOrZero},
    {"DefExpPath", &TReginfo::DefExpPath},
};

std::string ToStd(const QString& text) { return text.toUtf8().toStdString(); }

std::string* TextField(TOptions& options, const TField& field) {
    if (auto* r = std::get_if<std::string TReginfo::*>(&field)) return &(options.Reginfo.*(*r));
    if (auto* o = std::get_if<std::string TOptions::*>(&field)) return &(options.*(*o));
    return nullptr;
}

// Strict decimal: optional blanks around, an optional sign, digits, within 32 bits.
bool ParseInt32(std::string_view text, int32_t& value) {
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

std::string JoinWithSeparator(const std::vector<std::string>& entries, char separator) {
    std::string text;
    for (const std::string& entry : entries) text += entry + separator;
    return text;
}

std::string StoredText(const TOptions& options, const TStoredValue& value) {
    const std::string_view name = value.name;
    if (name == "HistoryPaths") return JoinWithSeparator(options.HistoryList, ';');
    if (name == "CustPaths") return JoinWithSeparator(options.CustPathList, ';');
    if (auto* field = std::get_if<int32_t TOptions::*>(&value.field))
        return std::to_string(options.*(*field));
    return *TextField(const_cast<TOptions&>(options), value.field);
}

// Applies the read rule of `value` to the stored text; false with a message for a bad number.
bool ApplyStoredText(TOptions& options, const TStoredValue& value, const std::string& text,
                     std::string& error) {
    if (auto* field = std::get_if<int32_t TOptions::*>(&value.field)) {
        if (value.rule == TRule::IntegerOrZero && text.empty()) {
            options.*(*field) = 0;
            return true;
        }
        if (!ParseInt32(text, options.*(*field))) {
            error = std::string("The setting ") + value.name + " holds \"" + text +
                    "\", which is not a whole number.";
            return false;
        }
        return true;
    }
    std::string& target = *TextField(options, value.field);
    switch (value.rule) {
        case TRule::Trimmed:
            target = std::string(TrimBlanks(text));
            break;
        case TRule::DefaultIfBlank:
            target = TrimBlanks(text).empty() ? value.fallback : text;
            break;
        case TRule::DefaultIfEmpty:
            target = text.empty() ? value.fallback : text;
            break;
        default:
            target = text;
    }
    return true;
}

// The store's own reading and writing checks: it must be a readable regular file, and the file
// and its folder writable (the file is replaced by a rename at exit).
bool CheckStoreAccess(const std::string& path, const std::string& folder, std::string& error) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) {
        error = "Cannot read the settings file " + path + ": " + std::strerror(errno);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        error = "The settings file " + path + " is not a regular file.";
        return false;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = "Cannot read the settings file " + path + ": " + std::strerror(errno);
        return false;
    }
    ::close(fd);
    if (::access(path.c_str(), W_OK) != 0 || ::access(folder.c_str(), W_OK | X_OK) != 0) {
        error = "Cannot write the settings file " + path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

}  // namespace

TOptions& Options() {
    static TOptions options;
    return options;
}

TOptions DefaultOptions() {
    TOptions o;
    o.TreeFilter = 0;
    o.TreeSort = 0;
    o.SizeType = "GEN";
    o.FTSizeType = "MB";
    o.SBSizeType = "GEN";
    o.Theme = 0;
    TReginfo& r = o.Reginfo;
    r.Decimals = "2";
    r.ShowTips = "1";
    r.QuickHelp = "1";
    r.BigFileSize = "100";
    r.BigFileUnit = "MB";
    // Access times are unreliable on mounts with relatime or noatime: age by modification.
    r.OldFilesDType = "Modified";
    r.OldFilesTime = "1";
    r.OldFilesUnit = "Years";
    r.SIcons = "0";
    r.FontName = "Tahoma";
    r.FontSize = "9";
    r.CSVSep = ",";
    r.ColWidths = "220,70,90,90,60,60,150,130,70,130,130,250";
    r.VColWidths = "200,300,150,90,90,130,70,130,130,250";
    r.AFColWidths = "200,300,70,90,90,60,60,130";
    // The DOS Name column only repeats the path on this platform: hidden at first.
    r.ColVisible = "1,1,1,1,1,1,1,1,1,1,1,0";
    r.VColVisible = "1,1,1,1,1,1,1,1,1,0";
    r.AFColVisible = "1,1,1,1,1,1,1,1";
    o.LVSortOrder1 = 0;
    o.VSort = 0;
    return o;
}

TScanSettings ScanSettingsFrom(const TOptions& options) {
    return {options.Reginfo.ExPaths, options.Reginfo.ExFiles, options.Reginfo.SIcons};
}

std::string SettingsFilePath(const std::string& configFolder) {
    return configFolder + "/Folioscope30.conf";
}

namespace {
// QSettings keeps a parsed store per path and reads the file again only when its size or its
// modification time (to the millisecond) changed. A store rewritten within the same millisecond
// at the same size would read back stale, so its time is moved on by a millisecond.
void KeepStoreDistinguishable(const std::string& path, const struct stat& before) {
    struct stat after;
    if (::stat(path.c_str(), &after) != 0 || after.st_size != before.st_size) return;
    const auto millis = [](const struct timespec& t) {
        return static_cast<long long>(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
    };
    if (millis(after.st_mtim) != millis(before.st_mtim)) return;
    long long next = millis(before.st_mtim) + 1;
    struct timespec times[2] = {{0, UTIME_OMIT}, {next / 1000, (next % 1000) * 1000000}};
    ::utimensat(AT_FDCWD, path.c_str(), times, 0);
}
}  // namespace

void SaveSettings(const TOptions& options, const std::string& configFolder) {
    std::string error;
    if (!EnsureFolder(configFolder, error)) throw ESettingsError(error);
    std::vector<std::pair<std::string, std::string>> values;
    for (const TStoredValue& value : kStoredValues)
        values.emplace_back(value.name, StoredText(options, value));
    const std::string path = SettingsFilePath(configFolder);
    struct stat before;
    const bool hadFile = ::stat(path.c_str(), &before) == 0;
    try {
        WriteFileAtomically(path, IniGeneralSection(values));
    } catch (const EFileWriteError& e) {
        throw ESettingsError(std::string("Cannot write the settings: ") + e.what());
    }
    if (hadFile) KeepStoreDistinguishable(path, before);
}

void SaveSettings() { SaveSettings(Options(), ConfigFolder()); }

bool LoadSettings(TOptions& options, const std::string& configFolder, std::string& error) {
    const std::string path = SettingsFilePath(configFolder);
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0 && errno == ENOENT) {
        // First start: the store is created with the installation defaults.
        try {
            SaveSettings(DefaultOptions(), configFolder);
        } catch (const ESettingsError& e) {
            error = e.what();
            return false;
        }
    }
    if (!CheckStoreAccess(path, configFolder, error)) return false;

    QSettings store(QString::fromUtf8(path.c_str()), QSettings::IniFormat);
    if (store.status() != QSettings::NoError) {
        error = "The settings file " + path + " cannot be read.";
        return false;
    }
    const TOptions defaults = DefaultOptions();
    TOptions loaded = options;
    for (const TStoredValue& value : kStoredValues) {
        const QVariant stored = store.value(QString::fromLatin1(value.name));
        if (!stored.isValid()) {  // not in the store: the installation default
            if (!ApplyStoredText(loaded, value, StoredText(defaults, value), error)) return false;
            continue;
        }
        // A hand-edited value with a bare comma reads as a list: join it back.
        const std::string text = stored.typeId() == QMetaType::QStringList
                                     ? ToStd(stored.toStringList().join(QLatin1Char(',')))
                                     : ToStd(stored.toString());
        if (!ApplyStoredText(loaded, value, text, error)) {
            error += " (" + path + ")";
            return false;
        }
    }
    TReginfo& r = loaded.Reginfo;
    r.CompFiles = GetCustTypeMasks("Compressed Files");
    r.JunkFiles = GetCustTypeMasks("Junk Files");
    r.TempFiles = GetCustTypeMasks("Temporary Files");
    r.ImageFiles = GetCustTypeMasks("Image Files");
    r.AudioFiles = GetCustTypeMasks("Audio Files");
    r.VideoFiles = GetCustTypeMasks("Video Files");
    loaded.HistoryList = SplitText(r.HistoryPaths, ";");
    loaded.CustPathList = SplitText(r.CustPaths, ";");
    options = std::move(loaded);
    return true;
}

bool LoadSettings(std::string& error) { return LoadSettings(Options(), ConfigFolder(), error); }

}  // namespace fscope
