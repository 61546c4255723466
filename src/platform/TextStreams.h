#pragma once

#include "platform/FolderItem.h"
#include "platform/Strings.h"

#include <cstdint>
#include <memory>

class QFile;
class QSaveFile;

namespace platform {

// The largest text file read: the texts this program reads are a few kilobytes, and a file
// beyond this (a sparse file, a file under /proc that reports no size) would take the memory.
inline constexpr std::int64_t kLargestTextFile = std::int64_t(16) << 20;

// Reads a file opened with FolderItem::OpenAsTextFile.
class TextInputStream {
public:
    // `path` names the file in error messages.
    TextInputStream(std::unique_ptr<QFile> file, String path);
    ~TextInputStream();

    // The rest of the file, bytes unchanged: no encoding, no line-end translation.
    // Raises IOException when the read fails or goes beyond kLargestTextFile bytes.
    String ReadAll();
    // The next line without its line end (LF, CR LF or a lone CR); "" once the file is
    // exhausted. Raises IOException when the read fails or the line is longer than
    // kLargestTextFile bytes.
    String ReadLine();
    bool EndOfFile() const;
    void Close();

private:
    std::unique_ptr<QFile> file_;
    String path_;
};

// Writes a whole file. The new content replaces the old file only when Close succeeds: until
// then the previous file stays whole, and a stream dropped without Close leaves it untouched.
class TextOutputStream {
public:
    // A new, empty text file at the item, replacing any file of that name on Close. The
    // missing folders above it are made. Raises NilObjectException for a nil item, and
    // IOException when the file cannot be created.
    static std::shared_ptr<TextOutputStream> Create(const FolderItemPtr& item);
    ~TextOutputStream();

    // Writes the text and a line feed. Raises IOException on failure.
    void WriteLine(const String& text);
    // Syncs the file to disk and commits it into place. Raises IOException when any of it
    // fails, a failed sync or close included (the old file stays).
    void Close();

    explicit TextOutputStream(std::unique_ptr<QSaveFile> file);

private:
    std::unique_ptr<QSaveFile> file_;
};

} // namespace platform
