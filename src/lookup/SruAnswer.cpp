#include "lookup/SruAnswer.h"

#include "framework/CodePage.h"
#include "framework/XmlReader.h"

namespace {

const wchar_t kSru1[] = L"http://www.loc.gov/zing/srw/";
const wchar_t kSru2[] = L"http://docs.oasis-open.org/ns/search-ws/sruResponse";
const wchar_t kMarcSlim[] = L"http://www.loc.gov/MARC21/slim";

std::string Utf8(const std::wstring& text)
{
    return WideToMultiByte(text, CP_UTF8);
}

bool IsElement(const CXmlReader& xml, const wchar_t* uri, const wchar_t* name)
{
    return xml.LocalName() == name && xml.NamespaceUri() == uri;
}

// Calls child(xml) at the start of each child element of the element the
// reader is on; child reads that element to its end. False when the XML
// fails or ends first.
template <class Child>
bool ForEachChild(CXmlReader& xml, Child child)
{
    if (xml.IsEmptyElement())
        return true;
    while (xml.Read()) {
        if (xml.NodeType() == XmlNodeType_EndElement)
            return true;
        if (xml.NodeType() == XmlNodeType_Element && !child(xml))
            return false;
    }
    return false;
}

bool SkipElement(CXmlReader& xml)
{
    return ForEachChild(xml, SkipElement);
}

// Reads the element to its end: its own text into text, each child
// element through child (which reads it to its end). False when the XML
// fails or ends first.
template <class Child>
bool ReadContent(CXmlReader& xml, std::wstring& text, Child child)
{
    if (xml.IsEmptyElement())
        return true;
    while (xml.Read()) {
        switch (xml.NodeType()) {
        case XmlNodeType_Text:
        case XmlNodeType_CDATA:
        case XmlNodeType_Whitespace:
            text += xml.Value();
            break;
        case XmlNodeType_Element:
            if (!child(xml))
                return false;
            break;
        case XmlNodeType_EndElement:
            return true;
        default:
            break;
        }
    }
    return false;
}

// The element's own text, its child elements left out.
bool ElementText(CXmlReader& xml, std::wstring& text)
{
    return ReadContent(xml, text, SkipElement);
}

bool ReadText(CXmlReader& xml, std::string& text)
{
    std::wstring wide;
    if (!ElementText(xml, wide))
        return false;
    text = Utf8(wide);
    return true;
}

char Character(const std::wstring& text)
{
    return text.size() == 1 && text[0] < 0x80 ? static_cast<char>(text[0]) : ' ';
}

bool ReadDataField(CXmlReader& xml, MarcField& field)
{
    return ForEachChild(xml, [&](CXmlReader& x) {
        if (!IsElement(x, kMarcSlim, L"subfield"))
            return SkipElement(x);
        MarcSubfield subfield{Character(x.Attribute(L"code")), std::string()};
        field.subfields.push_back(subfield);
        return ReadText(x, field.subfields.back().value);
    });
}

bool ReadMarcRecord(CXmlReader& xml, MarcRecord& record)
{
    return ForEachChild(xml, [&](CXmlReader& x) {
        if (x.NamespaceUri() != kMarcSlim)
            return SkipElement(x);
        const std::wstring name = x.LocalName();
        if (name == L"leader")
            return ReadText(x, record.leader);
        MarcField field;
        field.tag = Utf8(x.Attribute(L"tag"));
        if (name == L"controlfield") {
            record.fields.push_back(field);
            return ReadText(x, record.fields.back().data);
        }
        if (name != L"datafield")
            return SkipElement(x);
        field.indicator1 = Character(x.Attribute(L"ind1"));
        field.indicator2 = Character(x.Attribute(L"ind2"));
        record.fields.push_back(field);
        return ReadDataField(x, record.fields.back());
    });
}

// A MARC record, alone or the first of a collection; found tells whether
// there was one.
bool ReadMarcIn(CXmlReader& xml, bool& found, MarcRecord& record)
{
    if (found)
        return SkipElement(xml);
    if (IsElement(xml, kMarcSlim, L"record")) {
        found = true;
        return ReadMarcRecord(xml, record);
    }
    if (IsElement(xml, kMarcSlim, L"collection"))
        return ForEachChild(xml, [&](CXmlReader& x) { return ReadMarcIn(x, found, record); });
    return SkipElement(xml);
}

// A record packed as escaped XML text: a document of its own.
bool ReadPackedRecord(const std::wstring& text, bool& found, MarcRecord& record)
{
    CXmlReader xml;
    if (!xml.Open(Utf8(text)))
        return false;
    while (xml.Read())
        if (xml.NodeType() == XmlNodeType_Element && !ReadMarcIn(xml, found, record))
            return false;
    return !xml.Failed();
}

std::wstring Trimmed(const std::wstring& text)
{
    const wchar_t* kBlank = L" \t\r\n";
    std::size_t begin = text.find_first_not_of(kBlank);
    return begin == std::wstring::npos ? std::wstring() : text.substr(begin, text.find_last_not_of(kBlank) + 1 - begin);
}

bool ReadRecordData(CXmlReader& xml, bool& found, MarcRecord& record)
{
    std::wstring packed;
    if (!ReadContent(xml, packed, [&](CXmlReader& x) { return ReadMarcIn(x, found, record); }))
        return false;
    return found || Trimmed(packed).empty() || ReadPackedRecord(packed, found, record);
}

// What the answer's children said, read as they come.
struct AnswerParts {
    std::wstring numberOfRecords;
    bool found = false;
    MarcRecord record;
    bool diagnosed = false;
    std::string message;
};

bool ReadDiagnostic(CXmlReader& xml, AnswerParts& parts)
{
    parts.diagnosed = true;
    std::string message, details, uri;
    bool read = ForEachChild(xml, [&](CXmlReader& x) {
        const std::wstring name = x.LocalName();
        if (name == L"message")
            return ReadText(x, message);
        if (name == L"details")
            return ReadText(x, details);
        return name == L"uri" ? ReadText(x, uri) : SkipElement(x);
    });
    if (parts.message.empty())
        parts.message = !message.empty() ? message : !details.empty() ? details : uri;
    return read;
}

bool ReadAnswerPart(CXmlReader& xml, const std::wstring& sru, AnswerParts& parts)
{
    if (xml.NamespaceUri() != sru)
        return SkipElement(xml);
    const std::wstring name = xml.LocalName();
    if (name == L"numberOfRecords")
        return ElementText(xml, parts.numberOfRecords);
    if (name == L"records")
        return ForEachChild(xml, [&](CXmlReader& record) {
            if (!IsElement(record, sru.c_str(), L"record"))
                return SkipElement(record);
            return ForEachChild(record, [&](CXmlReader& x) {
                return IsElement(x, sru.c_str(), L"recordData") ? ReadRecordData(x, parts.found, parts.record)
                                                                : SkipElement(x);
            });
        });
    if (name == L"diagnostics")
        return ForEachChild(xml, [&](CXmlReader& x) {
            return x.LocalName() == L"diagnostic" ? ReadDiagnostic(x, parts) : SkipElement(x);
        });
    return SkipElement(xml);
}

SruAnswer AnswerOf(AnswerParts& parts)
{
    SruAnswer answer;
    if (parts.found) {
        answer.kind = SruAnswer::Kind::Record;
        answer.record = std::move(parts.record);
    } else if (parts.diagnosed) {
        answer.kind = SruAnswer::Kind::Diagnostic;
        answer.diagnostic = parts.message;
    } else if (Trimmed(parts.numberOfRecords) == L"0") {
        answer.kind = SruAnswer::Kind::NoRecords;
    }
    return answer;
}

}

SruAnswer ReadSruAnswer(const std::string& bytes)
{
    CXmlReader xml;
    if (!xml.Open(bytes))
        return SruAnswer();
    while (xml.Read() && xml.NodeType() != XmlNodeType_Element) {
    }
    const std::wstring sru = xml.NamespaceUri();
    bool isSru = xml.NodeType() == XmlNodeType_Element && xml.LocalName() == L"searchRetrieveResponse" &&
                 (sru == kSru1 || sru == kSru2);
    AnswerParts parts;
    if (!isSru || !ForEachChild(xml, [&](CXmlReader& x) { return ReadAnswerPart(x, sru, parts); }))
        return SruAnswer();
    // Whatever follows must be well formed too: a cut answer is no answer.
    while (xml.Read()) {
    }
    return xml.Failed() ? SruAnswer() : AnswerOf(parts);
}
