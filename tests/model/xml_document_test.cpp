#include "model/XmlDocument.h"
#include "model/XmlLimits.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace orv {
namespace {

using namespace std::string_literals;

std::string Write(TfrxXMLDocument& doc) {
    std::ostringstream out;
    doc.WriteToStream(out);
    return out.str();
}

void Read(TfrxXMLDocument& doc, const std::string& text) {
    std::istringstream in(text);
    doc.ReadFromStream(in);
}

// The tree as text: tag, raw attributes, deferral state, then the children.
std::string Dump(const TfrxXMLItem& item, int depth = 0) {
    std::string text = std::string(static_cast<std::size_t>(depth) * 2, ' ') + item.TagName() + " [" +
                       item.AttrText() + "]" + (item.Deferrable() ? " deferrable" : "") +
                       (item.IsLoaded() ? "" : " unloaded") + "\n";
    for (int i = 0; i < item.ChildCount(); ++i) text += Dump(item.ChildAt(i), depth + 1);
    return text;
}

void ReadOnly(const std::string& text) {
    TfrxXMLDocument doc;
    Read(doc, text);
}

std::string ReadAndDump(const std::string& text) {
    TfrxXMLDocument doc;
    Read(doc, text);
    return Dump(doc.RootItem());
}

// The message of the Exception that Action raises, or "no error".
template <typename Action>
std::string ErrorText(Action action) {
    try {
        action();
    } catch (const Exception& e) {
        return e.what();
    }
    return "no error";
}

std::string FileBytes(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A folder of its own for each test that touches files.
class ScratchFolder {
public:
    ScratchFolder() {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        FPath = std::string(ORVANTA_BINARY_DIR) + "/test-xml-" + test->name() + "/";
        std::filesystem::remove_all(FPath);
        std::filesystem::create_directories(FPath);
    }
    ~ScratchFolder() { std::filesystem::remove_all(FPath); }
    const std::string& Path() const { return FPath; }
    std::size_t FileCount() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(FPath), {}));
    }

private:
    std::string FPath;
};

// ---------------------------------------------------------------- escaping

// A text and what a conversion must make of it.
struct TextCase {
    std::string input, expected;
};

void ExpectEach(std::string (*convert)(std::string_view), std::initializer_list<TextCase> cases) {
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(convert(c.input), c.expected);
    }
}

TEST(XmlTextTest, EncodeXMLText) {
    const std::string longPad(40, '.');
    ExpectEach(EncodeXMLText, {
        {"plain text", "plain text"},
        {"a<b>c&d\"e", "a&#60;b&#62;c&#38;d&#34;e"},
        {longPad + "a<b>c&d\"e", longPad + "a&#60;b&#62;c&#38;d&#34;e"},
        {"line\r\nbreak", "line&#13;&#10;break"},
        {"say &quot;hi&quot;", "say &#34;hi&#34;"},
        {longPad + "&quot;", longPad + "&#34;"},
        {"&quo", "&#38;quo"},
        {"tab\t 'apos' \xE1\xF1\x80\xFF", "tab\t 'apos' \xE1\xF1\x80\xFF"},
        {"n\0l"s, "n&#0;l"},
        {std::string(31, 'a') + '\0', std::string(31, 'a') + ' '},
        {"", ""},
    });
}

TEST(XmlTextTest, DecodeXMLText) {
    ExpectEach(DecodeXMLText, {
        {"a&#60;b&#62;&#38;&#34;&#13;&#10;", "a<b>&\"\r\n"},
        {"&quot;&amp;&lt;&gt;", "\"&<>"},
        {"&amp;lt;", "&lt;"},
        {"&apos;", "&apos;"},
        {"&#0;", "\0"s},
        {"&#321;", "A"},
        {"&#-1;", "\xFF"},
        {"&#x41;&#$42;&#0x43;", "ABC"},
        {"&#65", "&#65"},
        {"&#", "&#"},
        {"a & b &", "a & b &"},
        {"&#65;&#66;", "AB"},
        {"no references", "no references"},
    });
}

