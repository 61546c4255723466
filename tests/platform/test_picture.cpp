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

// A picture is decoded into the memory of the one let go before it, once nothing shows that
// one any more: nothing of the earlier picture may show through, neither in the new picture
// (whole or partly decoded), nor as a picture where the file cannot be decoded. Each file is
// opened both with and without that memory to reuse.
TEST_F(PictureTest, APictureShowsNothingOfTheOneBeforeIt)
{
    const auto decodedAlone = [](const QString& file) { return QImage(file).convertToFormat(QImage::Format_RGB32); };
    writeBytes(path("first.jpg"), jpeg);
    QImage inverted = decodedAlone(path("first.jpg"));
    inverted.invertPixels();
    const QByteArray second = encode(inverted, "JPEG");
    writeBytes(path("second.jpg"), second);
    writeBytes(path("cut.jpg"), second.left(second.size() / 2));
    writeBytes(path("header.jpg"), second.left(200));
    const QByteArray png = encode(inverted, "PNG");
    writeBytes(path("cut.png"), png.left(png.size() / 2));

    for (const bool reusable : {true, false}) {
        for (const QString name : {"second.jpg", "cut.jpg", "header.jpg", "cut.png"}) {
            auto before = photos->Child("first.jpg")->OpenAsPicture();
            const QImage stillShown = reusable ? QImage() : before->image();
            before.reset();
            const auto picture = photos->Child(name.toStdString())->OpenAsPicture();
            const std::string what = name.toStdString() + (reusable ? ", reusing" : "");
            if (name == "header.jpg" || name == "cut.png") {
                EXPECT_EQ(picture, nullptr) << what;
                continue;
            }
            ASSERT_NE(picture, nullptr) << what;
            EXPECT_EQ(picture->image().convertToFormat(QImage::Format_RGB32), decodedAlone(path(name))) << what;
        }
    }
}

TEST_F(PictureTest, MissingFilesAndFoldersGiveNoPicture)
{
    QDir().mkpath(path("Photos.jpg"));
    EXPECT_EQ(photos->Child("Photos.jpg")->OpenAsPicture(), nullptr);
    EXPECT_EQ(photos->Child("missing.jpg")->OpenAsPicture(), nullptr);
    EXPECT_EQ(photos->Child("..")->OpenAsPicture(), nullptr);
}
