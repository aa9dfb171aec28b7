#pragma once
// The XML disk report writer: a read-only walk over a finished report that emits the document
// line by line (CR LF) in pieces, so the whole document is never held in memory.
//
// Every attribute value and the Drive content are escaped: & " < > as entity references and
// control characters as numeric references, so every name and root path reads back byte for
// byte; in the Drive content the spaces that the reader's white-space normalisation would
// trim or collapse are written as &#32;. Whole byte counts are written as exact integers.

#include <functional>
#include <string>
#include <string_view>

#include "engine/Folioscope.h"

namespace fscope {

// Receives the document in pieces of about 1 MB, in order.
using TXmlSink = std::function<void(std::string_view bytes)>;

// Writes the document of `report`. Does not change the report; safe to run on another thread
// while nobody changes the report. Exceptions of the sink pass through.
void SaveToXml(const TFolioscope& report, const TXmlSink& sink);

// Writes the document to `fileName` through a temporary file renamed into place.
// Throws EFileWriteError.
void SaveToXml(const TFolioscope& report, const std::string& fileName);

// The escaped forms, exposed for tests.
std::string EscapeAttribute(std::string_view text);
std::string EscapeContent(std::string_view text);
// A byte count as the document writes it: exact digits for whole numbers below 2^63, else the
// shortest text that reads back to the same double.
std::string SizeText(double value);

}  // namespace fscope
