#include "support/AppFolder.h"

#include "catalogue/Catalogues.h"
#include "catalogue/CatalogueTexts.h"
#include "clock/MainWindow.h"

#include <gtest/gtest.h>

#include <QDir>

using vemra::test::AppFolder;

namespace {

QByteArray speakerLines(int count, const QByteArray& lineEnd)
{
    QByteArray text;
    for (int n = 1; n <= count; ++n)
        text += QByteArray::number(n) + "\tname" + QByteArray::number(n) + "\tphoto" + QByteArray::number(n) + lineEnd;
    return text;
}

class CatalogueLoadingTest : public ::testing::Test {
protected:
    AppFolder folder;
};

TEST_F(CatalogueLoadingTest, SpeakerCatalogueSplitsAtCrLfWithOrWithoutAFinalLineEnd)
{
    folder.writeResource("ActMain.txt", speakerLines(12, "\r\n"));
    MainWindow* window = mainWindow();
    ASSERT_EQ(window->catalogues.seiyuName.Count(), 13);
    EXPECT_EQ(window->catalogues.seiyuName(11), "12\tname12\tphoto12");
    EXPECT_EQ(window->catalogues.seiyuName(12), "");
    window->Close();

    releaseCatalogueTexts();
    folder.writeResource("ActMain.txt", speakerLines(12, "\r\n").chopped(2));
    MainWindow* second = mainWindow();
    ASSERT_EQ(second->catalogues.seiyuName.Count(), 12);
    EXPECT_EQ(second->catalogues.seiyuName(11), "12\tname12\tphoto12");
}

TEST_F(CatalogueLoadingTest, PercentEncodedLineEndsAndTabsActLikeTheBytes)
{
    // "一郎" and "花子" in UTF-8, with CR LF and TAB written as percent sequences.
    folder.writeResource("ActMain.txt", "1%09%E4%B8%80%E9%83%8E%09ichiro%0D%0A2\t%E8%8A%B1%E5%AD%90\thanako\r\n");
    folder.writeResource("Alarm.txt", "%E3%83%99%E3%83%AB%09bell.mp3%0d%0aChime%09chime%20one.mp3");
    MainWindow* window = mainWindow();
    ASSERT_EQ(window->catalogues.seiyuName.Count(), 3);
    EXPECT_EQ(catalogue::shownName(window->catalogues.seiyuName(0)), "一郎");
    EXPECT_EQ(catalogue::photoName(window->catalogues.seiyuName(0)), "ichiro");
    EXPECT_EQ(catalogue::shownName(window->catalogues.seiyuName(1)), "花子");
    ASSERT_EQ(window->catalogues.alarmArray.Count(), 2);
    EXPECT_EQ(catalogue::alarmShownName(window->catalogues.alarmArray(0)), "ベル");
    EXPECT_EQ(catalogue::soundFileName(window->catalogues.alarmArray(1)), "chime one.mp3");
}

TEST_F(CatalogueLoadingTest, ClipCataloguesSplitAtCrAloneAndAreNotDecoded)
{
    folder.writeResource("ActTime.txt", "0000\t1\r0001\t2\r0715%41\t3\r");
    folder.writeResource("ActSerif.txt", "0000\t1\r\n0015\t2\r\n"); // saved with CR LF by mistake
    MainWindow* window = mainWindow();
    ASSERT_EQ(window->catalogues.timeArray.Count(), 4);
    EXPECT_EQ(catalogue::minuteKey(window->catalogues.timeArray(2)), "0715%41");
    EXPECT_EQ(window->catalogues.timeArray(3), "");
    ASSERT_EQ(window->catalogues.serifArray.Count(), 3);
    EXPECT_EQ(catalogue::minuteKey(window->catalogues.serifArray(0)), "0000");
    EXPECT_EQ(catalogue::minuteKey(window->catalogues.serifArray(1)), "\n0015"); // matches no minute
    EXPECT_EQ(window->catalogues.serifArray(2), "\n");
}

TEST_F(CatalogueLoadingTest, MissingFilesGiveEmptyCataloguesSilently)
{
    MainWindow* window = mainWindow();
    for (auto* catalogue : {&window->catalogues.seiyuName, &window->catalogues.timeArray, &window->catalogues.serifArray, &window->catalogues.alarmArray}) {
        ASSERT_LE(catalogue->Count(), 1);
        if (catalogue->Count() == 1) {
            EXPECT_EQ((*catalogue)(0), "");
        }
    }
}

TEST_F(CatalogueLoadingTest, AMissingResourcesFolderGivesEmptyCatalogues)
{
    QDir(folder.resourcesPath()).removeRecursively();
    EXPECT_EQ(ActMain(), "");
    EXPECT_EQ(Alarm(), "");
}

TEST_F(CatalogueLoadingTest, EachFileIsReadOnceEvenWhenItWasMissing)
{
    folder.writeResource("ActTime.txt", "0000\t1\r");
    EXPECT_EQ(ActTime(), "0000\t1\r");
    EXPECT_EQ(ActSerif(), "");

    folder.writeResource("ActTime.txt", "changed");
    folder.writeResource("ActSerif.txt", "appeared");
    EXPECT_EQ(ActTime(), "0000\t1\r");
    EXPECT_EQ(ActSerif(), "");
}

TEST_F(CatalogueLoadingTest, BytesThatAreNotTextSurviveLoading)
{
    folder.writeResource("ActMain.txt", QByteArray("1\t\xff\xfe%zz%4\x00x\tp\r\n", 15));
    folder.writeResource("ActTime.txt", QByteArray("\x00\x01\r\r\r", 5));
    MainWindow* window = mainWindow();
    ASSERT_EQ(window->catalogues.seiyuName.Count(), 2);
    EXPECT_EQ(window->catalogues.seiyuName(0), std::string("1\t\xff\xfe%zz%4\x00x\tp", 13));
    ASSERT_EQ(window->catalogues.timeArray.Count(), 4);
}

} // namespace
