#include "platform/Controls.h"

#include <QFrame>

namespace platform {

QWidget* Separator::createWidget(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    // A plain line in the palette's mid tone: a sunken one needs two pixels and may stand in one.
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(1);
    QPalette palette = line->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Mid));
    line->setPalette(palette);
    return line;
}

} // namespace platform
