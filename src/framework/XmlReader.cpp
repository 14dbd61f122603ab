#include "framework/XmlReader.h"

#include <shlwapi.h>

namespace {

using CreateXmlReaderFn = HRESULT(WINAPI*)(REFIID, void**, IMalloc*);

// Deep enough for any answer worth reading; a deeper one is an attack.
const LONG_PTR kMaxElementDepth = 64;

// xmllite.dll comes with the system; mingw-w64 ships no import library for it.
CreateXmlReaderFn ReaderFactory()
{
    static CreateXmlReaderFn create = [] {
        HMODULE module = ::LoadLibraryW(L"xmllite.dll");
        // Through void*: FARPROC has no parameters of its own to agree with.
        void* found = module ? reinterpret_cast<void*>(::GetProcAddress(module, "CreateXmlReader")) : nullptr;
        return reinterpret_cast<CreateXmlReaderFn>(found);
    }();
    return create;
}

}

bool CXmlReader::Open(const std::string& bytes)
{
    CreateXmlReaderFn create = ReaderFactory();
    Microsoft::WRL::ComPtr<IStream> stream;
    stream.Attach(::SHCreateMemStream(reinterpret_cast<const BYTE*>(bytes.data()), static_cast<UINT>(bytes.size())));
    void** made = reinterpret_cast<void**>(reader.ReleaseAndGetAddressOf());
    if (!create || !stream || FAILED(create(__uuidof(IXmlReader), made, nullptr)))
        return false;
    nodesLeft = bytes.size() + 1;
    return SUCCEEDED(reader->SetProperty(XmlReaderProperty_DtdProcessing, DtdProcessing_Prohibit)) &&
           SUCCEEDED(reader->SetProperty(XmlReaderProperty_XmlResolver, 0)) &&
           SUCCEEDED(reader->SetProperty(XmlReaderProperty_MaxElementDepth, kMaxElementDepth)) &&
           SUCCEEDED(reader->SetInput(stream.Get()));
}

bool CXmlReader::Read()
{
    if (!reader || failed)
        return false;
    // Every node takes at least one byte of the document. A reader that goes
    // on (Wine's, at the end of a document cut inside a text, gives empty
    // text nodes for ever) has failed.
    if (nodesLeft-- == 0) {
        failed = true;
        return false;
    }
    HRESULT hr = reader->Read(&type);
    failed = FAILED(hr);
    return hr == S_OK;
}

std::wstring CXmlReader::LocalName() const
{
    LPCWSTR name = nullptr;
    UINT length = 0;
    return SUCCEEDED(reader->GetLocalName(&name, &length)) ? std::wstring(name, length) : std::wstring();
}

std::wstring CXmlReader::NamespaceUri() const
{
    LPCWSTR uri = nullptr;
    UINT length = 0;
    return SUCCEEDED(reader->GetNamespaceUri(&uri, &length)) ? std::wstring(uri, length) : std::wstring();
}

std::wstring CXmlReader::Value() const
{
    LPCWSTR value = nullptr;
    UINT length = 0;
    return SUCCEEDED(reader->GetValue(&value, &length)) ? std::wstring(value, length) : std::wstring();
}

bool CXmlReader::IsEmptyElement() const
{
    return reader->IsEmptyElement() != FALSE;
}

std::wstring CXmlReader::Attribute(const wchar_t* name)
{
    std::wstring value;
    if (reader->MoveToAttributeByName(name, nullptr) == S_OK)
        value = Value();
    reader->MoveToElement();
    return value;
}
