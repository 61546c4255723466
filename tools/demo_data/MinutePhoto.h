#pragma once

#include <QImage>
#include <QString>

namespace vemra::demo {

constexpr int photoWidth = 320;
constexpr int photoHeight = 480;

// The photo of hour:minute: a landscape under a sky that follows the time of day (sun and
// moon moving with the minute, drifting clouds, stars at night) with the time written large.
QImage drawMinutePhoto(int hour, int minute, const QString& fontFamily);

} // namespace vemra::demo
