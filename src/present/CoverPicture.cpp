#include "present/CoverPicture.h"

#include <climits>

#include <olectl.h>

#include "present/GlobalBlock.h"

using Microsoft::WRL::ComPtr;

CoverPicture CoverPicture::Decode(const std::string& bytes)
{
    CoverPicture result;
    if (bytes.empty() || bytes.size() > LONG_MAX)
        return result;
    GlobalBlock block = GlobalBlock::Copy(bytes.data(), bytes.size());
    ComPtr<IStream> stream;
    if (!block || FAILED(::CreateStreamOnHGlobal(block.GetSafeHandle(), TRUE, &stream)))
        return result;
    block.Detach();  // the stream frees it
    ::OleLoadPicture(stream.Get(), static_cast<LONG>(bytes.size()), TRUE, IID_IPicture,
                     reinterpret_cast<void**>(result.picture.GetAddressOf()));
    return result;
}

bool CoverPicture::Draw(HDC dc, const RECT& rect) const
{
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    if (!picture || FAILED(picture->get_Width(&width)) || FAILED(picture->get_Height(&height)))
        return false;
    // HIMETRIC runs bottom-up: start at the bottom with a negative height.
    return SUCCEEDED(picture->Render(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, 0, height,
                                     width, -height, nullptr));
}
