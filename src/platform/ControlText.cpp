#include "platform/ControlText.h"

#include "platform/Controls.h"

#include <QApplication>
#include <QFont>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

constexpr double kLargestSize = 1000; // pixels or points; beyond it text is no longer usable

double sensible(double size) { return std::clamp(size, 1.0, kLargestSize); }

bool isSystemFont(const String& name) { return name.empty() || name == "System" || name == "SmallSystem"; }

} // namespace

void applyTextStyle(QWidget& widget, const ControlProperties& properties)
{
    QFont font = widget.font();
    if (isSystemFont(properties.TextFont))
        font.setFamilies(QApplication::font(&widget).families());
    else
        font.setFamilies({toQString(properties.TextFont)});
    font.setBold(properties.Bold);
    font.setItalic(properties.Italic);
    font.setUnderline(properties.Underline);
    widget.setFont(font);
}

void applyTextSize(QWidget& widget, float size, int unit)
{
    QFont font = widget.font();
    const double value = static_cast<double>(size);
    if (!std::isfinite(value) || value <= 0) {
        const QFont standard = QApplication::font(&widget);
        if (standard.pixelSize() > 0)
            font.setPixelSize(standard.pixelSize());
        else
            font.setPointSizeF(standard.pointSizeF());
    } else {
        switch (unit) {
        case 2: font.setPointSizeF(sensible(value)); break;
        case 3: font.setPointSizeF(sensible(value * 72.0)); break;
        case 4: font.setPointSizeF(sensible(value * 72.0 / 25.4)); break;
        default:
            font.setPixelSize(static_cast<int>(std::lround(sensible(value))));
            break;
        }
    }
    widget.setFont(font);
}

} // namespace platform