TEST(XmlTextTest, ReferenceThatIsNotAnIntegerRaisesTheConversionError) {
    ExpectEach([](std::string_view text) { return ErrorText([text] { DecodeXMLText(text); }); }, {
        {"&#abc;", "'abc' is not a valid integer value"},
        {"x&#1a;", "'1a' is not a valid integer value"},
        {"&#;65;", "';65' is not a valid integer value"},
        {"&#99999999999;", "'99999999999' is not a valid integer value"},
    });
}

TEST(XmlTextTest, EveryByteComesBackExceptNulInLongTexts) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(DecodeXMLText(EncodeXMLText(all)), all);
    EXPECT_EQ(DecodeXMLText(EncodeXMLText("a\0b"s)), "a\0b"s);
    EXPECT_EQ(DecodeXMLText(EncodeXMLText(all + '\0')), all + ' ');
}

// -------------------------------------------------------------- attributes

TEST(XmlItemTest, GetAttrMatchesWholeNamesWithoutRegardToCase) {
    TfrxXMLItem item("x");
    item.SetAttrText("xName=\"tail\" Name=\"&#60;whole&#62;\" Empty=\"\" Open=\"no end");
    EXPECT_EQ(item.GetAttr("NAME"), "<whole>");
    EXPECT_EQ(item.GetAttr("xname"), "tail");
    EXPECT_EQ(item.GetAttr("Open"), "no end");
    EXPECT_EQ(item.GetAttr("ame"), "");
    EXPECT_TRUE(item.HasAttr("empty"));
    EXPECT_FALSE(item.HasAttr("Missing"));
    EXPECT_FALSE(item.HasAttr(""));
}

