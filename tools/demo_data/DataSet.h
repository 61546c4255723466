#pragma once

#include <QString>

namespace vemra::demo {

// Bump when the generated files change, so that existing data sets are made again.
inline constexpr const char* dataSetVersion = "2";

struct Layout {
    QString resources;     // the catalogues: <build>/vemraViewer/Resources
    QString dataFolder;    // photos and sounds: <build>/vemra-dorat/Payload/VemraDorat.app
    QString stamp;         // written last, holding the version of a complete data set
    QString staging;       // where a new data set is made before it replaces the old one

    static Layout inBuildFolder(const QString& buildFolder);
};

bool isUpToDate(const Layout& layout);

// Makes the whole data set in the staging folder, then swaps it in and writes the stamp last,
// so that an interrupted or failed run never leaves a partial set marked as done. Throws on failure.
void generateDataSet(const Layout& layout, const QString& fontFamily, int threads);

} // namespace vemra::demo
