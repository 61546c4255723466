#pragma once

// The text look of controls: font family and style, and text size in the framework's units.

class QWidget;

namespace platform {

struct ControlProperties;

// TextFont, Bold, Italic and Underline, keeping the widget's text size. A font that is not
// installed is substituted by the system; characters it lacks come from fonts that have them.
void applyTextStyle(QWidget& widget, const ControlProperties& properties);

// Text size in a unit: 0 (the default unit) and 1 are pixels, as the sizes were designed on a
// 72-dpi desktop; 2 points, 3 inches, 4 millimetres. A size of 0 (or one that is no size at
// all) gives the toolkit's default size.
void applyTextSize(QWidget& widget, float size, int unit);

} // namespace platform
