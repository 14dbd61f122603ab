#include "sru_answers.h"

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

const char kXml[] = "text/xml";
const char kSru1[] = "http://www.loc.gov/zing/srw/";
const char kSru2[] = "http://docs.oasis-open.org/ns/search-ws/sruResponse";
const char kSlim[] = "http://www.loc.gov/MARC21/slim";
const char kDeclaration[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
const char kIntro[] = "An answer from the catalogue service. 目录服务的答复。";
const char kSecret[] = "QUILLFIND-SECRET: read through an external entity\n";
const char kNotXml[] = "<!DOCTYPE html>\n<html>\n<head><title>Catalogue</title></head>\n<body>\n"
                       "<p>The catalogue is down for maintenance.</p>\n</body>\n</html>\n";

// The enormous intro of /sru/huge: far past any sensible answer size.
constexpr std::size_t kHugeFieldBytes = 10u << 20;

struct Subfield {
    char code;
    std::string text;
};

// Names in a namespace bound to prefix, or in the default namespace when prefix is empty.
class Names {
public:
    explicit Names(std::string prefix) : prefix_(std::move(prefix)) {}
    std::string name(const std::string &local) const { return prefix_.empty() ? local : prefix_ + ":" + local; }
    std::string open(const std::string &local, const std::string &ns) const {
        return "<" + name(local) + " xmlns" + (prefix_.empty() ? "" : ":" + prefix_) + "=\"" + ns + "\">";
    }
    std::string element(const std::string &local, const std::string &text) const {
        return "<" + name(local) + ">" + text + "</" + name(local) + ">";
    }

private:
    std::string prefix_;
};

std::string datafield(const Names &n, const std::string &tag, const std::string &ind,
                      const std::vector<Subfield> &subfields) {
    std::string out = "  <" + n.name("datafield") + " tag=\"" + tag + "\" ind1=\"" + ind.substr(0, 1) + "\" ind2=\"" +
                      ind.substr(1, 1) + "\">";
    for (const Subfield &s : subfields)
        out += "<" + n.name("subfield") + " code=\"" + s.code + "\">" + s.text + "</" + n.name("subfield") + ">";
    return out + "</" + n.name("datafield") + ">\n";
}

// The MARC 21 record of every answer; texts are XML already, so entity
// references pass through. Without a title the author moves to 100.
std::string record(const std::string &prefix, const std::string &id, const std::string &title, const std::string &intro,
                   const std::string &self) {
    const Names n(prefix);
    std::string out = n.open("record", kSlim) + "\n";
    out += "  " + n.element("leader", "00000nam a2200000 i 4500") + "\n";
    out += "  <" + n.name("controlfield") + " tag=\"001\">" + id + "</" + n.name("controlfield") + ">\n";
    out += datafield(n, "020", "  ", {{'a', "9787111111111 :"}, {'c', "45.00"}});
    out += datafield(n, "084", "  ", {{'a', "TP311.5"}, {'2', "clc"}});
    if (title.empty())
        out += datafield(n, "100", "0 ", {{'a', "李明著."}});
    else
        out += datafield(n, "245", "00", {{'a', title + " /"}, {'c', "李明著."}});
    out += datafield(n, "250", "  ", {{'a', "2."}});
    out += datafield(n, "264", " 1", {{'a', "[S.l.] :"}, {'b', "羽笔出版社,"}, {'c', "2008."}});
    out += datafield(n, "300", "  ", {{'a', "321 p. ;"}, {'c', "16开"}});
    out += datafield(n, "520", "  ", {{'a', intro}});
    out += datafield(n, "856", "40", {{'u', self + "/lpic/solid.jpg"}});
    return out + "</" + n.name("record") + ">";
}

std::string escaped(const std::string &xml) {
    std::string out;
    for (char c : xml) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else
            out += c;
    }
    return out;
}

struct Sru {
    std::string version;
    std::string ns;
    std::string prefix;
};
const Sru kV11{"1.1", kSru1, "zs"};

// A searchRetrieveResponse with its records packed as XML or escaped as
// text; extra (such as diagnostics) goes after the records.
std::string answer(const Sru &sru, long count, const std::vector<std::string> &records, bool asText = false,
                   const std::string &extra = std::string()) {
    const Names n(sru.prefix);
    const bool v2 = sru.version == "2.0";
    std::string out = kDeclaration + n.open("searchRetrieveResponse", sru.ns) + "\n";
    if (!v2) out += n.element("version", sru.version) + "\n";
    out += n.element("numberOfRecords", std::to_string(count)) + "\n";
    if (!records.empty()) out += "<" + n.name("records") + ">\n";
    for (std::size_t i = 0; i < records.size(); ++i) {
        out += "<" + n.name("record") + ">\n" + n.element("recordSchema", "marcxml") + "\n" +
               n.element(v2 ? "recordXMLEscaping" : "recordPacking", asText ? "string" : "xml") + "\n" +
               n.element("recordData", asText ? escaped(kDeclaration + records[i]) : records[i]) + "\n" +
               n.element("recordPosition", std::to_string(i + 1)) + "\n</" + n.name("record") + ">\n";
    }
    if (!records.empty()) out += "</" + n.name("records") + ">\n";
    return out + extra + "</" + n.name("searchRetrieveResponse") + ">\n";
}

// A document type declaration right after the XML declaration.
std::string withDoctype(const std::string &document, const std::string &doctype) {
    return kDeclaration + doctype + document.substr(sizeof kDeclaration - 1);
}

