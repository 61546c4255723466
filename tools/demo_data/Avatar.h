#pragma once

#include "Speakers.h"

#include <QImage>

namespace vemra::demo {

constexpr int avatarSize = 72;

// The speaker's 72 x 72 photo: a drawn head-and-shoulders figure on a coloured backdrop.
QImage drawAvatar(const Speaker& speaker);

} // namespace vemra::demo
