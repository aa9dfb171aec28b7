#pragma once
// Custom types: named groups of file-name masks, kept in filters.dat, one "name|masks" line per
// type with CR LF line ends. The shipped file lies in the data folder (AppPaths.h); a user's
// edited copy in the config folder takes its place. Window-thread only.

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace fscope {

struct TCustTypeInfo {
    std::string FName;   // the type's name
    std::string FMasks;  // its masks, separated by spaces ("*.LOG *.TXT")
    bool operator==(const TCustTypeInfo&) const = default;
};

using TCustTypeList = std::vector<TCustTypeInfo>;

// The first entries of the list are the default types (never deleted or renamed by the user).
inline constexpr int kDefaultCustTypeCount = 16;
inline constexpr const char* kFiltersFileName = "filters.dat";

// The global list, in file order.
TCustTypeList& CustTypes();

class ECustTypesError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The entries of a filters.dat text: per line (LF-separated, a CR before the LF dropped), the
// text before the first "|" is the name and everything after it the masks (no trimming); lines
// without "|" are skipped.
TCustTypeList ParseCustTypes(std::string_view text);
// The file text of a list: FName + "|" + FMasks + CR LF per entry.
std::string CustTypesText(const TCustTypeList& list);

// The file ReadCustTypes reads: the user's copy in `configFolder` when there, else the shipped
// one from the data folder; "" when neither exists.
std::string CustTypesReadPath(const std::string& configFolder);

// Replaces CustTypes() with the entries of the file at `path` and remembers them as the saved
// state. Throws ECustTypesError (with the reason) when the file cannot be read.
void ReadCustTypes(const std::string& path);
// The same from CustTypesReadPath(ConfigFolder()); throws ECustTypesError when there is none.
void ReadCustTypes();

// Writes CustTypes() to configFolder/filters.dat (atomically, the folder created when missing),
// but only when the list differs from what was last read or written. True when it wrote.
// Throws ECustTypesError when the file cannot be written; the existing file stays intact.
bool WriteCustTypes(const std::string& configFolder);
bool WriteCustTypes();  // to ConfigFolder()

// Empties CustTypes() (the saved state is kept, so an emptied list still counts as a change).
void FreeCustTypes();

// The masks of the first type named exactly `name` (case-sensitive); "" when there is none.
std::string GetCustTypeMasks(std::string_view name);

}  // namespace fscope
