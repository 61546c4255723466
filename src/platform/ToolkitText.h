#pragma once

// Conversions between the framework's texts (UTF-8 byte strings) and the toolkit's.

#include "platform/Strings.h"

class QString;

namespace platform {

QString toQString(const String& text);
String fromQString(const QString& text);

// Buttons and menus read "&" as a mnemonic marker: these keep every "&" literal.
QString literalCaption(const String& text);
String fromLiteralCaption(const QString& caption);

} // namespace platform