TEST(XmlItemTest, SetAttrReplacesInPlaceOrAppends) {
    const struct {
        std::string before, name, value, after;
    } cases[] = {
        {"", "n", "v", "n=\"v\""},
        {"a=\"1\"", "b", "x\"y", "a=\"1\" b=\"x&#34;y\""},
        {"a=\"1\" ", "b", "2", "a=\"1\" b=\"2\""},
        {"a=\"1\" b=\"2\" c=\"3\"", "B", "<&>", "a=\"1\" B=\"&#60;&#38;&#62;\" c=\"3\""},
        {"a=\"1\" ba=\"2\"", "a", "", "a=\"\" ba=\"2\""},
        {"ba=\"2\"", "a", "1", "ba=\"2\" a=\"1\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.before + " + " + c.name);
        TfrxXMLItem item("x");
        item.SetAttrText(c.before);
        item.SetAttr(c.name, c.value);
        EXPECT_EQ(item.AttrText(), c.after);
        EXPECT_EQ(item.GetAttr(c.name), c.value);
    }
}

// -------------------------------------------------------------------- tree

TEST(XmlItemTest, ChildrenAreFoundMovedAndCounted) {
    TfrxXMLItem root("root");
    TfrxXMLItem& a = root.NewChild("a");
    TfrxXMLItem& b = root.NewChild("B");
    TfrxXMLItem& c = a.NewChild("c");
    EXPECT_EQ(root.IndexOfTag("b"), 1);
    EXPECT_EQ(root.IndexOfTag("z"), -1);
    EXPECT_EQ(&root.ChildByTag("A"), &a);
    EXPECT_EQ(root.ChildByTag("d").TagName(), "d");
    EXPECT_EQ(root.ChildCount(), 3);

    root.InsertChildAt(0, c);  // moves c out of a
    EXPECT_EQ(a.ChildCount(), 0);
    EXPECT_EQ(c.ParentItem(), &root);
    EXPECT_EQ(root.IndexOfChild(c), 0);
    EXPECT_EQ(root.IndexOfChild(b), 2);
    b.AdoptChild(a);
    EXPECT_EQ(root.ChildCount(), 3);
    EXPECT_EQ(a.ParentItem(), &b);

    EXPECT_THROW(a.AdoptChild(b), Exception);  // b is a's parent: no cycles
    EXPECT_THROW(a.AdoptChild(a), Exception);
    EXPECT_EQ(a.ParentItem(), &b);
    EXPECT_EQ(ErrorText([&] { root.ChildAt(3); }), "List index out of bounds (3)");

    std::unique_ptr<TfrxXMLItem> detached = root.DetachChild(0);
    EXPECT_EQ(detached->ParentItem(), nullptr);
    root.InsertChildAt(1, std::move(detached));
    EXPECT_EQ(root.ChildAt(1).TagName(), "c");
    root.DeleteChild(1);
    EXPECT_EQ(root.IndexOfTag("c"), -1);
}

TEST(XmlItemTest, DroppingChildrenOfADeferrableElementUnloadsIt) {
    TfrxXMLItem plain("plain"), page("page");
    page.SetDeferrable(true);
    for (TfrxXMLItem* item : {&plain, &page}) {
        item->NewChild("x");
        item->DropChildren();
        EXPECT_EQ(item->ChildCount(), 0);
    }
    EXPECT_TRUE(plain.IsLoaded());
    EXPECT_FALSE(page.IsLoaded());
    page.NewChild("y");
    EXPECT_TRUE(page.IsLoaded()) << "what is in memory is now the whole element";
}

TEST(XmlItemTest, AVeryDeepTreeIsWrittenAndDestroyedWithoutRecursion) {
    TfrxXMLDocument doc;
    doc.RootItem().SetTagName("a");
    TfrxXMLItem* item = &doc.RootItem();
    for (int i = 0; i < 200000; ++i) item = &item->NewChild("a");
    const std::string text = Write(doc);
    EXPECT_EQ(text.size(), std::string("<?xml version=\"1.0\" encoding=\"utf-8\"?>").size() + 200000 * 7 + 4);
    doc.Clear();
}

// --------------------------------------------------------------- round trip

// A small tree with every kind of content the layer carries.
void BuildSample(TfrxXMLItem& root) {
    root.SetTagName("TfrxReport");
    root.SetAttr("Version", "5.1.12");
    root.SetAttr("ScriptText.Text", "begin\r\n  a := 'x' < \"y\" & b;\r\nend.");
    root.SetAttr("Short", "n\0l"s);
    root.SetAttr("Long", std::string(31, 'a') + '\0');
    root.SetAttr("Bytes", "\xE1\xF1\x80\t'&quot;");
    root.NewChild("TfrxDataPage").SetAttr("Name", "Data");
    root.NewChild("Datasets").NewChild("item").SetAttr("DataSetName", "Cabecera");
    TfrxXMLItem& page = root.NewChild("previewpages").NewChild("page0");
    page.SetDeferrable(true);
    TfrxXMLItem& band = page.NewChild("b1");
    band.SetAttr("t", "10");
    band.NewChild("m1").SetAttr("u", "x");
    root.NewChild("empty");
}

const std::string kSampleText =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
    "<TfrxReport Version=\"5.1.12\" ScriptText.Text=\"begin&#13;&#10;  a := 'x' &#60; &#34;y&#34; &#38; "
    "b;&#13;&#10;end.\" Short=\"n&#0;l\" Long=\"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa \" Bytes=\"\xE1\xF1\x80\t'&#34;\">\r\n"
    "  <TfrxDataPage Name=\"Data\"/>\r\n"
    "  <Datasets>\r\n"
    "    <item DataSetName=\"Cabecera\"/>\r\n"
    "  </Datasets>\r\n"
    "  <previewpages>\r\n"
    "    <page0 ld=\"0\">\r\n"
    "      <b1 t=\"10\">\r\n"
    "        <m1 u=\"x\"/>\r\n"
    "      </b1>\r\n"
    "    </page0>\r\n"
    "  </previewpages>\r\n"
    "  <empty/>\r\n"
    "</TfrxReport>\r\n";

TEST(XmlRoundTripTest, IndentedWriteReadWriteGivesTheSameTreeAndBytes) {
    TfrxXMLDocument doc;
    doc.SetIndentOutput(true);
    BuildSample(doc.RootItem());
    ASSERT_EQ(Write(doc), kSampleText);

    TfrxXMLDocument again;
    again.SetIndentOutput(true);
    Read(again, kSampleText);
    EXPECT_EQ(Dump(again.RootItem()), Dump(doc.RootItem()));
    EXPECT_EQ(Write(again), kSampleText);
    EXPECT_EQ(again.RootItem().GetAttr("ScriptText.Text"), "begin\r\n  a := 'x' < \"y\" & b;\r\nend.");
    EXPECT_EQ(again.RootItem().GetAttr("Short"), "n\0l"s);
    EXPECT_EQ(again.RootItem().GetAttr("Long"), std::string(31, 'a') + ' ');
    EXPECT_EQ(again.RootItem().GetAttr("Bytes"), "\xE1\xF1\x80\t'\"");
}

TEST(XmlRoundTripTest, UnindentedOutputIsOneLine) {
    TfrxXMLDocument doc;
    BuildSample(doc.RootItem());
    const std::string text = Write(doc);
    std::string oneLine;  // the indented sample without line ends and indentation
    std::istringstream lines(kSampleText);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t tag = line.find('<');
        oneLine += line.substr(tag, line.size() - 1 - tag);  // without the '\r'
    }
    EXPECT_EQ(text, oneLine);

    TfrxXMLDocument again;
    Read(again, text);
    EXPECT_EQ(Dump(again.RootItem()), Dump(doc.RootItem()));
    EXPECT_EQ(Write(again), text);
}

