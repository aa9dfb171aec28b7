#pragma once
// The XML disk report reader: consumes the document as a flat stream of parts (no document
// tree, no nesting check) and fills an empty report through the same builder the scan uses.
// Detail elements apply to the item read last (Size only to a file: folder totals are not
// stored; details before any item are ignored); one level per Folder element is kept on an
// explicit stack, so documents of any depth are read without recursion.
//
// A Folder element always makes a folder and a File element never does, whatever their Type
// text says. A name that is empty, ".", "..", or contains '/' or NUL fails the load, and so
// does a Drive that is not an absolute path, a document without a Drive, and one that ends
// before its last Folder or Root is closed.
//
// Errors: LoadFromXml throws EReportFormatError for a value that does not convert or a
// forbidden name, EXmlError when the document cannot be tokenized, and lets the source's own
// exceptions (EZipError, EFileWriteError) through. Every exception leaves the report empty
// (its tree freed) with FLoaded false. All of them derive from std::runtime_error, whose
// what() is the text to show the user.

#include <stdexcept>
#include <string>

#include "engine/Folioscope.h"
#include "platform/XmlTokenizer.h"

namespace fscope {

class EReportFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Fills `report` (whose tree is freed first) from the document `tokenizer` yields.
// Returns true when the document was read to its end, false when FStop ended the load (the
// report then holds no nodes). Runs report.FMessagePump after every part.
bool LoadFromXml(TFolioscope& report, TXmlTokenizer& tokenizer);

// The same for a document file. Throws EFileWriteError when the file cannot be read.
bool LoadFromXml(TFolioscope& report, const std::string& fileName);

}  // namespace fscope
