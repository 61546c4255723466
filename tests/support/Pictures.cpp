#include "support/Pictures.h"

#include <QBuffer>
#include <QImage>

namespace vemra::test {

QByteArray jpegBytes(QColor colour, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return bytes;
}

} // namespace vemra::test