TEST(XmlRoundTripTest, ContentIsWrittenButNeverRead) {
    TfrxXMLDocument doc;
    doc.RootItem().SetTagName("r");
    doc.RootItem().NewChild("note").SetContent("a &#38; b");
    EXPECT_EQ(Write(doc), "<?xml version=\"1.0\" encoding=\"utf-8\"?><r><note>a &#38; b</note></r>");
    EXPECT_EQ(ReadAndDump(Write(doc)), "r []\n  note []\n");
}

// ------------------------------------------------------------------ reading

TEST(XmlReadTest, AcceptedForms) {
    const std::string decl = "<?xml version=\"1.0\"?>";
    const struct {
        const char* name;
        std::string text, tree;
    } cases[] = {
        {"self-closing name", decl + "<r><a/><b x=\"1\"/></r>", "r []\n  a []\n  b [x=\"1\"]\n"},
        {"self-closing blank", decl + "<r><a /><b x=\"1\" /></r>", "r []\n  a []\n  b [x=\"1\" ]\n"},
        {"text between tags", decl + "\r\n<r>text<a/>more\r\n</r>", "r []\n  a []\n"},
        {"comments", decl + "<!-- c --><r><!-- a > b <c> --><a/></r><!-- end -->", "r []\n  a []\n"},
        {"three hyphens do not close", decl + "<!-- x ---> <a/> --><r/>", "r []\n"},
        {"byte-order mark", "\xEF\xBB\xBF" + decl + "<r/>", "r []\n"},
        {"closing tag in other case", decl + "<R><a></A></r>", "R []\n  a []\n"},
        {"blanks around =, tabs and line breaks", decl + "<r a = \"1\"\r\n\tb=\"2\"/>", "r [a = \"1\"\r\n\tb=\"2\"]\n"},
        {"anything after the root", decl + "<r/>trailing <<< \0"s, "r []\n"},
        {"deferral marker", decl + "<r><p ld=\"0\"><b/></p><q x=\"1\" LD=\"0\"/></r>",
         "r []\n  p [] deferrable\n    b []\n  q [x=\"1\"] deferrable\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReadAndDump(c.text), c.tree);
    }
}

TEST(XmlReadTest, LegacyStringsFollowTheDeclaration) {
    const struct {
        std::string declaration;
        bool legacy;
    } cases[] = {
        {"<?xml version=\"1.0\" encoding=\"utf-8\"?>", true},
        {"<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"no\"?>", false},
        {"<?xml version=\"1.1\"?>", false},
        {"<?xml?>", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.declaration);
        TfrxXMLDocument doc;
        Read(doc, c.declaration + "<r/>");
        EXPECT_EQ(doc.LegacyStrings(), c.legacy);
    }
}

TEST(XmlReadTest, TheStreamIsLeftBehindTheOutermostElement) {
    std::istringstream in("<?xml?><r><a/></r>REST");
    TfrxXMLDocument doc;
    doc.ReadFromStream(in);
    std::string rest;
    in >> rest;
    EXPECT_EQ(rest, "REST");
}

TEST(XmlReadTest, ASecondReadReplacesTheFirstTree) {
    TfrxXMLDocument doc;
    Read(doc, "<?xml?><first a=\"1\"><x/></first>");
    Read(doc, "<?xml?><second><y/></second>");
    EXPECT_EQ(Dump(doc.RootItem()), "second []\n  y []\n");
}

TEST(XmlReadTest, AHugeAttributeIsReadWhole) {
    const std::string value(8 * 1024 * 1024 + 7, 'F');
    TfrxXMLDocument doc;
    Read(doc, "<?xml?><r PropData=\"" + value + "\"/>");
    EXPECT_EQ(doc.RootItem().GetAttr("propdata"), value);
}

// ---------------------------------------------------------- malformed input

TEST(XmlReadTest, MalformedInputsFailWithTheirFaultAndOffset) {
    const std::string p = "<?xml?>";  // 7 bytes
    const struct {
        const char* name;
        std::string text;
        XmlFault fault;
        std::uint64_t offset;
    } cases[] = {
        {"empty", "", XmlFault::NoDeclaration, 0},
        {"no declaration", "<r/>", XmlFault::NoDeclaration, 0},
        {"blanks only", " \r\n ", XmlFault::NoDeclaration, 4},
        {"UTF-16 text", "<\0?\0x\0"s, XmlFault::NulByte, 1},
        {"declaration only", p, XmlFault::NoRootElement, 7},
        {"closing tag first", p + "</r>", XmlFault::UnexpectedClosingTag, 7},
        {"mismatched closing tag", p + "<r><b></r>", XmlFault::MismatchedClosingTag, 13},
        {"truncated inside a tag", p + "<r><b", XmlFault::EndOfDataInTag, 12},
        {"truncated before the closing tag", p + "<r><b/>", XmlFault::EndOfDataInElement, 14},
        {"truncated root closing tag", p + "<r></r", XmlFault::EndOfDataInTag, 13},
        {"unterminated comment", p + "<!-- x", XmlFault::EndOfDataInTag, 13},
        {"'<' in a value", p + "<r x=\"1<b/></r>", XmlFault::LessThanInTag, 14},
        {"stray '<'", p + "<r><<b/></r>", XmlFault::LessThanInTag, 11},
        {"NUL in a tag", p + "<r\0/>"s, XmlFault::NulByte, 9},
        {"NUL between tags", p + "<r>\0</r>"s, XmlFault::NulByte, 10},
        {"NUL in a comment", p + "<!--\0-->"s, XmlFault::NulByte, 11},
        {"empty tag", p + "<r><></r>", XmlFault::BadTagName, 11},
        {"blank before the name", p + "< r/>", XmlFault::BadTagName, 8},
        {"tab after the name", p + "<r\tx=\"1\"/>", XmlFault::BadTagName, 9},
        {"missing closing quote", p + "<r x=\"1/>", XmlFault::BadAttribute, 14},
        {"missing opening quote", p + "<r x=1/>", XmlFault::BadAttribute, 12},
        {"single quotes", p + "<r x='1'/>", XmlFault::BadAttribute, 12},
        {"attribute without value", p + "<r x/>", XmlFault::BadAttribute, 11},
        {"no blank between attributes", p + "<r x=\"1\"y=\"2\"/>", XmlFault::BadAttribute, 15},
        {"attributes on a closing tag", p + "<r></r x=\"1\">", XmlFault::BadAttribute, 14},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            ReadOnly(c.text);
            ADD_FAILURE() << "read without error";
        } catch (const TfrxInvalidXMLException& e) {
            EXPECT_STREQ(e.what(), "Invalid file format");
            EXPECT_EQ(e.Fault(), c.fault) << e.Detail();
            EXPECT_EQ(e.Offset(), c.offset) << e.Detail();
        }
    }
}

