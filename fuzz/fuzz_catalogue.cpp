// A catalogue file of any bytes through the real loading (read, percent-decoded for the
// speaker and alarm catalogues, split at CR LF or CR), its fields as the clock and the
// preferences window take them, and the tick's scan with a set of speaker switches.
//
// Input: byte 0 picks the catalogue ('0' ActMain, '1' ActTime, '2' ActSerif, '3' Alarm,
// any byte by its value modulo 4), bytes 1 and 2 are the switches of speakers 1 to 13, bit by
// bit, and the rest is the file.
#include "FuzzInstallation.h"

#include "catalogue/Catalogues.h"
#include "catalogue/CatalogueTexts.h"
#include "clock/DataBundle.h"
#include "clock/MainWindow.h"

#include <array>

using namespace platform;

namespace {

const std::array<const char*, 4> kCatalogues = {"ActMain.txt", "ActTime.txt", "ActSerif.txt", "Alarm.txt"};

// A clip that exists but holds no sound: each playback the scan starts is tried and passed
// over, so nothing piles up while the fuzzer runs no event loop.
FolderItemPtr silentClip()
{
    static const FolderItemPtr clip = [] {
        const std::string path = fuzz::install().root + "/silent.mp3";
        fuzz::writeFile(path, "");
        return FolderItem::fromNativePath(path);
    }();
    return clip;
}

// A name taken from a catalogue must name a file directly inside its folder, or nothing.
void checkStaysInside(const FolderItemPtr& item, const std::string& folder, const String& name)
{
    const String path = item->NativePath();
    if (path.empty())
        return; // an item that never exists
    if (path.compare(0, folder.size() + 1, folder + "/") != 0
        || path.find('/', folder.size() + 1) != String::npos || name.find('/') != String::npos
        || name == "." || name == "..")
        fuzz::fail("a catalogue name leads outside its folder: " + path);
    (void)item->Exists();
}

void checkLines(const Array<String>& lines, const String& separator)
{
    for (int i = 0; i <= lines.Ubound(); ++i)
        if (lines(i).find(separator) != String::npos)
            fuzz::fail("a catalogue line holds its line separator");
}

void useFields(const MainWindow& window)
{
    const FolderItemPtr data = findDataBundleFolder();
    const std::string photos = fuzz::install().dataFolder + "/Photos";
    const std::string alarms = fuzz::install().dataFolder + "/Sounds/Alarm";
    for (int i = 0; i <= window.catalogues.seiyuName.Ubound(); ++i) {
        (void)ConvertEncoding(catalogue::shownName(window.catalogues.seiyuName(i)), Encodings::UTF8);
        const String photo = catalogue::photoName(window.catalogues.seiyuName(i));
        checkStaysInside(seiyuPhoto(data, photo), photos, photo + ".jpg");
    }
    for (int i = 0; i <= window.catalogues.alarmArray.Ubound(); ++i) {
        (void)ConvertEncoding(catalogue::alarmShownName(window.catalogues.alarmArray(i)), Encodings::UTF8);
        const String sound = catalogue::soundFileName(window.catalogues.alarmArray(i));
        checkStaysInside(alarmSoundFile(data, sound), alarms, sound);
    }
}

void scan(const Array<String>& catalogue, const Array<bool>& switches)
{
    playForEachMatchingEntry(catalogue, "0715", switches, silentClip());
    if (catalogue.Count() > 0) // the key of the first line, so that lines do match
        playForEachMatchingEntry(catalogue, catalogue::minuteKey(catalogue(0)), switches, silentClip());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::mainWindowOnce();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    const std::size_t chosen = data[0] % kCatalogues.size();
    Array<bool> switches(12, false);
    for (int bit = 0; bit <= 12; ++bit)
        switches(bit) = ((data[1] | data[2] << 8) >> bit) & 1;

    const fuzz::Installation& installation = fuzz::install();
    for (std::size_t i = 0; i < kCatalogues.size(); ++i) {
        const std::string path = installation.resources + "/" + kCatalogues[i];
        if (i == chosen)
            fuzz::writeFile(path, data + 3, size - 3);
        else
            fuzz::writeFile(path, "");
    }
    releaseCatalogueTexts();
    MainWindow& window = fuzz::mainWindowOnce();
    loadCatalogues(window.catalogues);

    const String crLf = ChrB(13) + ChrB(10);
    checkLines(window.catalogues.seiyuName, crLf);
    checkLines(window.catalogues.alarmArray, crLf);
    checkLines(window.catalogues.timeArray, ChrB(13));
    checkLines(window.catalogues.serifArray, ChrB(13));
    useFields(window);
    scan(window.catalogues.timeArray, switches);
    scan(window.catalogues.serifArray, switches);
    scan(window.catalogues.seiyuName, switches); // any array the scan may be handed
    return 0;
}
