#pragma once

#include <QByteArray>
#include <QColor>

namespace vemra::test {

// A JPEG file's bytes: a plain picture of one colour.
QByteArray jpegBytes(QColor colour, int width = 320, int height = 480);

} // namespace vemra::test
