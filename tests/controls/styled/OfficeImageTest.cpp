#include "AdvOfficeImage.h"
#include "StyledTestSupport.h"

#include "ui/TForm.h"

#include <gtest/gtest.h>

#include <QBuffer>

namespace {

void Load(TGDIPPicture& picture, const QImage& image, const char* format) {
    QBuffer buffer;
    buffer.setData(ImageFile(image, format));
    buffer.open(QIODevice::ReadOnly);
    picture.LoadFromStream(&buffer);
}

}  // namespace

TEST(OfficeImage, CentresStretchesAndCuts) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 700, 200);
    TAdvOfficeImage image(&form);
    image.SetParent(&form);
    image.SetBounds(50, 10, 630, 113);
    Load(image.Picture(), Solid(537, 67, QColor(20, 120, 200)), "JPG");
    form.Show();
    EXPECT_EQ(image.PicturePos(), QPoint(46, 23));
    QImage shown = image.grab().toImage();
    EXPECT_NEAR(qBlue(shown.pixel(46 + 268, 23 + 33)), 200, 6);

    // Wider than the control: a negative offset when centred, (0, 0) and cut otherwise.
    Load(image.Picture(), Solid(700, 40, Qt::green), "PNG");
    EXPECT_EQ(image.PicturePos().x(), -35);
    image.SetCenter(false);
    EXPECT_EQ(image.PicturePos(), QPoint(0, 0));
    image.SetStretch(true);
    shown = image.grab().toImage();
    EXPECT_EQ(shown.pixel(620, 100), qRgb(0, 255, 0));
}

TEST(OfficeImage, HintRecord) {
    TAdvHintInfo hint;
    Load(hint.Picture(), Solid(4, 4, Qt::red), "PNG");
    EXPECT_TRUE(hint.IsEmpty());  // a picture alone does not count
    hint.Notes << QStringLiteral("note");
    EXPECT_FALSE(hint.IsEmpty());
    hint.Title = QStringLiteral("Title");
    TAdvHintInfo copy;
    copy.Assign(hint);
    EXPECT_EQ(copy.Title, QStringLiteral("Title"));
    EXPECT_EQ(copy.Notes, QStringList{QStringLiteral("note")});
    EXPECT_EQ(copy.Picture().Bytes(), hint.Picture().Bytes());
}
