#pragma once
#include <string>

#include <windows.h>
#include <wrl/client.h>
#include <xmllite.h>

// The platform's XML reader (XmlLite) over bytes in memory, forward only.
// Document type declarations are prohibited: a document with one fails, so
// no entity is ever expanded and nothing outside the bytes is fetched.
// Names and text come in UTF-16. A reader that does not come to an end is
// taken for failed.
class CXmlReader {
public:
    // False when there is no reader to be had.
    bool Open(const std::string& bytes);
    // Moves to the next node; false at the end and on malformed XML, which
    // Failed then tells apart.
    bool Read();
    bool Failed() const { return failed; }

    XmlNodeType NodeType() const { return type; }
    std::wstring LocalName() const;
    std::wstring NamespaceUri() const;
    // The text of a text, CDATA or white-space node.
    std::wstring Value() const;
    bool IsEmptyElement() const;
    // The current element's attribute of that name (in no namespace); empty
    // when it has none.
    std::wstring Attribute(const wchar_t* name);

private:
    Microsoft::WRL::ComPtr<IXmlReader> reader;
    XmlNodeType type = XmlNodeType_None;
    bool failed = false;
    std::size_t nodesLeft = 0;
};