TEST(XmlReadTest, NestingIsLimited) {
    auto nested = [](int levels) {
        std::string text = "<?xml?>";
        for (int i = 0; i < levels; ++i) text += "<a>";
        for (int i = 0; i < levels; ++i) text += "</a>";
        return text;
    };
    EXPECT_NO_THROW(ReadOnly(nested(kMaxXmlDepth)));
    try {
        ReadOnly(nested(10000));
        ADD_FAILURE() << "read without error";
    } catch (const TfrxInvalidXMLException& e) {
        EXPECT_EQ(e.Fault(), XmlFault::TooDeep);
        EXPECT_EQ(e.Offset(), 7u + 3u * kMaxXmlDepth);
        EXPECT_EQ(e.Detail(), "elements nested deeper than the limit (1024 levels)");
    }
}

TEST(XmlReadTest, EveryTruncationOfADocumentFails) {
    // The sample ends with "</TfrxReport>\r\n": only the line break may go.
    const std::size_t end = kSampleText.size() - 2;
    for (std::size_t length = 0; length < end; ++length) {
        SCOPED_TRACE(length);
        EXPECT_THROW(ReadOnly(kSampleText.substr(0, length)), TfrxInvalidXMLException);
    }
    EXPECT_NO_THROW(ReadOnly(kSampleText.substr(0, end)));
}

