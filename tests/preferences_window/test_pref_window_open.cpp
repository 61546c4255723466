// What the dialog shows when it opens: the settings in force, the speakers' names and photos
// and the alarm voices, from catalogue files and a preferences file in a throw-away
// installation, or from catalogues of odd lengths put straight into the main window.

#include "support/AppFolder.h"
#include "support/PreferencesDialog.h"

#include "clock/MainWindow.h"
#include "platform/Controls.h"
#include "platform/Picture.h"
#include "platform/Testing.h"
#include "preferences_window/PrefWindow.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

#include <string>
#include <vector>

using platform::Array;
using platform::String;
using vemra::test::AppFolder;
using vemra::test::choosePreferences;
using vemra::test::openPrefWindow;
using vemra::test::percentEncodedCatalogue;

namespace {

QByteArray jpeg(int width)
{
    QImage image(width, 10, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes;
}

std::vector<std::string> rowsOf(platform::PopupMenu* popup)
{
    std::vector<std::string> rows;
    for (int row = 0; row < popup->ListCount(); ++row)
        rows.push_back(popup->List(row));
    return rows;
}

Array<String> catalogue(std::vector<String> lines)
{
    return Array<String>(std::move(lines));
}

// Twelve speakers, two with Japanese names; 24 alarm voices, the first with a Japanese name.
QList<QByteArray> twelveSpeakers()
{
    QList<QByteArray> lines = vemra::test::speakerLines(12);
    lines[0] = "1\t一郎\tface-1";
    lines[1] = "2\t花子\t花子";
    return lines;
}

QList<QByteArray> twentyFourAlarms()
{
    QList<QByteArray> lines = vemra::test::alarmLines(24);
    lines[0] = "ベル\tbell.mp3";
    return lines;
}

class PrefWindowOpenTest : public ::testing::Test {
protected:
    AppFolder folder;

    void SetUp() override
    {
        folder.writeResource("ActMain.txt", percentEncodedCatalogue(twelveSpeakers()));
        folder.writeResource("Alarm.txt", percentEncodedCatalogue(twentyFourAlarms()));
    }

    // Opens the dialog through the menu item, lets `look` inspect it, then cancels it.
    void whenShown(const std::function<void(PrefWindow&)>& look)
    {
        EXPECT_TRUE(choosePreferences([&](PrefWindow& dialog) {
            look(dialog);
            dialog.PushButton2()->push();
        }));
    }
};

TEST_F(PrefWindowOpenTest, WithoutAPreferencesFileTheDefaultsAndCatalogueNamesAreShown)
{
    mainWindow();
    whenShown([](PrefWindow& dialog) {
        for (int i = 0; i < 12; ++i) {
            SCOPED_TRACE(i);
            EXPECT_TRUE(dialog.nameCheck(i)->Value());
        }
        EXPECT_EQ(dialog.nameCheck(0)->Caption(), "一郎");
        EXPECT_EQ(dialog.nameCheck(1)->Caption(), "花子");
        EXPECT_EQ(dialog.nameCheck(2)->Caption(), "Speaker 3");
        EXPECT_EQ(dialog.nameCheck(11)->Caption(), "Speaker 12");
        EXPECT_FALSE(dialog.alarmCheck()->Value());
        EXPECT_EQ(dialog.alarmHourPopup()->Text(), "00");
        EXPECT_EQ(dialog.alarmMinPopup()->Text(), "00");
        EXPECT_EQ(dialog.alarmVoicePopup()->ListIndex(), 0);
        EXPECT_EQ(dialog.alarmVoicePopup()->Text(), "ベル");
        EXPECT_EQ(dialog.voiceMode()->ListIndex(), 0);
        EXPECT_EQ(dialog.voiceMode()->Text(), "セリフ+毎分");

        std::vector<std::string> expectedRows{"ベル"};
        for (int k = 1; k < 24; ++k)
            expectedRows.push_back("Voice " + std::to_string(k));
        EXPECT_EQ(rowsOf(dialog.alarmVoicePopup()), expectedRows);
    });
}

TEST_F(PrefWindowOpenTest, AHandEditedFileOpensOnTheRowsOfItsValues)
{
    folder.writePrefs("seiyuOn/Off=1,0,1,1,0,1,1,1,1,1,1,0\r"
                      "alarmOn=1\ralarmHour=7\ralarmMin=5\ralarmVoice=23\rvoiceMode=3\r");
    MainWindow* clock = mainWindow();
    ASSERT_EQ(clock->settings.alarmHour, "7");
    whenShown([](PrefWindow& dialog) {
        const bool expected[12] = {true, false, true, true, false, true, true, true, true, true, true, false};
        for (int i = 0; i < 12; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(dialog.nameCheck(i)->Value(), expected[i]);
        }
        EXPECT_TRUE(dialog.alarmCheck()->Value());
        EXPECT_EQ(dialog.alarmHourPopup()->ListIndex(), 7);
        EXPECT_EQ(dialog.alarmHourPopup()->Text(), "07");
        EXPECT_EQ(dialog.alarmMinPopup()->Text(), "05");
        EXPECT_EQ(dialog.alarmVoicePopup()->ListIndex(), 23);
        EXPECT_EQ(dialog.alarmVoicePopup()->Text(), "Voice 23");
        EXPECT_EQ(dialog.voiceMode()->Text(), "なし");
    });

    clock->settings.alarmHour = "24";
    clock->settings.alarmMin = "59";
    clock->settings.voiceMode = 1;
    whenShown([](PrefWindow& dialog) {
        EXPECT_EQ(dialog.alarmHourPopup()->Text(), "24");
        EXPECT_EQ(dialog.alarmMinPopup()->Text(), "59");
        EXPECT_EQ(dialog.voiceMode()->Text(), "セリフ（15分おき）");
    });
}

TEST_F(PrefWindowOpenTest, AStoredValueThatNamesNoRowLeavesItsMenuWithoutASelection)
{
    MainWindow* clock = mainWindow();
    const struct {
        const char* hour;
        const char* minute;
        std::int32_t voice, mode;
    } cases[] = {{"25", "60", 24, 4}, {"-1", "-5", -1, -1}, {"99999999999", "7x", 1000000, 2147483647}};
    for (const auto& stored : cases) {
        SCOPED_TRACE(stored.hour);
        clock->settings.alarmHour = stored.hour;
        clock->settings.alarmMin = stored.minute;
        clock->settings.alarmVoice = stored.voice;
        clock->settings.voiceMode = stored.mode;
        whenShown([&](PrefWindow& dialog) {
            EXPECT_EQ(dialog.alarmHourPopup()->ListIndex(), -1);
            EXPECT_EQ(dialog.alarmHourPopup()->Text(), "");
            EXPECT_EQ(dialog.alarmVoicePopup()->ListIndex(), -1);
            EXPECT_EQ(dialog.voiceMode()->ListIndex(), -1);
            EXPECT_EQ(dialog.alarmVoicePopup()->ListCount(), 24);
            if (std::string(stored.minute) == "7x") {
                EXPECT_EQ(dialog.alarmMinPopup()->Text(), "07"); // the number at the start counts
            } else {
                EXPECT_EQ(dialog.alarmMinPopup()->ListIndex(), -1);
            }
        });
    }

    // An empty preferences file leaves empty hour and minute texts: no number there is row 0.
    clock->settings.alarmHour = "";
    clock->settings.alarmMin = "";
    whenShown([](PrefWindow& dialog) {
        EXPECT_EQ(dialog.alarmHourPopup()->Text(), "00");
        EXPECT_EQ(dialog.alarmMinPopup()->Text(), "00");
    });
}

TEST_F(PrefWindowOpenTest, PhotosAreShownWhereTheirFilesExistAndNowhereElse)
{
    for (int n = 1; n <= 12; ++n)
        if (n != 2 && n != 4)
            folder.writeData(QStringLiteral("Photos/face-%1.jpg").arg(n), jpeg(20 + n));
    folder.writeData("Photos/花子.jpg", jpeg(50));         // photo named in Japanese, as stored
    folder.writeData("Photos/.jpg", jpeg(60));              // found only by an empty photo name
    folder.writeData("escape.jpg", jpeg(70));               // outside Photos
    folder.writeData("Photos/face-6.jpg", "not a picture"); // exists, but is no JPEG
    MainWindow* clock = mainWindow();
    clock->catalogues.seiyuName(3) = "4\tSpeaker 4\t";            // no photo name: ".jpg" is looked for
    clock->catalogues.seiyuName(4) = "5\tSpeaker 5\t../escape";   // leads outside the photo folder
    clock->catalogues.seiyuName(6) = "7\tSpeaker 7\tface-7\textra"; // further fields are not read

    whenShown([](PrefWindow& dialog) {
        auto widthOf = [&](int i) {
            std::shared_ptr<platform::Picture> picture = dialog.faceImage(i)->Image();
            return picture ? picture->Width() : 0;
        };
        EXPECT_EQ(widthOf(0), 21);
        EXPECT_EQ(widthOf(1), 50);
        EXPECT_EQ(widthOf(2), 23);
        EXPECT_EQ(widthOf(3), 60);
        EXPECT_EQ(widthOf(4), 0);
        EXPECT_EQ(widthOf(5), 0);
        EXPECT_EQ(widthOf(6), 27);
        EXPECT_EQ(widthOf(11), 32);
        EXPECT_EQ(dialog.nameCheck(4)->Caption(), "Speaker 5");
        EXPECT_TRUE(dialog.nameCheck(4)->Value());
        EXPECT_EQ(dialog.nameCheck(6)->Caption(), "Speaker 7");
    });
}

TEST_F(PrefWindowOpenTest, TheSecondDataFolderIsUsedWhenTheFirstIsMissingAndNoFolderMeansNoPhotos)
{
    mainWindow();
    whenShown([](PrefWindow& dialog) {
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(dialog.faceImage(i)->Image(), nullptr);
        EXPECT_EQ(dialog.nameCheck(11)->Caption(), "Speaker 12");
        EXPECT_EQ(dialog.alarmVoicePopup()->ListCount(), 24);
    });

    folder.writeData("Photos/face-3.jpg", jpeg(33), "Vemra Dorat.app");
    whenShown([](PrefWindow& dialog) {
        ASSERT_NE(dialog.faceImage(2)->Image(), nullptr);
        EXPECT_EQ(dialog.faceImage(2)->Image()->Width(), 33);
    });
}

TEST_F(PrefWindowOpenTest, CaptionsAreConvertedForDisplayWhilePhotoNamesAreUsedAsStored)
{
    folder.writeData("Photos/写真.jpg", jpeg(44));
    MainWindow* clock = mainWindow();
    clock->catalogues.seiyuName(2) = "3\tcaf\xE9\t写真";
    whenShown([](PrefWindow& dialog) {
        EXPECT_EQ(dialog.nameCheck(2)->Caption(), "caf\xEF\xBF\xBD"); // U+FFFD for the stray byte
        ASSERT_NE(dialog.faceImage(2)->Image(), nullptr);
        EXPECT_EQ(dialog.faceImage(2)->Image()->Width(), 44);
    });
}

TEST_F(PrefWindowOpenTest, ShortCataloguesShowEmptyCaptionsAndFewerRows)
{
    MainWindow* clock = mainWindow();
    clock->catalogues.seiyuName = catalogue({"1\tOne\tface-1", "2\tTwo\tface-2", "3\tThree"});
    clock->catalogues.alarmArray = catalogue({"Bell\tbell.mp3", "Chime\tchime.mp3"});
    clock->settings.alarmVoice = 1;
    whenShown([](PrefWindow& dialog) {
        EXPECT_EQ(dialog.nameCheck(1)->Caption(), "Two");
        EXPECT_EQ(dialog.nameCheck(2)->Caption(), "Three");
        for (int i = 3; i < 12; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(dialog.nameCheck(i)->Caption(), "");
            EXPECT_TRUE(dialog.nameCheck(i)->Value()); // the setting is shown all the same
        }
        EXPECT_EQ(rowsOf(dialog.alarmVoicePopup()), (std::vector<std::string>{"Bell", "Chime"}));
        EXPECT_EQ(dialog.alarmVoicePopup()->Text(), "Chime");
    });

    clock->catalogues.seiyuName = Array<String>();
    clock->catalogues.alarmArray = Array<String>();
    clock->settings.alarmVoice = 0;
    whenShown([](PrefWindow& dialog) {
        EXPECT_EQ(dialog.nameCheck(0)->Caption(), "");
        EXPECT_EQ(dialog.alarmVoicePopup()->ListCount(), 0);
        EXPECT_EQ(dialog.alarmVoicePopup()->ListIndex(), -1);
    });
}

TEST_F(PrefWindowOpenTest, LongCataloguesShowOnlyTheFirstTwelveSpeakersAndTwentyFourVoices)
{
    MainWindow* clock = mainWindow();
    std::vector<String> speakers, voices;
    for (int n = 1; n <= 20; ++n)
        speakers.push_back(std::to_string(n) + "\tS" + std::to_string(n) + "\tface");
    for (int k = 0; k < 40; ++k)
        voices.push_back("V" + std::to_string(k) + "\tv.mp3");
    clock->catalogues.seiyuName = catalogue(speakers);
    clock->catalogues.alarmArray = catalogue(voices);
    clock->settings.alarmVoice = 30;
    whenShown([](PrefWindow& dialog) {
        EXPECT_EQ(dialog.nameCheck(11)->Caption(), "S12");
        EXPECT_EQ(dialog.alarmVoicePopup()->ListCount(), 24);
        EXPECT_EQ(dialog.alarmVoicePopup()->List(23), "V23");
        EXPECT_EQ(dialog.alarmVoicePopup()->ListIndex(), -1); // voice 30 is never shown
    });
}

TEST_F(PrefWindowOpenTest, EachOpeningShowsTheCataloguesAndSettingsAsTheyStandThen)
{
    MainWindow* clock = mainWindow();
    whenShown([](PrefWindow& dialog) { EXPECT_EQ(dialog.alarmVoicePopup()->List(1), "Voice 1"); });
    clock->catalogues.alarmArray(1) = "Gong\tgong.mp3";
    clock->catalogues.seiyuName(0) = "1\tIchiro\tface-1";
    clock->settings.nameCheck(0) = false;
    whenShown([](PrefWindow& dialog) {
        EXPECT_EQ(dialog.alarmVoicePopup()->ListCount(), 24);
        EXPECT_EQ(dialog.alarmVoicePopup()->List(1), "Gong");
        EXPECT_EQ(dialog.nameCheck(0)->Caption(), "Ichiro");
        EXPECT_FALSE(dialog.nameCheck(0)->Value());
    });
}

// A dialog that notes what the accessor gives while its Open handler runs.
class ProbedDialog : public PrefWindow {
public:
    PrefWindow* accessorDuringOpen = nullptr;
    size_t openWindowsDuringOpen = 0;

    void Event_Open() override
    {
        accessorDuringOpen = prefWindow();
        openWindowsDuringOpen = platform::testing::openWindows().size();
        PrefWindow::Event_Open();
    }
};

TEST_F(PrefWindowOpenTest, WhileOpenRunsTheAccessorReturnsTheWindowBeingOpened)
{
    folder.writeData("Photos/face-1.jpg", jpeg(21));
    mainWindow();
    const size_t before = platform::testing::openWindows().size();
    auto* dialog = platform::implicitWindow<ProbedDialog>(PrefWindow::kClassName);
    EXPECT_EQ(dialog->accessorDuringOpen, dialog);
    EXPECT_EQ(dialog->openWindowsDuringOpen, before + 1);
    EXPECT_NE(dialog->faceImage(0)->Image(), nullptr);
    EXPECT_EQ(openPrefWindow(), dialog);
}

} // namespace
