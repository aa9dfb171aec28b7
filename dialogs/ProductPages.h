#pragma once
// The product's web pages and its user guide, opened through the desktop services
// (ShellServices()), so tests see what would be opened instead of starting a browser.

#include <string>

namespace fscope {

inline constexpr char kProductShortName[] = "Folioscope";

namespace ProductPages {
inline constexpr char kHome[] = "https://folioscope.example/";
inline constexpr char kSupport[] = "https://folioscope.example/support";
inline constexpr char kVideoDemo[] = "https://folioscope.example/demo";
inline constexpr char kFaq[] = "https://folioscope.example/faq";
inline constexpr char kTutorials[] = "https://folioscope.example/tutorials";
inline constexpr char kErrorReport[] = "https://folioscope.example/error-report";
}  // namespace ProductPages

// The shipped HTML user guide, relative to the data folder (DataFilePath).
inline constexpr char kUserGuideFile[] = "help/index.html";

// The error-report page with the query keys "prog", "error", "form" and "proc". Every value is
// percent-encoded, so spaces, '&', '=' and '#' in the error text arrive intact.
std::string ErrorReportUrl(const std::string& error, const std::string& form,
                           const std::string& proc);

// Opens a web page of the product in the browser.
void OpenProductPage(const char* url);

// Opens a file shipped in the data folder with the desktop's application; when it is not
// installed, says `missingMessage` in a message box.
void OpenShippedFile(const char* relativePath, const char* missingMessage);

// Opens the user guide in the browser; when it is not installed, says so in a message box.
void OpenUserGuide();

}  // namespace fscope
