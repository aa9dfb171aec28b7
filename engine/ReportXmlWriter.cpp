#include "engine/ReportXmlWriter.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/AtomicFile.h"
#include "platform/DateTimeText.h"

namespace fscope {

namespace {

constexpr size_t kPieceBytes = 1u << 20;

bool NeedsReference(unsigned char c) {
    return c < 0x20 || c == 0x7F || c == '&' || c == '"' || c == '<' || c == '>';
}

void AppendReference(std::string& out, unsigned char c) {
    switch (c) {
        case '&':
            out += "&amp;";
            return;
        case '"':
            out += "&quot;";
            return;
        case '<':
            out += "&lt;";
            return;
        case '>':
            out += "&gt;";
            return;
        default: {
            char buf[8];
            auto r = std::to_chars(buf, buf + sizeof buf, static_cast<unsigned>(c));
            out += "&#";
            out.append(buf, r.ptr);
            out += ';';
        }
    }
}

void AppendAttribute(std::string& out, std::string_view text) {
    size_t plain = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (!NeedsReference(c)) continue;
        out.append(text.substr(plain, i - plain));
        AppendReference(out, c);
        plain = i + 1;
    }
    out.append(text.substr(plain));
}

void AppendContent(std::string& out, std::string_view text) {
    // Content is trimmed and its blank runs collapsed when read: a space survives literally
    // only between two other non-blank bytes.
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == ' ') {
            const bool kept = i > 0 && i + 1 < text.size() && text[i - 1] != ' ';
            if (kept)
                out.push_back(' ');
            else
                out += "&#32;";
        } else if (NeedsReference(c)) {
            AppendReference(out, c);
        } else {
            out.push_back(static_cast<char>(c));
        }
    }
}

void AppendSize(std::string& out, double value) {
    char buf[32];
    std::to_chars_result r;
    if (value == std::floor(value) && std::fabs(value) < 9223372036854775808.0)
        r = std::to_chars(buf, buf + sizeof buf, static_cast<int64_t>(value));
    else
        r = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, r.ptr);
}

void AppendInt(std::string& out, int64_t value) {
    char buf[24];
    auto r = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, r.ptr);
}

// Date-time texts of recent seconds: neighbouring files mostly share their times.
class TTimeTexts {
public:
    const std::string& Text(TDateTime value) {
        const double seconds = std::nearbyint(value * 86400.0);
        if (!(std::fabs(seconds) < 1e15)) {  // not a real time: no slot for it
            spare_ = DateTimeToText(value);
            return spare_;
        }
        Slot& slot = slots_[static_cast<uint64_t>(static_cast<int64_t>(seconds)) % kSlots];
        if (!slot.valid || slot.seconds != seconds) {
            slot.text = DateTimeToText(value);
            slot.seconds = seconds;
            slot.valid = true;
        }
        return slot.text;
    }

private:
    static constexpr size_t kSlots = 1024;
    struct Slot {
        double seconds = 0;
        bool valid = false;
        std::string text;
    };
    std::vector<Slot> slots_ = std::vector<Slot>(kSlots);
    std::string spare_;
};

class TDocumentWriter {
public:
    TDocumentWriter(const TFolioscope& report, const TXmlSink& sink)
        : report_(report), sink_(sink) {
        out_.reserve(kPieceBytes + 4096);
    }