TEST(XmlReadTest, DamagedDocumentsFailCleanlyOrReadToAStableTree) {
    std::mt19937 random(20240611);
    const std::string alphabet = "<>/=\"' \t\r\n-!?a\0\xFF"s;
    int accepted = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string text = kSampleText;
        const int edits = 1 + static_cast<int>(random() % 4);
        for (int e = 0; e < edits; ++e) {
            const std::size_t at = random() % text.size();
            const char c = alphabet[random() % alphabet.size()];
            switch (random() % 3) {
            case 0: text[at] = c; break;
            case 1: text.insert(text.begin() + static_cast<std::ptrdiff_t>(at), c); break;
            default: text.erase(at, 1 + random() % 8); break;
            }
        }
        SCOPED_TRACE(text);
        TfrxXMLDocument doc;
        try {
            Read(doc, text);
        } catch (const TfrxInvalidXMLException&) {
            continue;
        }
        // What was accepted writes out to a text that reads back the same.
        const std::string once = Write(doc);
        TfrxXMLDocument again;
        Read(again, once);
        ASSERT_EQ(Write(again), once);
        ++accepted;
    }
    EXPECT_GT(accepted, 500) << "the damage should leave many documents readable";
}

// ---------------------------------------------------------------- deferral

// A prepared-report shape: three pages, the first two kept in memory.
void BuildPages(TfrxXMLItem& root) {
    root.SetTagName("preparedreport");
    TfrxXMLItem& pages = root.NewChild("previewpages");
    for (int i = 0; i < 3; ++i) {
        TfrxXMLItem& page = pages.NewChild("page0");
        page.SetDeferrable(i > 0);
        TfrxXMLItem& band = page.NewChild("b1");
        band.SetAttr("t", std::to_string(100 * i));
        band.NewChild("m1").SetAttr("u", "p\xE1gina " + std::to_string(i + 1));
    }
}

TEST(XmlDeferralTest, ASpilledElementIsWrittenInFullAndFetchedBack) {
    ScratchFolder folder;
    TfrxXMLDocument doc;
    doc.SetTempFolder(folder.Path());
    BuildPages(doc.RootItem());
    const std::string full = Write(doc);
    const std::string tree = Dump(doc.RootItem());
    TfrxXMLItem& pages = doc.RootItem().ChildAt(0);

    doc.SpillItem(pages.ChildAt(0));  // not deferrable: passed over
    doc.SpillItem(pages.ChildAt(2));
    doc.SpillItem(pages.ChildAt(1));
    EXPECT_EQ(pages.ChildAt(0).ChildCount(), 1);
    EXPECT_EQ(pages.ChildAt(2).ChildCount(), 0);
    EXPECT_FALSE(pages.ChildAt(2).IsLoaded());
    EXPECT_EQ(doc.SpillFileName().rfind(folder.Path() + "fr", 0), 0u);
    EXPECT_TRUE(std::filesystem::exists(doc.SpillFileName()));

    EXPECT_EQ(Write(doc), full);
    EXPECT_EQ(pages.ChildAt(2).ChildCount(), 0) << "dropped again after writing";

    doc.FetchItem(pages.ChildAt(2));
    EXPECT_TRUE(pages.ChildAt(2).IsLoaded());
    doc.FetchItem(pages.ChildAt(1));
    EXPECT_EQ(Dump(doc.RootItem()), tree);

    doc.Clear();
    EXPECT_EQ(folder.FileCount(), 0u);
}

