#include "controls/ButtonLayout.h"

namespace {

constexpr int kImageMargin = 3;

void PlaceLeft(const ImageRequest& image, ButtonRect& p, ButtonRect& title)
{
    p.left += kImageMargin;
    title.left += image.width + kImageMargin;
    p.top += (p.Height() - image.height) / 2;
}

void PlaceAbove(const ImageRequest& image, ButtonRect& p, ButtonRect& title)
{
    p.left += (p.Width() - image.width) / 2;
    p.top = kImageMargin;
    title.top += image.height;
}

void PlaceRight(const ImageRequest& image, ButtonRect& p, ButtonRect& title)
{
    title.right = title.Width() - image.width - kImageMargin;
    title.left = kImageMargin;
    p.left = image.clientRight - image.width - kImageMargin;
    p.top += (p.Height() - image.height) / 2;
}

void PlaceWithTitle(const ImageRequest& image, ButtonRect& p, ButtonRect& title)
{
    switch (image.alignment) {
    case kImageLeft:
        PlaceLeft(image, p, title);
        break;
    case kImageAbove:
        PlaceAbove(image, p, title);
        break;
    case kImageRight:
        PlaceRight(image, p, title);
        break;
    default:
        break;
    }
}

void PlaceWithoutTitle(const ImageRequest& image, ButtonRect& p)
{
    if (image.alignment > kImageRight)
        return;
    p.left += (p.Width() - image.width) / 2;
    if (image.alignment != kImageRight)
        p.top += (p.Height() - image.height) / 2;
}

}  // namespace

void ButtonRect::Offset(int dx, int dy)
{
    left += dx;
    right += dx;
    top += dy;
    bottom += dy;
}

bool operator==(const ButtonRect& a, const ButtonRect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

ButtonRect PlaceButtonImage(const ImageRequest& image, const ButtonRect& item, ButtonRect& title)
{
    ButtonRect p = item;
    if (image.hasTitle)
        PlaceWithTitle(image, p, title);
    else
        PlaceWithoutTitle(image, p);
    if (image.shifted)
        p.Offset(1, 1);
    return p;
}

ButtonRect CentreTitle(const ButtonRect& space, const ButtonRect& measured)
{
    ButtonRect centred = measured;
    centred.Offset((space.Width() - measured.Width()) / 2, (space.Height() - measured.Height()) / 2);
    return centred;
}
