#include "Speakers.h"

#include <stdexcept>

namespace vemra::demo {

namespace {

const QColor fairSkin("#ffe0c8");
const QColor warmSkin("#f5cba7");
const QColor tannedSkin("#e0ac82");

} // namespace

const std::array<Speaker, speakerCount>& speakers()
{
    static const std::array<Speaker, speakerCount> all{{
        {1, QStringLiteral("朝霧ひより"), QStringLiteral("ひより"), QStringLiteral("seiyu01"),
         {QStringLiteral("f1"), 65, 150}, Manner::Polite,
         {QColor("#f7b6c8"), QColor("#ffffff"), QColor("#7a4a2a"), fairSkin, HairStyle::Long, Accessory::Ribbon, false}},
        {2, QStringLiteral("樫木蒼太"), QStringLiteral("そうた"), QStringLiteral("seiyu02"),
         {QStringLiteral("m1"), 40, 160}, Manner::Casual,
         {QColor("#9fd3f5"), QColor("#2b5fa8"), QColor("#222222"), warmSkin, HairStyle::Short, Accessory::None, false}},
        {3, QStringLiteral("鈴菜こはる"), QStringLiteral("こはる"), QStringLiteral("seiyu03"),
         {QStringLiteral("f2"), 82, 170}, Manner::Casual,
         {QColor("#ffe27a"), QColor("#ff7f50"), QColor("#e8893a"), fairSkin, HairStyle::TwinTails, Accessory::None, true}},
        {4, QStringLiteral("岩戸玄一郎"), QStringLiteral("げんいちろう"), QStringLiteral("seiyu04"),
         {QStringLiteral("m3"), 25, 130}, Manner::Formal,
         {QColor("#8fa3b8"), QColor("#3a3f4a"), QColor("#3b3b3b"), tannedSkin, HairStyle::Short, Accessory::Glasses, false}},
        {5, QStringLiteral("雪代しずく"), QStringLiteral("しずく"), QStringLiteral("seiyu05"),
         {QStringLiteral("f3"), 38, 135}, Manner::Polite,
         {QColor("#c9f1f4"), QColor("#5aa9c9"), QColor("#dfe6ee"), fairSkin, HairStyle::Bob, Accessory::HairClip, false}},
        {6, QStringLiteral("穂高陽介"), QStringLiteral("ようすけ"), QStringLiteral("seiyu06"),
         {QStringLiteral("m2"), 58, 170}, Manner::Casual,
         {QColor("#ffb46b"), QColor("#2e8b57"), QColor("#8b5a2b"), tannedSkin, HairStyle::Spiky, Accessory::None, true}},
        {7, QStringLiteral("桃園ぴよ"), QStringLiteral("ぴよ"), QStringLiteral("seiyu07"),
         {QStringLiteral("f4"), 92, 180}, Manner::Casual,
         {QColor("#ffd1c1"), QColor("#ff6fa3"), QColor("#f48fb1"), fairSkin, HairStyle::Bun, Accessory::Ribbon, true}},
        {8, QStringLiteral("黒瀬鉄斎"), QStringLiteral("てっさい"), QStringLiteral("seiyu08"),
         {QStringLiteral("m4"), 18, 120}, Manner::Formal,
         {QColor("#6f9a7a"), QColor("#1f2a24"), QColor("#111111"), warmSkin, HairStyle::Short, Accessory::Moustache, false}},
        {9, QStringLiteral("青柳かすみ"), QStringLiteral("かすみ"), QStringLiteral("seiyu09"),
         {QStringLiteral("f5"), 74, 155}, Manner::Formal,
         {QColor("#c8b6f0"), QColor("#4b3f8f"), QColor("#2a3b7a"), fairSkin, HairStyle::Long, Accessory::HairClip, false}},
        {10, QStringLiteral("灯守れん"), QStringLiteral("れん"), QStringLiteral("seiyu10"),
         {QStringLiteral("m6"), 62, 150}, Manner::Polite,
         {QColor("#7fd1c0"), QColor("#f0f0f0"), QColor("#5b3a7a"), warmSkin, HairStyle::Bob, Accessory::Headphones, false}},
        {11, QStringLiteral("花梨ちよ"), QStringLiteral("ちよ"), QStringLiteral("seiyu11"),
         {QStringLiteral("grandma"), 50, 125}, Manner::Polite,
         {QColor("#f2a7a7"), QColor("#8e5a9e"), QColor("#c8c8c8"), warmSkin, HairStyle::Bun, Accessory::Glasses, true}},
        {12, QStringLiteral("森ごんぞう"), QStringLiteral("ごんぞう"), QStringLiteral("seiyu12"),
         {QStringLiteral("grandpa"), 30, 115}, Manner::Casual,
         {QColor("#b8c47a"), QColor("#6b4e2e"), QColor("#f4f4f4"), tannedSkin, HairStyle::Bald, Accessory::Beard, true}},
    }};
    return all;
}

const Speaker& speaker(int number)
{
    if (number < 1 || number > speakerCount)
        throw std::out_of_range("no speaker number " + std::to_string(number));
    return speakers()[static_cast<std::size_t>(number - 1)];
}

} // namespace vemra::demo
