#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace vemra::test {

// A throw-away installation of the clock in a temporary folder, laid out as the real one:
//   <root>/vemraViewer/bin/vemraViewer     the executable the program believes it is
//   <root>/vemraViewer/Resources/          the catalogues
//   <root>/vemra-dorat/Payload/<bundle>/   photos and clips
//   <root>/config/                         the preferences folder
// Making one points the framework's executable and preferences folder at it, registers the
// application object once per process, and forgets the catalogue texts read by earlier tests.
// Dropping it closes every window and restores the seams.
class AppFolder {
public:
    AppFolder();
    ~AppFolder();

    QString root() const { return dir_.path(); }
    QString resourcesPath() const;
    QString prefsFilePath() const;
    // The data folder; "VemraDorat.app" is the one the clock looks for first.
    QString dataPath(const QString& bundle = QStringLiteral("VemraDorat.app")) const;

    // Writes a file below the root, making its folders.
    void writeFile(const QString& relativePath, const QByteArray& bytes) const;
    void writeResource(const QString& name, const QByteArray& bytes) const;
    void writeData(const QString& relativePath, const QByteArray& bytes,
                   const QString& bundle = QStringLiteral("VemraDorat.app")) const;
    // Copies a checked-in fixture from tests/data into the data folder.
    void copyData(const QString& fixture, const QString& relativePath,
                  const QString& bundle = QStringLiteral("VemraDorat.app")) const;
    void writePrefs(const QByteArray& bytes) const;
    QByteArray readPrefs() const;

private:
    QTemporaryDir dir_;
};

// Sets the time the clock reads (any date).
void setTime(int hour, int minute, int second = 0);

} // namespace vemra::test
