#include "catalogue/CatalogueTexts.h"

#include "platform/Application.h"
#include "platform/Exceptions.h"
#include "platform/FolderItem.h"
#include "platform/TextStreams.h"

using platform::notNil;
using platform::String;

namespace {

// One catalogue file's text, read at most once per run.
struct CachedText {
    const char* fileName;
    String permaText;
    bool loaded = false;

    String read()
    {
        if (loaded)
            return permaText;
        loaded = true;

        platform::FolderItemPtr executable = notNil(platform::_GetAppObject(), "App").ExecutableFile();
        platform::FolderItemPtr executableFolder = notNil(executable, "ExecutableFile").Parent();
        platform::FolderItemPtr contentsFolder = notNil(executableFolder, "executable's folder").Parent();
        platform::FolderItemPtr resources = notNil(contentsFolder, "application folder").Child("Resources");
        if (!resources)
            return permaText;

        auto stream = notNil(resources->Child(fileName), fileName).OpenAsTextFile();
        if (!stream)
            return permaText;
        permaText = stream->ReadAll();
        stream->Close();
        return permaText;
    }

    void release()
    {
        permaText.clear();
        loaded = false;
    }
};

CachedText actMainText{"ActMain.txt", {}};
CachedText actSerifText{"ActSerif.txt", {}};
CachedText actTimeText{"ActTime.txt", {}};
CachedText alarmText{"Alarm.txt", {}};

} // namespace

String ActMain() { return actMainText.read(); }
String ActSerif() { return actSerifText.read(); }
String ActTime() { return actTimeText.read(); }
String Alarm() { return alarmText.read(); }

void releaseCatalogueTexts()
{
    actMainText.release();
    actSerifText.release();
    actTimeText.release();
    alarmText.release();
}
