#include "marc/MarcXml.h"

namespace {

std::string Escaped(const std::string& text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

void AppendDataField(std::string& xml, const MarcField& field)
{
    xml += "  <datafield tag=\"" + Escaped(field.tag) + "\" ind1=\"" + Escaped(std::string(1, field.indicator1)) +
           "\" ind2=\"" + Escaped(std::string(1, field.indicator2)) + "\">\n";
    for (const MarcSubfield& subfield : field.subfields)
        xml += "    <subfield code=\"" + Escaped(std::string(1, subfield.code)) + "\">" + Escaped(subfield.value) +
               "</subfield>\n";
    xml += "  </datafield>\n";
}

}

std::string MarcXmlHeader()
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<collection xmlns=\"http://www.loc.gov/MARC21/slim\">\n";
}

std::string MarcXmlRecord(const MarcRecord& record)
{
    std::string xml = "<record>\n  <leader>" + Escaped(record.leader) + "</leader>\n";
    for (const MarcField& field : record.fields) {
        if (field.IsControl())
            xml += "  <controlfield tag=\"" + Escaped(field.tag) + "\">" + Escaped(field.data) + "</controlfield>\n";
        else
            AppendDataField(xml, field);
    }
    return xml + "</record>\n";
}

std::string MarcXmlFooter()
{
    return "</collection>\n";
}
