#include "platform/ToolkitText.h"

#include <QString>

namespace platform {

QString toQString(const String& text) { return QString::fromStdString(text); }
String fromQString(const QString& text) { return text.toStdString(); }

QString literalCaption(const String& text)
{
    return toQString(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

String fromLiteralCaption(const QString& caption)
{
    return fromQString(QString(caption).replace(QStringLiteral("&&"), QStringLiteral("&")));
}

} // namespace platform