TEST(XmlDeferralTest, AFileReadDeferredKeepsMarkedElementsOnDisk) {
    ScratchFolder folder;
    const std::string fileName = folder.Path() + "pages.fp3";
    TfrxXMLDocument doc;
    BuildPages(doc.RootItem());
    doc.WriteToFile(fileName);
    const std::string tree = Dump(doc.RootItem());

    TfrxXMLDocument deferred;
    deferred.ReadFromFile(fileName);
    TfrxXMLItem& pages = deferred.RootItem().ChildAt(0);
    EXPECT_EQ(pages.ChildAt(0).ChildCount(), 1);
    for (int i : {1, 2}) {
        EXPECT_EQ(pages.ChildAt(i).ChildCount(), 0);
        EXPECT_TRUE(pages.ChildAt(i).Deferrable());
        EXPECT_FALSE(pages.ChildAt(i).IsLoaded());
        EXPECT_EQ(pages.ChildAt(i).AttrText(), "");
    }
    EXPECT_EQ(Write(deferred), FileBytes(fileName));

    // Spilling now must not lose the elements that still point into the file.
    deferred.FetchItem(pages.ChildAt(1));
    deferred.SpillItem(pages.ChildAt(1));
    EXPECT_FALSE(deferred.SpillFileName().empty());
    deferred.FetchItem(pages.ChildAt(2));
    deferred.FetchItem(pages.ChildAt(1));
    EXPECT_EQ(Dump(deferred.RootItem()), tree);
    EXPECT_EQ(Write(deferred), FileBytes(fileName));
}

TEST(XmlDeferralTest, AnElementSpilledInsideASpilledElementComesBack) {
    TfrxXMLDocument doc;
    doc.RootItem().SetTagName("r");
    TfrxXMLItem& outer = doc.RootItem().NewChild("outer");
    outer.SetDeferrable(true);
    TfrxXMLItem& inner = outer.NewChild("inner");
    inner.SetDeferrable(true);
    inner.NewChild("leaf").SetAttr("v", "1");
    const std::string full = Write(doc);
    const std::string tree = Dump(doc.RootItem());

    doc.SpillItem(inner);
    doc.SpillItem(outer);
    EXPECT_EQ(Write(doc), full);
    doc.FetchItem(outer);
    EXPECT_EQ(Dump(doc.RootItem()), tree);
}

TEST(XmlDeferralTest, ChildrenAddedToASpilledElementReplaceTheSpilledOnes) {
    TfrxXMLDocument doc;
    BuildPages(doc.RootItem());
    TfrxXMLItem& page = doc.RootItem().ChildAt(0).ChildAt(2);
    doc.SpillItem(page);
    page.NewChild("fresh");
    EXPECT_NE(Write(doc).find("<page0 ld=\"0\"><fresh/></page0>"), std::string::npos);
    EXPECT_EQ(page.ChildCount(), 1);
}

TEST(XmlDeferralTest, TheSpillFileGoesWithTheDocument) {
    std::string spillFile;
    {
        TfrxXMLDocument doc;
        doc.SetTempFolder("/no/such/folder");
        BuildPages(doc.RootItem());
        doc.SpillItem(doc.RootItem().ChildAt(0).ChildAt(2));
        spillFile = doc.SpillFileName();
        EXPECT_TRUE(std::filesystem::exists(spillFile));
        EXPECT_EQ(spillFile.find("/no/such/folder"), std::string::npos);
    }
    EXPECT_FALSE(std::filesystem::exists(spillFile));
}

TEST(XmlDocumentTest, AFailedWriteToFileLeavesNoFile) {
    ScratchFolder folder;
    TfrxXMLDocument doc;
    doc.RootItem().SetTagName("r");
    EXPECT_EQ(ErrorText([&] { doc.WriteToFile(folder.Path() + "missing/out.xml"); }),
              "Cannot create file \"" + folder.Path() + "missing/out.xml.partial\". No such file or directory");
    EXPECT_EQ(folder.FileCount(), 0u);
    EXPECT_EQ(ErrorText([&] { doc.ReadFromFile(folder.Path() + "missing.xml"); }),
              "Cannot open file \"" + folder.Path() + "missing.xml\". No such file or directory");
}

} // namespace
} // namespace orv
