#pragma once

#include <QString>

#include <cstdint>

namespace vemra::test {

// Files that are not plain files, for hostile-input tests. Each fails the test when it cannot
// be made.
void makeNamedPipe(const QString& path);               // a FIFO nobody writes to
void makeLink(const QString& path, const QString& target); // a symbolic link
void makeSparseFile(const QString& path, std::int64_t bytes); // all zeros, taking no disk space

} // namespace vemra::test
