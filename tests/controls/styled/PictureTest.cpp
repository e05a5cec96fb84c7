#include "GDIPicture.h"
#include "StyledTestSupport.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageWriter>
#include <QTemporaryDir>

#include <string>
#include <vector>

namespace {

// A 16 x 29 thumb: magenta everywhere but a grey body with a white line.
QImage Thumb() {
    QImage image = Solid(16, 29, QColor(255, 0, 255));
    for (int y = 2; y < 27; ++y)
        for (int x = 2; x < 14; ++x) image.setPixel(x, y, y == 14 ? qRgb(255, 255, 255) : qRgb(80, 80, 80));
    return image;
}

QImage Canvas(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

template <typename Picture>
void LoadBytes(Picture& picture, const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    picture.LoadFromStream(&buffer);
}

struct Events {
    std::vector<std::string> seen;
    void Attach(TGDIPGraphic& p) {
        p.OnChange = [this](TGDIPGraphic*) { seen.push_back("change"); };
        p.OnClear = [this](TGDIPGraphic*) { seen.push_back("clear"); };
    }
};

// The smallest GIF: one pixel, a two-colour global table and a control extension.
const QByteArray kGif(
    "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00!\xf9\x04\x01\x00\x00\x00\x00,"
    "\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02" "D\x01\x00;",
    43);

}  // namespace

TEST(Picture, EmptinessAndEvents) {
    TAdvGDIPPicture picture;
    EXPECT_TRUE(picture.Empty());
    LoadBytes(picture, ImageFile(Thumb(), "PNG"));
    EXPECT_FALSE(picture.Empty());
    EXPECT_EQ(picture.Width(), 16);
    EXPECT_EQ(picture.Height(), 29);

    Events events;
    events.Attach(picture);
    picture.Assign(static_cast<const TGDIPGraphic*>(nullptr));
    EXPECT_TRUE(picture.Empty());
    EXPECT_EQ(events.seen, (std::vector<std::string>{"change", "clear"}));

    TAdvGDIPPicture empty;
    events.seen.clear();
    LoadBytes(picture, ImageFile(Thumb(), "PNG"));
    picture.Assign(&empty);
    EXPECT_TRUE(picture.Empty());
    EXPECT_EQ(events.seen, (std::vector<std::string>{"change", "change"}));

    // A zero-length stream keeps the image of the one class and empties the other's bytes.
    LoadBytes(picture, ImageFile(Thumb(), "PNG"));
    LoadBytes(picture, QByteArray());
    EXPECT_FALSE(picture.Bytes().isEmpty());
    TGDIPPicture plain;
    LoadBytes(plain, ImageFile(Thumb(), "PNG"));
    LoadBytes(plain, QByteArray());
    EXPECT_FALSE(plain.Empty());
    EXPECT_TRUE(plain.Bytes().isEmpty());
    QImage target = Canvas(20, 40);
    TCanvas canvas(&target);
    plain.Draw(canvas, TRect{0, 0, 16, 29});
    canvas.Release();
    EXPECT_EQ(target.pixel(5, 5), 0u);

    // A source of another class leaves the picture empty without an event.
    events.Attach(plain);
    events.seen.clear();
    plain.Assign(&picture);
    EXPECT_TRUE(plain.Empty());
    EXPECT_TRUE(events.seen.empty());
}

TEST(Picture, FormDataIsMeasuredAtOnceOnlyByTheAdvancedPicture) {
    const QByteArray png = ImageFile(Thumb(), "PNG");
    QBuffer a, b;
    a.setData(png);
    b.setData(png);
    a.open(QIODevice::ReadOnly);
    b.open(QIODevice::ReadOnly);
    TGDIPPicture plain;
    TAdvGDIPPicture advanced;
    plain.ReadData(&a);
    advanced.ReadData(&b);
    EXPECT_EQ(plain.Width(), 0);
    EXPECT_EQ(advanced.Width(), 16);
    EXPECT_TRUE(plain.GetImageSizes());
    EXPECT_EQ(plain.Height(), 29);
}

TEST(Picture, BitmapsKeyOutTheirBottomLeftColour) {
    const QByteArray bmp = ImageFile(Thumb(), "BMP");
    TGDIPPicture plain;
    TAdvGDIPPicture advanced;
    LoadBytes(plain, bmp);
    LoadBytes(advanced, bmp);
    QImage target = Canvas(40, 70);
    TCanvas canvas(&target);
    // Stretched into a rectangle twice its size by one class, natural size by the other.
    plain.Draw(canvas, TRect{0, 0, 32, 58});
    canvas.Release();
    EXPECT_EQ(target.pixel(0, 0), 0u);                       // magenta keyed out
    EXPECT_EQ(target.pixel(6, 28), qRgb(255, 255, 255));     // the line, doubled
    EXPECT_EQ(target.pixel(20, 40), qRgb(80, 80, 80));
    target.fill(Qt::transparent);
    advanced.Draw(canvas, TRect{0, 0, 32, 58});
    canvas.Release();
    EXPECT_EQ(target.pixel(5, 14), qRgb(255, 255, 255));
    EXPECT_EQ(target.pixel(20, 40), 0u);                     // not stretched
}

TEST(Picture, FixedKeyColourKeysOnlyThatColour) {
    QImage image = Solid(8, 8, QColor(255, 255, 255));
    image.setPixel(1, 1, qRgb(254, 255, 255));
    image.setPixel(0, 7, qRgb(10, 20, 30));
    TAdvGDIPPicture picture;
    LoadBytes(picture, ImageFile(image, "BMP"));
    picture.SetTransparent(true);
    picture.SetTransparentMode(tmFixed);
    picture.SetTransparentColor(clWhite);
    QImage target = Canvas(8, 8);
    {
        TGPGraphics g(&target);
        picture.GDIPDraw(&g, TRect{0, 0, 8, 8});
    }
    EXPECT_EQ(target.pixel(3, 3), 0u);
    EXPECT_EQ(target.pixel(1, 1), qRgb(254, 255, 255));
    EXPECT_EQ(target.pixel(0, 7), qRgb(10, 20, 30));
    EXPECT_EQ(picture.PixelDepth(), 24);
    EXPECT_FALSE(picture.HasAlpha());
}

TEST(Picture, UndecodableBytesAreAnUnknownFormat) {
    // Plain text, and a PNG and a BMP signature with nothing valid behind them.
    for (const QByteArray& bytes : {QByteArray("not an image at all"), QByteArray("\x89PNG\r\n\x1A\nrest of nothing"),
                                    QByteArray("BM but no bitmap follows")}) {
        TAdvGDIPPicture picture;
        LoadBytes(picture, bytes);
        EXPECT_FALSE(picture.Empty());
        EXPECT_TRUE(picture.GetImageSizes());
        EXPECT_EQ(picture.Width(), 0) << bytes.constData();
        EXPECT_EQ(TGPImage(picture.Bytes()).GetFormat(), ifUndefined) << bytes.constData();
        QImage target = Canvas(10, 10);
        {
            TGPGraphics g(&target);
            picture.GDIPDraw(&g, TGPRectF{0, 0, 10, 10});
        }
        EXPECT_EQ(target.pixel(5, 5), 0u);
    }
}

TEST(Picture, NewBytesAreDecodedAgain) {
    // Large pictures, which only the picture itself keeps decoded.
    TAdvGDIPPicture picture;
    LoadBytes(picture, ImageFile(Solid(300, 300, QColor(255, 0, 0)), "PNG"));
    EXPECT_EQ(picture.Width(), 300);
    LoadBytes(picture, ImageFile(Solid(320, 310, QColor(0, 0, 255)), "PNG"));
    EXPECT_EQ(picture.Width(), 320);
    EXPECT_EQ(picture.Height(), 310);
    QImage target = Canvas(320, 310);
    {
        TGPGraphics g(&target);
        picture.GDIPDraw(&g, TRect{0, 0, 320, 310});
    }
    EXPECT_EQ(target.pixel(5, 5), qRgb(0, 0, 255));
}

TEST(Picture, FormatsAreRecognised) {
    struct Case {
        const char* format;
        TGPImageFormat expected;
    };
    for (const Case c : {Case{"BMP", ifBMP}, Case{"PNG", ifPNG}, Case{"JPG", ifJPEG}, Case{"TIFF", ifTIFF}}) {
        const TGPImage image(ImageFile(Thumb(), c.format));
        EXPECT_EQ(image.GetFormat(), c.expected) << c.format;
        EXPECT_EQ(image.GetWidth(), 16u) << c.format;
    }
    const TGPImage gif(kGif);
    EXPECT_EQ(gif.GetFormat(), ifGIF);
    EXPECT_EQ(gif.GetWidth(), 1u);
    EXPECT_TRUE(gif.HasPalette());
}

TEST(Picture, ResourcesAndUrls) {
    TAdvGDIPPicture picture;
    picture.LoadFromURL(QStringLiteral("rEs://LOGO"));
    EXPECT_FALSE(picture.Empty());
    EXPECT_EQ(picture.Width(), 3);

    TAdvGDIPPicture other;
    other.LoadFromURL(QStringLiteral("FILE://"));
    other.LoadFromURL(QStringLiteral("LOGO"));
    EXPECT_TRUE(other.Empty());
    other.LoadFromResourceID(7);
    EXPECT_EQ(other.Height(), 2);
    EXPECT_THROW(other.LoadFromResourceID(8), std::runtime_error);

    // A file that cannot be read leaves the picture empty.
    TGDIPPicture missing;
    missing.LoadFromFile(QStringLiteral("/nonexistent/none.png"));
    EXPECT_TRUE(missing.Empty());
}

TEST(Picture, HeaderReadersOnSmallFiles) {
    const QImage image = Solid(21, 13, Qt::darkCyan);
    const QByteArray png = ImageFile(image, "PNG");
    const QByteArray jpeg = ImageFile(image, "JPG");
    const QByteArray wide = ImageFile(Solid(70000, 1, Qt::black), "PNG");
    QByteArray lossless = jpeg;  // the frame marker turned into C3
    const qsizetype frame = lossless.indexOf(QByteArray("\xFF\xC0\x00\x11\x08", 5));
    ASSERT_GT(frame, 0);
    lossless[frame + 1] = char(0xC3);
    const bool haveTiff = !ImageFile(image, "TIFF").isEmpty();
    // A big-endian file: its offset and values read as little-endian words.
    const QByteArray bigEndian("MM\0\x2A\x08\0\0\0\x02\0"
                               "\x00\x01\0\x03\0\0\0\x01\0\x15\0\0"
                               "\x01\x01\0\x03\0\0\0\x01\0\x0D\0\0",
                               34);
    struct Case {
        const char* name;
        const char* ext;
        QByteArray data;
        int w, h;
    };
    const std::vector<Case> cases = {
        {"png", ".png", png, 21, 13},
        {"png upper-case extension", ".PNG", png, 21, 13},
        {"bmp", ".bmp", ImageFile(image, "BMP"), 21, 13},
        {"jpeg", ".jpeg", jpeg, 21, 13},
        {"gif with colour table", ".gif", kGif, 1, 1},
        {"tiff", ".tiff", ImageFile(image, "TIFF"), haveTiff ? 21 : 0, haveTiff ? 13 : 0},
        {"tif extension", ".tif", ImageFile(image, "TIFF"), 0, 0},
        {"wide png, low 16 bits", ".png", wide, 4464, 1},
        {"lossless jpeg", ".jpg", lossless, 0, 0},
        {"big-endian tiff read as little-endian", ".tiff", bigEndian, 0x1500, 0x0D00},
        {"truncated png", ".png", png.left(20), 0, 0},
        {"truncated bmp", ".bmp", ImageFile(image, "BMP").left(20), 0, 0},
        {"truncated jpeg", ".jpg", jpeg.left(30), 0, 0},
        {"jpeg segment past the end", ".jpg", QByteArray("\xFF\xD8\xFF\xE0\xFF\xF0\0\0", 8), 0, 0},
        {"jpeg segment shorter than its length", ".jpg", QByteArray("\xFF\xD8\xFF\xE0\0\x01\xFF\xC0", 8), 0, 0},
        {"gif without image", ".gif", QByteArray("GIF89a\x01\0\x01\0\0\0\0", 13), 0, 0},
        {"gif colour table past the end", ".gif", QByteArray("GIF89a\x01\0\x01\0\xF7\0\0\x2C", 14), 0, 0},
        {"tiff directory past the end", ".tiff", QByteArray("II\x2A\0\xFF\xFF\0\0", 8), 0, 0},
        {"tiff entries past the end", ".tiff", QByteArray("II\x2A\0\x08\0\0\0\xFF\xFF\0\x01", 12), 0, 0},
        {"no signature", ".png", QByteArray("hello world, this is long enough"), 0, 0},
        {"other extension", ".ico", png, 0, 0},
    };
    for (const Case& c : cases) {
        int w = -1, h = -1;
        ReadHeaderSize(QString::fromLatin1(c.ext), c.data, w, h);
        EXPECT_EQ(w, c.w) << c.name;
        EXPECT_EQ(h, c.h) << c.name;
    }
    // Through a file: the header reader's 16-bit width, the decoder's full width.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("wide.png"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(wide);
    file.close();
    TAdvGDIPPicture picture;
    picture.LoadFromFile(path);
    EXPECT_EQ(picture.Width(), 4464);
}
