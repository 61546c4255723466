#include "platform/FolderItem.h"
#include "platform/Picture.h"

#include "support/TestRuntime.h"
#include "support/FileBytes.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace platform;
using vemra::test::writeBytes;

namespace {

class PictureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        vemra::test::ensureRuntime();
        ASSERT_TRUE(temp.isValid());
        photos = FolderItem::fromNativePath(temp.path().toStdString());
        jpeg = makeJpeg(64, 48);
        ASSERT_GT(jpeg.size(), 600);
    }

    static QByteArray makeJpeg(int width, int height)
    {
        QImage image(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                image.setPixel(x, y, qRgb(x * 4 % 256, y * 5 % 256, (x * y) % 256));
        return encode(image, "JPEG");
    }

    static QByteArray encode(const QImage& image, const char* format)
    {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, format, 90);
        return bytes;
    }

    QString path(const QString& name) const { return temp.path() + "/" + name; }

    QTemporaryDir temp;
    FolderItemPtr photos;
    QByteArray jpeg;
};

} // namespace

TEST_F(PictureTest, ReadsAJpeg)
{
    writeBytes(path("0715.jpg"), jpeg);
    const auto picture = photos->Child("0715.jpg")->OpenAsPicture();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), 64);
    EXPECT_EQ(picture->Height(), 48);
    EXPECT_FALSE(picture->image().isNull());
}

TEST_F(PictureTest, ContentDecidesNotTheExtension)
{
    writeBytes(path("photo"), jpeg);
    EXPECT_NE(photos->Child("photo")->OpenAsPicture(), nullptr);

    writeBytes(path("text.jpg"), "this is not a picture\n");
    EXPECT_EQ(photos->Child("text.jpg")->OpenAsPicture(), nullptr);
    writeBytes(path("empty.jpg"), {});
    EXPECT_EQ(photos->Child("empty.jpg")->OpenAsPicture(), nullptr);
}

TEST_F(PictureTest, JpegCutInItsHeaderGivesNoPicture)
{
    for (const int length : {2, 20, 200}) {
        writeBytes(path("cut.jpg"), jpeg.left(length));
        EXPECT_EQ(photos->Child("cut.jpg")->OpenAsPicture(), nullptr) << length;
    }
}

TEST_F(PictureTest, JpegCutInItsImageDataGivesThePartlyDecodedPicture)
{
    writeBytes(path("cut.jpg"), jpeg.left(jpeg.size() * 2 / 3));
    const auto picture = photos->Child("cut.jpg")->OpenAsPicture();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), 64);
    EXPECT_EQ(picture->Height(), 48);
}

TEST_F(PictureTest, PngCutShortGivesNoPicture)
{
    const QByteArray png = encode(QImage::fromData(jpeg), "PNG");
    writeBytes(path("cut.png"), png.left(png.size() / 2));
    EXPECT_EQ(photos->Child("cut.png")->OpenAsPicture(), nullptr);
}

TEST_F(PictureTest, MissingFilesAndFoldersGiveNoPicture)
{
    QDir().mkpath(path("Photos.jpg"));
    EXPECT_EQ(photos->Child("Photos.jpg")->OpenAsPicture(), nullptr);
    EXPECT_EQ(photos->Child("missing.jpg")->OpenAsPicture(), nullptr);
    EXPECT_EQ(photos->Child("..")->OpenAsPicture(), nullptr);
}
