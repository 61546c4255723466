#include "catalogue/CatalogueEntries.h"
#include "clock/DataBundle.h"
#include "platform/FolderItem.h"
#include "platform/Picture.h"
#include "platform/Strings.h"
#include "preferences_window/CatalogueLine.h"
#include "preferences_window/PrefWindow.h"
#include "preferences_window/TheMainWindow.h"

using platform::ConvertEncoding;
using platform::String;

void PrefWindow::Event_Open()
{
    const platform::FolderItemPtr dataBundle = findDataBundleFolder();

    for (int i = 0; i < kShownSpeakers; ++i) {
        const String line = catalogueLine(theMainWindow().seiyuName, i);
        nameCheck(i)->setCaption(catalogue::shownName(ConvertEncoding(line, platform::Encodings::UTF8)));
        nameCheck(i)->setValue(theMainWindow().nameCheck(i));
        const String photoName = catalogue::photoName(line);
        if (platform::notNil(seiyuPhoto(dataBundle, photoName)).Exists())
            platform::notNil(prefWindow())
                .faceImage(i)
                ->setImage(seiyuPhoto(dataBundle, photoName)->OpenAsPicture());
    }

    alarmCheck()->setValue(theMainWindow().alarmCheck);
    alarmHourPopup()->setListIndex(platform::CInt32(platform::Val(theMainWindow().alarmHour)));
    alarmMinPopup()->setListIndex(platform::CInt32(platform::Val(theMainWindow().alarmMin)));

    alarmVoicePopup()->DeleteAllRows();
    for (int i = 0; i < kShownAlarmVoices && theMainWindow().alarmArray.inBounds(i); ++i) {
        const String line = theMainWindow().alarmArray(i);
        alarmVoicePopup()->AddRow(catalogue::alarmShownName(ConvertEncoding(line, platform::Encodings::UTF8)));
    }

    alarmVoicePopup()->setListIndex(theMainWindow().alarmVoice);
    voiceMode()->setListIndex(theMainWindow().voiceMode);
}
