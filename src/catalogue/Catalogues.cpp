#include "catalogue/Catalogues.h"

#include "catalogue/CatalogueTexts.h"

using namespace platform;

void loadCatalogues(Catalogues& catalogues)
{
    const String crLf = ChrB(13) + ChrB(10);
    catalogues.seiyuName = Split(DecodeURLComponent(ActMain(), Encodings::UTF8), crLf);
    catalogues.timeArray = Split(ActTime(), ChrB(13));
    catalogues.serifArray = Split(ActSerif(), ChrB(13));
    catalogues.alarmArray = Split(DecodeURLComponent(Alarm(), Encodings::UTF8), crLf);
}
