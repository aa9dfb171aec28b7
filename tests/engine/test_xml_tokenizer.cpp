// The lenient streaming tokenizer: part kinds, attributes, white space before references,
// bare ampersands, and the same parts whatever the chunk boundaries.

#include <gtest/gtest.h>

#include <cstring>

#include "platform/XmlTokenizer.h"

using namespace fscope;

namespace {

struct Part {
    TXmlPart kind;
    std::string name;
    std::string content;
    bool operator==(const Part&) const = default;
};

std::vector<Part> PartsOf(TXmlTokenizer& t) {
    std::vector<Part> parts;
    while (t.Next()) parts.push_back({t.Kind(), std::string(t.Name()), std::string(t.Content())});
    return parts;
}

// A source that hands out `step` bytes per call, to move every boundary through the parts.
TXmlTokenizer Trickle(const std::string& text, size_t step, size_t maxPart = 1 << 20) {
    auto at = std::make_shared<size_t>(0);
    return TXmlTokenizer(
        [text, step, at](char* buffer, size_t size) {
            size_t n = std::min({size, step, text.size() - *at});
            std::memcpy(buffer, text.data() + *at, n);
            *at += n;
            return n;
        },
        maxPart);
}

const std::string kSample =
    "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<!DOCTYPE r [<!ENTITY x \"y\">]>"
    "<!-- a > comment --><?pi data?><Root>\r\n<Drive>  /a \t\r\n b/  </Drive>"
    "<File Name='q&amp;&#9;x' Type=\"a\tb\"><Attr>32</Attr><![CDATA[ raw <&amp; ]]>"
    "<Empty/><Folder Name=\"x\"/></Root>";

}  // namespace

TEST(XmlTokenizer, YieldsEveryPartKindWithCurrentName) {
    TXmlTokenizer t = TXmlTokenizer::FromText(kSample);
    const std::vector<Part> expected = {
        {TXmlPart::Declaration, "", ""},
        {TXmlPart::DocType, "", ""},
        {TXmlPart::Comment, "", ""},
        {TXmlPart::Instruction, "", ""},
        {TXmlPart::StartTag, "Root", ""},
        {TXmlPart::StartTag, "Drive", ""},
        {TXmlPart::Content, "Drive", "/a b/"},
        {TXmlPart::EndTag, "Drive", ""},
        {TXmlPart::StartTag, "File", ""},
        {TXmlPart::StartTag, "Attr", ""},
        {TXmlPart::Content, "Attr", "32"},
        {TXmlPart::EndTag, "Attr", ""},
        {TXmlPart::CData, "Attr", " raw <&amp; "},
        {TXmlPart::EmptyTag, "Empty", ""},
        {TXmlPart::EmptyTag, "Folder", ""},
        {TXmlPart::EndTag, "Root", ""},
    };
    EXPECT_EQ(PartsOf(t), expected);
}

TEST(XmlTokenizer, SameManyPartsWhateverTheChunkSize) {
    TXmlTokenizer whole = TXmlTokenizer::FromText(kSample);
    const auto expected = PartsOf(whole);
    for (size_t step : {1, 2, 3, 7, 64}) {
        TXmlTokenizer t = Trickle(kSample, step);
        EXPECT_EQ(PartsOf(t), expected) << "step " << step;
    }
}

TEST(XmlTokenizer, AttributesNormaliseLiteralWhiteSpaceThenDecode) {
    TXmlTokenizer t = TXmlTokenizer::FromText(
        "<File Name=\"a\tb&#9;c&#13;&#10;\" Type='x \"q\" y' Bare=v Flag Amp=\"R&D &amp;amp; &#xZ; "
        "&#65;&#x42;&lt;&gt;&quot;&apos;&unknown; &\"/>");
    ASSERT_TRUE(t.Next());
    EXPECT_EQ(t.Kind(), TXmlPart::EmptyTag);
    EXPECT_TRUE(t.HasAttributes());
    EXPECT_EQ(t.Attribute("Name"), "a b\tc\r\n");
    EXPECT_EQ(t.Attribute("Type"), "x \"q\" y");
    EXPECT_EQ(t.Attribute("Bare"), "v");
    EXPECT_EQ(t.Attribute("Flag"), "");
    EXPECT_EQ(t.Attribute("Amp"), "R&D &amp; &#xZ; AB<>\"'&unknown; &");
    EXPECT_EQ(t.Attribute("Missing"), "");
    EXPECT_EQ(t.Attribute("name"), "") << "names are case-sensitive";
}

TEST(XmlTokenizer, ContentIsTrimmedAndCollapsedButReferencedSpacesSurvive) {
    TXmlTokenizer t = TXmlTokenizer::FromText(
        "<a>\r\n  \t </a><b> x \t y </b><c>&#32;&#32;p&#32;&#32;q&#9;</c><d>1 < 2 &amp; 3</d>");
    std::vector<std::string> contents;
    while (t.Next())
        if (t.Kind() == TXmlPart::Content) contents.emplace_back(t.Content());
    EXPECT_EQ(contents, (std::vector<std::string>{"x y", "  p  q\t", "1 < 2 & 3"}));
}

TEST(XmlTokenizer, NonAsciiReferencesAndBytesPassThrough) {
    TXmlTokenizer t = TXmlTokenizer::FromText("<a N=\"\xC3\xA9&#233;&#x20AC;\xFF\"/>");
    ASSERT_TRUE(t.Next());
    EXPECT_EQ(t.Attribute("N"), "\xC3\xA9\xE9\xE2\x82\xAC\xFF");
}

TEST(XmlTokenizer, BrokenDocumentsRaiseClearErrors) {
    for (const char* text :
         {"<Root><File Name=\"abc", "<Root><!-- open", "<![CDATA[ x", "<Root><File Name=\"a\" "}) {
        TXmlTokenizer t = TXmlTokenizer::FromText(text);
        try {
            while (t.Next()) {
            }
            ADD_FAILURE() << "no error for " << text;
        } catch (const EXmlError& e) {
            EXPECT_NE(std::string(e.what()).find("ends inside"), std::string::npos) << e.what();
        }
    }
}

TEST(XmlTokenizer, APartLongerThanTheLimitIsRefusedNotBuffered) {
    const std::string text = "<File Name=\"" + std::string(3 << 20, 'n') + "\"/>";
    TXmlTokenizer t = Trickle(text, 1 << 16, 1 << 20);
    EXPECT_THROW(t.Next(), EXmlError);
    // Content and tags below the limit are fine, even when they span many chunks.
    const std::string big = "<a>" + std::string(900000, 'x') + "</a>";
    TXmlTokenizer ok = Trickle(big, 4096, 1 << 20);
    ASSERT_TRUE(ok.Next());
    ASSERT_TRUE(ok.Next());
    EXPECT_EQ(ok.Content().size(), 900000u);
}

TEST(XmlTokenizer, SourceErrorsReachTheCaller) {
    TXmlTokenizer t([](char*, size_t) -> size_t { throw std::runtime_error("disk gone"); });
    EXPECT_THROW(t.Next(), std::runtime_error);
}
