#pragma once

#include <QByteArray>
#include <QString>

namespace vemra::test {

// Writes the bytes as the whole file, making missing folders; fails the test on error.
void writeBytes(const QString& path, const QByteArray& bytes);
// The whole file; fails the test when it cannot be read.
QByteArray readBytes(const QString& path);

} // namespace vemra::test
