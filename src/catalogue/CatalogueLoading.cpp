#include "catalogue/CatalogueLoading.h"

#include "catalogue/CatalogueTexts.h"
#include "clock/MainWindow.h"

using namespace platform;

void loadCatalogues(MainWindow& window)
{
    const String crLf = ChrB(13) + ChrB(10);
    window.seiyuName = Split(DecodeURLComponent(ActMain(), Encodings::UTF8), crLf);
    window.timeArray = Split(ActTime(), ChrB(13));
    window.serifArray = Split(ActSerif(), ChrB(13));
    window.alarmArray = Split(DecodeURLComponent(Alarm(), Encodings::UTF8), crLf);
}
