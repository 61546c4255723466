#include "platform/SparePixels.h"

#include <QImage>

#include <utility>

namespace platform::sparePixels {

namespace {

constexpr qsizetype kLargestKept = 16 * 1024 * 1024;

QImage& kept()
{
    // Never destroyed: a picture may be let go as the program's own globals are destroyed.
    static QImage* const image = new QImage;
    return *image;
}

} // namespace

void keep(const QImage& image)
{
    if (!image.isNull() && image.sizeInBytes() <= kLargestKept)
        kept() = image;
}

QImage take()
{
    QImage& image = kept();
    if (image.isNull() || !image.isDetached())
        return {};
    return std::exchange(image, QImage());
}

} // namespace platform::sparePixels