    void Write() {
        out_ += "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<Root>\r\n<Drive>";
        AppendContent(out_, report_.FRootPath);
        out_ += "</Drive>\r\n";
        out_ += report_.CustScan ? "<CustScan>1</CustScan>\r\n" : "<CustScan>0</CustScan>\r\n";
        WriteFilters();
        WriteTree();
        out_ += "</Root>\r\n";
        sink_(out_);
        out_.clear();
    }

private:
    void Flag(const char* name, bool value, bool first = false) {
        if (!first) out_ += ' ';
        out_ += name;
        out_ += value ? "=\"1\"" : "=\"0\"";
    }
    void Text(const char* name, std::string_view value) {
        out_ += ' ';
        out_ += name;
        out_ += "=\"";
        AppendAttribute(out_, value);
        out_ += '"';
    }
    void WriteFilters() {
        const TFolioscope& r = report_;
        if (!r.CustScan) {
            out_ += "<Filters />\r\n";
            return;
        }
        out_ += "<Filters ";
        Flag("FAllFiles", r.FAllFiles, true);
        out_ += " FileSize=\"";
        AppendSize(out_, r.FileSize);
        out_ += '"';
        Text("FileUnit", r.FileUnit);
        Text("FileGLE", r.FileGLE);
        Flag("DAllFiles", r.DAllFiles);
        Text("DateType", r.DateType);
        Text("FromDate", times_.Text(r.FromDate));
        Text("ToDate", times_.Text(r.ToDate));
        Flag("AAllFiles", r.AAllFiles);
        Flag("AArchive", r.AArchive);
        Flag("AReadOnly", r.AReadOnly);
        Flag("ASystem", r.ASystem);
        Flag("AHidden", r.AHidden);
        Text("Criteria", r.Criteria);
        out_ += "/>\r\n";
    }

    // Name, type, attributes and the three times: common to folder headers and file lines.
    void WriteHead(const TFoldInfo* node, const char* tagEnd) {
        out_ += node->IsFolder() ? "<Folder Name=\"" : "<File Name=\"";
        AppendAttribute(out_, node->FName.view());
        out_ += "\" Type=\"";
        AppendAttribute(out_, node->FTypeName());
        out_ += tagEnd;
        out_ += "<Attr>";
        AppendInt(out_, static_cast<int32_t>(node->FAttr));
        out_ += "</Attr><LAD Low=\"";
        out_ += times_.Text(node->FAccessed);
        out_ += "\"/><LMD Low=\"";
        out_ += times_.Text(node->FModified);
        out_ += "\"/><CreaD Low=\"";
        out_ += times_.Text(node->FCreated);
        out_ += "\"/>";
    }

    void WriteFile(const TFoldInfo* file, bool topLevel) {
        WriteHead(file, topLevel ? "\">" : "\"/>");
        out_ += "<Size File=\"";
        AppendSize(out_, file->FSize);
        out_ += "\" Alloc=\"";
        AppendSize(out_, file->FAllocSize);
        out_ += "\"/><Owner Name=\"";
        AppendAttribute(out_, file->FOwner());
        out_ += "\" Domain=\"";
        AppendAttribute(out_, file->FDomain());
        out_ += "\"/>\r\n";
    }

    void WriteTree() {
        // An explicit stack of (list, next index): any depth without recursion.
        struct Frame {
            const TFoldList* list;
            size_t next;
        };
        std::vector<Frame> stack{{&report_.FItems, 0}};
        while (!stack.empty()) {
            Frame& f = stack.back();
            if (f.next == f.list->size()) {
                stack.pop_back();
                if (!stack.empty()) out_ += "</Folder>\r\n";
                continue;
            }
            const TFoldInfo* node = (*f.list)[f.next++];
            const bool topLevel = stack.size() == 1;
            if (node->IsFolder()) {
                WriteHead(node, "\">");
                out_ += "\r\n";
                stack.push_back({node->FItems, 0});
            } else {
                WriteFile(node, topLevel);
            }
            if (out_.size() >= kPieceBytes) {
                sink_(out_);
                out_.clear();
            }
        }
    }

    const TFolioscope& report_;
    const TXmlSink& sink_;
    std::string out_;
    TTimeTexts times_;
};

}  // namespace

std::string EscapeAttribute(std::string_view text) {
    std::string out;
    AppendAttribute(out, text);
    return out;
}

std::string EscapeContent(std::string_view text) {
    std::string out;
    AppendContent(out, text);
    return out;
}

std::string SizeText(double value) {
    std::string out;
    AppendSize(out, value);
    return out;
}

void SaveToXml(const TFolioscope& report, const TXmlSink& sink) {
    TDocumentWriter(report, sink).Write();
}

void SaveToXml(const TFolioscope& report, const std::string& fileName) {
    TAtomicFile file(fileName);
    SaveToXml(report, [&](std::string_view bytes) { file.Write(bytes); });
    file.Commit();
}

}  // namespace fscope
