// Reading and writing a large document with the XML layer, and parsing the
// same bytes with pugixml as the anchor to compare reading against.
#include "model/XmlDocument.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <streambuf>
#include <string>

namespace {

constexpr int kBands = 1000;
constexpr int kMemosPerBand = 99;  // with the bands: 100 000 elements

// A prepared-report shape of about 20 MB: bands of memos, every memo with
// nine attributes, some of them escaped.
std::string MakeDocument() {
    std::string text = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<preparedreport>\r\n  <previewpages>\r\n";
    text.reserve(21 * 1024 * 1024);
    for (int b = 0; b < kBands; ++b) {
        const std::string band = std::to_string(b);
        text += "    <TfrxMasterData Name=\"MasterData" + band + "\" Left=\"0\" Top=\"" + band +
                ".5\" Width=\"718.1107\" Height=\"18.89765\" DataSetName=\"Detalle\">\r\n";
        for (int m = 0; m < kMemosPerBand; ++m) {
            const std::string id = std::to_string(b * kMemosPerBand + m);
            text += "      <TfrxMemoView Name=\"Memo" + id + "\" Left=\"" + std::to_string(m * 7) +
                    ".55906\" Top=\"0\" Width=\"94.48825\" Height=\"18.89765\""
                    " Font.Name=\"Arial\" Frame.Typ=\"15\" HAlign=\"haRight\""
                    " Text=\"[&#60;Detalle.&#34;IMPORTE&#34;&#62;]"
                    " &#38; IVA " + id + "\"/>\r\n";
        }
        text += "    </TfrxMasterData>\r\n";
    }
    text += "  </previewpages>\r\n</preparedreport>\r\n";
    return text;
}

const std::string& Document() {
    static const std::string text = MakeDocument();
    return text;
}

// An input stream over bytes that stay where they are.
class MemoryInput : public std::streambuf {
public:
    explicit MemoryInput(const std::string& bytes) {
        char* begin = const_cast<char*>(bytes.data());
        setg(begin, begin, begin + bytes.size());
    }

protected:
    pos_type seekoff(off_type offset, std::ios_base::seekdir dir, std::ios_base::openmode) override {
        const off_type base = dir == std::ios_base::beg   ? 0
                              : dir == std::ios_base::cur ? gptr() - eback()
                                                          : egptr() - eback();
        const off_type target = base + offset;
        if (target < 0 || target > egptr() - eback()) return pos_type(off_type(-1));
        setg(eback(), eback() + target, egptr());
        return pos_type(target);
    }
    pos_type seekpos(pos_type position, std::ios_base::openmode which) override {
        return seekoff(off_type(position), std::ios_base::beg, which);
    }
};

// An output stream into a string that keeps its capacity between runs.
class StringOutput : public std::streambuf {
public:
    explicit StringOutput(std::string& target) : FTarget(target) {}

protected:
    std::streamsize xsputn(const char* data, std::streamsize count) override {
        FTarget.append(data, static_cast<std::size_t>(count));
        return count;
    }
    int_type overflow(int_type c) override {
        if (c != traits_type::eof()) FTarget.push_back(static_cast<char>(c));
        return c;
    }

private:
    std::string& FTarget;
};

void BM_ReadXmlDocument(benchmark::State& state) {
    const std::string& text = Document();
    for (auto _ : state) {
        MemoryInput buffer(text);
        std::istream in(&buffer);
        orv::TfrxXMLDocument doc;
        doc.ReadFromStream(in);
        benchmark::DoNotOptimize(doc.RootItem().ChildCount());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
}

void BM_WriteXmlDocument(benchmark::State& state) {
    const std::string& text = Document();
    MemoryInput buffer(text);
    std::istream in(&buffer);
    orv::TfrxXMLDocument doc;
    doc.SetIndentOutput(true);
    doc.ReadFromStream(in);
    std::string written;
    written.reserve(text.size());
    for (auto _ : state) {
        written.clear();
        StringOutput sink(written);
        std::ostream out(&sink);
        doc.WriteToStream(out);
        benchmark::DoNotOptimize(written.data());
    }
    if (written != text) state.SkipWithError("the written text differs from the text read");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
}

void BM_ParsePugixml(benchmark::State& state) {
    const std::string& text = Document();
    for (auto _ : state) {
        pugi::xml_document doc;
        const pugi::xml_parse_result result = doc.load_buffer(text.data(), text.size());
        if (!result) state.SkipWithError(result.description());
        benchmark::DoNotOptimize(doc.first_child());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
}

} // namespace

BENCHMARK(BM_ReadXmlDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteXmlDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParsePugixml)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