// Ten times as many "lol"s on each of nine levels: 3 GB once expanded.
std::string bomb(const std::string &self) {
    std::string doctype = "<!DOCTYPE zs:searchRetrieveResponse [\n<!ENTITY lol0 \"lol\">\n";
    for (int level = 1; level <= 9; ++level) {
        doctype += "<!ENTITY lol" + std::to_string(level) + " \"";
        for (int i = 0; i < 10; ++i)
            doctype += "&lol" + std::to_string(level - 1) + ";";
        doctype += "\">\n";
    }
    doctype += "]>\n";
    return withDoctype(answer(kV11, 1, {record("", "sru-bomb", "&lol9;", kIntro, self)}), doctype);
}

// An external DTD and two external entities: a client that resolves any of
// them asks this service for /sru/secret or reads a local file.
std::string external(const std::string &self) {
    const std::string doctype = "<!DOCTYPE zs:searchRetrieveResponse SYSTEM \"" + self +
                                "/sru/secret?dtd\" [\n<!ENTITY secret SYSTEM \"" + self +
                                "/sru/secret\">\n<!ENTITY passwd SYSTEM \"file:///etc/passwd\">\n]>\n";
    return withDoctype(answer(kV11, 1, {record("", "sru-external", "&secret;", "&passwd;", self)}), doctype);
}

const char kDiagnostics[] =
    "<zs:diagnostics xmlns:diag=\"http://www.loc.gov/zing/srw/diagnostic/\">\n"
    "<diag:diagnostic><diag:uri>info:srw/diagnostic/1/16</diag:uri><diag:details>bath.isbn</diag:details>"
    "<diag:message>Unsupported index</diag:message></diag:diagnostic>\n"
    "</zs:diagnostics>\n";

using Document = std::function<std::string(const std::string &self)>;

const std::map<std::string, Document> &documents() {
    static const std::map<std::string, Document> all = {
        {"v11",
         [](const std::string &s) { return answer(kV11, 1, {record("", "sru-v11", "Version 1.1 记录", kIntro, s)}); }},
        {"v12",
         [](const std::string &s) {
             return answer({"1.2", kSru1, "srw"}, 1, {record("", "sru-v12", "Version 1.2 记录", kIntro, s)});
         }},
        {"v20",
         [](const std::string &s) {
             return answer({"2.0", kSru2, ""}, 1, {record("marc", "sru-v20", "Version 2.0 记录", kIntro, s)});
         }},
        {"string",
         [](const std::string &s) {
             return answer({"1.2", kSru1, "zs"}, 1, {record("", "sru-string", "Escaped 记录", kIntro, s)}, true);
         }},
        {"zero", [](const std::string &) { return answer(kV11, 0, {}); }},
        {"two",
         [](const std::string &s) {
             return answer(kV11, 2,
                           {record("", "sru-two-1", "First of two 记录", kIntro, s),
                            record("", "sru-two-2", "Second of two 记录", kIntro, s)});
         }},
        {"notitle", [](const std::string &s) { return answer(kV11, 1, {record("", "sru-notitle", "", kIntro, s)}); }},
        {"wrongns",
         [](const std::string &s) {
             return answer({"1.1", "http://example.org/not-sru/", "zs"}, 1,
                           {record("", "sru-wrongns", "Wrong namespace 记录", kIntro, s)});
         }},
        {"diagnostic", [](const std::string &) { return answer(kV11, 0, {}, false, kDiagnostics); }},
        {"bomb", bomb},
        {"external", external},
        {"truncated",
         [](const std::string &s) {
             const std::string whole = answer(kV11, 1, {record("", "sru-truncated", "Truncated 记录", kIntro, s)});
             return whole.substr(0, whole.find("Truncated") + 5);
         }},
    };
    return all;
}

// A valid start, then an intro of 10 MiB on one line, then a proper end.
void huge(const std::string &self, const std::atomic<bool> &stopping, httplib::Response &res) {
    const std::string whole = answer(kV11, 1, {record("", "sru-huge", "Huge 记录", "\x01", self)});
    const std::size_t at = whole.find('\x01');
    auto head = std::make_shared<std::string>(whole.substr(0, at));
    auto tail = std::make_shared<std::string>(whole.substr(at + 1));
    auto chunk = std::make_shared<std::string>(64 * 1024, 'a');
    res.set_content_provider(
        head->size() + kHugeFieldBytes + tail->size(), kXml,
        [head, tail, chunk, &stopping](std::size_t offset, std::size_t length, httplib::DataSink &sink) {
            if (stopping) return false;
            if (offset < head->size()) return sink.write(head->data() + offset, head->size() - offset);
            const std::size_t end = head->size() + kHugeFieldBytes;
            if (offset < end) return sink.write(chunk->data(), std::min({length, chunk->size(), end - offset}));
            return sink.write(tail->data() + (offset - end), tail->size() - (offset - end));
        });
}

} // namespace

void SruAnswers::addRoutes(httplib::Server &http, const std::atomic<bool> &stopping) {
    http.Get(R"(/sru/(\w+))", [&stopping](const httplib::Request &req, httplib::Response &res) {
        const std::string self = "http://" + req.local_addr + ":" + std::to_string(req.local_port);
        const std::string name = req.matches[1];
        if (name == "huge") return huge(self, stopping, res);
        if (name == "secret") return res.set_content(kSecret, "text/plain; charset=utf-8");
        if (name == "notxml") return res.set_content(kNotXml, "text/html; charset=utf-8");
        const auto found = documents().find(name);
        if (found == documents().end()) {
            res.status = 404; // the error handler writes the page
            return;
        }
        res.set_content(found->second(self), kXml);
    });
}
