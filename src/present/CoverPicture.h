#pragma once
#include <string>

#include <windows.h>
#include <ocidl.h>
#include <wrl/client.h>

// A decoded cover image. Decode and Draw need COM on the calling thread
// (ComApartment); the picture is released in the destructor.
class CoverPicture {
public:
    CoverPicture() = default;

    // Empty when the bytes are not an image the platform decodes.
    static CoverPicture Decode(const std::string& bytes);

    explicit operator bool() const { return picture != nullptr; }
    // Stretches the whole picture over rect, upright; paints nothing else.
    bool Draw(HDC dc, const RECT& rect) const;

private:
    Microsoft::WRL::ComPtr<IPicture> picture;
};
