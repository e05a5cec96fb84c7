#include "MiniHtml.h"
#include "StyledTestSupport.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

namespace {

QImage Surface(int w = 400, int h = 200) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    return image;
}

THtmlRender Html(const QString& text, int width = 400, int height = 200) {
    THtmlRender h;
    h.Font.SetName(QStringLiteral("Tahoma"));
    h.Font.SetHeight(-11);
    h.Font.SetColor(clWhite);
    h.Text = text;
    h.LineSpacing = 2;
    h.Rect = TRect{0, 0, width, height};
    return h;
}

// Renders on a fresh black surface; returns the surface.
QImage Render(THtmlRender& h, bool* result = nullptr) {
    QImage image = Surface(h.Rect.Width(), h.Rect.Height());
    TGPGraphics g(&image);
    const bool r = RenderHtmlText(&g, h);
    if (result) *result = r;
    return image;
}

int Lit(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) != qRgb(0, 0, 0);
    return n;
}

int GhHeight(const TFont& font) {
    QImage image = Surface(10, 10);
    TGPGraphics g(&image);
    return g.TextHeight(QStringLiteral("gh"), font);
}

}  // namespace

TEST(MiniHtml, EmptyTextAndMeasureOnly) {
    THtmlRender empty = Html(QString());
    const QImage drawn = Render(empty);
    EXPECT_EQ(empty.Height, GhHeight(empty.Font) + 2);
    EXPECT_EQ(empty.Width, 2);
    EXPECT_EQ(Lit(drawn), 0);

    THtmlRender measured = Html(QStringLiteral("Loading <B>Program</B>"), 400, 5);
    measured.MeasureOnly = true;
    EXPECT_EQ(Lit(Render(measured)), 0);
    EXPECT_GT(measured.Width, 40);
    EXPECT_GE(measured.Height, GhHeight(measured.Font) + 2);  // the rectangle's bottom did not stop it
}

TEST(MiniHtml, TheSplashLineIsOneWhiteTwentyPointLine) {
    THtmlRender h = Html(QStringLiteral("<FONT size=\"20\" color=\"clWhite\">Loading Program....</FONT><br>"), 500, 250);
    h.Font.SetColor(clBlack);
    const QImage image = Render(h);
    TFont big = h.Font;
    big.SetSize(20);
    EXPECT_EQ(h.Height, GhHeight(big) + 2);  // one line, no line spacing after the last
    EXPECT_EQ(h.PlainText, QStringLiteral("Loading Program....\r"));
    int white = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) white += image.pixel(x, y) == qRgb(255, 255, 255);
    EXPECT_GT(white, 200);
}

TEST(MiniHtml, TagsEntitiesAndColours) {
    struct Case {
        const char* text;
        const char* plain;
        int lines;
    };
    for (const Case& c : {Case{"a&amp;b", "a&b", 1}, Case{"x<BR>y", "x\ry", 2}, Case{"&lt;tag&gt; &euro;", "<tag> \u20AC", 1},
                          Case{"<B>bold</B> plain", "bold plain", 1}, Case{"<Z>hidden</Z>shown", "hiddenshown", 1},
                          Case{"cut <unclosed", "cut ", 1}, Case{"<UNKNOWN>text</UNKNOWN>", "text", 1}}) {
        THtmlRender h = Html(QString::fromUtf8(c.text));
        Render(h);
        EXPECT_EQ(h.PlainText, QString::fromUtf8(c.plain)) << c.text;
        const int gh = GhHeight(h.Font);
        EXPECT_EQ(h.Height, c.lines * gh + (c.lines - 1) * 2 + 2) << c.text;
    }
    EXPECT_EQ(HtmlColor(QStringLiteral("#FF0000")), 0x0000FFu);
    EXPECT_EQ(HtmlColor(QStringLiteral("#ff8000")), 0x0080FFu);
    EXPECT_EQ(HtmlColor(QStringLiteral("#F")), 0x0000F0u);  // missing digits are 0
    EXPECT_EQ(HtmlColor(QStringLiteral("CLWHITE")), clWhite);
    EXPECT_EQ(HtmlColor(QStringLiteral("clHighlight")), clHighlight);
    EXPECT_EQ(HtmlColor(QStringLiteral("nocolour")), 0u);
    EXPECT_EQ(HtmlNumber(QStringLiteral("  12px")), 12);
    EXPECT_EQ(HtmlNumber(QStringLiteral("$1F")), 31);
    EXPECT_EQ(HtmlNumber(QStringLiteral("0x10")), 16);
    EXPECT_EQ(HtmlNumber(QStringLiteral("none")), 0);
    EXPECT_EQ(HtmlNumber(QStringLiteral("99999999999999999999")), 100000);

    // SIZE 3 is 12 points, COLOR "#FF0000" red text; a huge size is held.
    THtmlRender sized = Html(QStringLiteral("<FONT SIZE=\"3\" COLOR=\"#FF0000\">Ag</FONT>"));
    const QImage red = Render(sized);
    TFont twelve = sized.Font;
    twelve.SetSize(12);
    EXPECT_EQ(sized.Height, GhHeight(twelve) + 2);
    bool anyRed = false;
    for (int y = 0; y < red.height() && !anyRed; ++y)
        for (int x = 0; x < red.width() && !anyRed; ++x) anyRed = red.pixel(x, y) == qRgb(255, 0, 0);
    EXPECT_TRUE(anyRed);
    THtmlRender huge = Html(QStringLiteral("<FONT SIZE=\"999999999\">A</FONT>"));
    huge.MeasureOnly = true;
    Render(huge);
    EXPECT_LT(huge.Height, 1000);
}

TEST(MiniHtml, WrappingAndEllipsis) {
    const QString words = QStringLiteral("alpha beta gamma delta epsilon zeta eta theta");
    THtmlRender wrapped = Html(words, 120, 200);
    Render(wrapped);
    THtmlRender single = Html(words, 2000, 200);
    Render(single);
    EXPECT_GT(wrapped.Height, 2 * single.Height - 4);
    EXPECT_LE(wrapped.Width, 124);

    // A word longer than the rectangle stays whole on its own line.
    THtmlRender longWord = Html(QStringLiteral("a Supercalifragilisticexpialidocious b"), 60, 200);
    Render(longWord);
    EXPECT_GT(longWord.Width, 60);

    // Without word wrap the line is cut with an ellipsis inside the rectangle.
    THtmlRender cut = Html(words, 120, 40);
    cut.WordWrap = false;
    const QImage image = Render(cut);
    EXPECT_EQ(cut.Height, single.Height);
    int beyond = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 121; x < image.width(); ++x) beyond += image.pixel(x, y) != qRgb(0, 0, 0);
    EXPECT_EQ(beyond, 0);
}

TEST(MiniHtml, AnchorsAndTheTestPoint) {
    THtmlRender h = Html(QStringLiteral("see <A href=\"first\">one</A> and <A href=\"second\">two</A>"));
    h.FocusLink = 1;
    Render(h);
    EXPECT_EQ(h.AnchorCount, 2);
    EXPECT_EQ(h.FocusAnchor, QStringLiteral("second"));
    EXPECT_EQ(h.MouseLink, -1);

    THtmlRender probe = Html(h.Text);
    probe.MeasureOnly = true;
    Render(probe);
    // Aim at the first anchor: half way into "see one".
    THtmlRender hit = Html(h.Text);
    hit.HitTestOnly = true;
    QImage scratch = Surface();
    TGPGraphics g(&scratch);
    const int seeWidth = g.TextWidth(QStringLiteral("see "), hit.Font);
    hit.TestPoint = QPoint(1 + seeWidth + 4, 5);
    EXPECT_TRUE(RenderHtmlText(&g, hit));
    EXPECT_EQ(hit.Anchor, QStringLiteral("first"));
    EXPECT_EQ(hit.MouseLink, 1);
    EXPECT_GT(hit.HoverRect.Width(), 0);
}

TEST(MiniHtml, PicturesFromTheContainer) {
    TGDIPPictureContainer container(nullptr);
    TPictureItem* item = container.Items().Add();
    item->SetName(QStringLiteral("Dot"));
    QBuffer png;
    png.setData(ImageFile(Solid(10, 30, Qt::green), "PNG"));
    png.open(QIODevice::ReadOnly);
    item->Picture().LoadFromStream(&png);
    THtmlRender h = Html(QStringLiteral("x<IMG src=\"dot\">y<IMG src=\"missing\">"));
    h.Pictures = &container;
    const QImage image = Render(h);
    EXPECT_GE(h.Height, 30 + 2);
    int green = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) green += image.pixel(x, y) == qRgb(0, 255, 0);
    EXPECT_EQ(green, 300);
}

// "IDX:n" draws entry n of the image list (in WIDTH x HEIGHT when both are given); an index
// beyond the list, no list, or printing draws nothing and leaves the pen where it was.
TEST(MiniHtml, ImageListPictures) {
    TImageList list(8, 12);
    list.Add(Solid(8, 12, Qt::green));
    list.Add(Solid(8, 12, Qt::blue));
    struct Case {
        const char* text;
        bool withList, print;
        int green, blue, width;
    };
    for (const Case& c : {Case{"<IMG src=\"IDX:1\">", true, false, 0, 96, 8 + 2},
                          Case{"<IMG src=\"idx:0\" width=\"4\" height=\"5\">", true, false, 20, 0, 4 + 2},
                          Case{"<IMG src=\"IDX:2\">", true, false, 0, 0, 0 + 2},
                          Case{"<IMG src=\"IDX:-1\">", true, false, 0, 0, 0 + 2},
                          Case{"<IMG src=\"IDX:0\">", false, false, 0, 0, 0 + 2},
                          Case{"<IMG src=\"IDX:0\">", true, true, 0, 0, 0 + 2}}) {
        THtmlRender h = Html(QString::fromLatin1(c.text));
        if (c.withList) h.Images = &list;
        h.Print = c.print;
        const QImage image = Render(h);
        int green = 0, blue = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                green += image.pixel(x, y) == qRgb(0, 255, 0);
                blue += image.pixel(x, y) == qRgb(0, 0, 255);
            }
        EXPECT_EQ(green, c.green) << c.text << c.print;
        EXPECT_EQ(blue, c.blue) << c.text << c.print;
        EXPECT_EQ(h.Width, c.width) << c.text << c.print;
    }
}

TEST(PictureContainer, FindsByNameIgnoringCase) {
    TGDIPPictureContainer container(nullptr);
    EXPECT_EQ(container.FindPicture(QStringLiteral("logo")), nullptr);
    TPictureItem* first = container.Items().Add();
    first->SetName(QStringLiteral("LoGo"));
    TPictureItem* second = container.Items().Add();
    second->SetName(QStringLiteral("logo"));
    EXPECT_EQ(container.FindPicture(QStringLiteral("LOGO")), &first->Picture());
    EXPECT_EQ(container.FindPicture(QStringLiteral("other")), nullptr);
    QBuffer png;
    png.setData(ImageFile(Solid(3, 3, Qt::red), "PNG"));
    png.open(QIODevice::ReadOnly);
    first->Picture().LoadFromStream(&png);
    first->SetTag(7);
    second->Assign(*first);
    EXPECT_EQ(second->Tag(), 7);
    EXPECT_EQ(second->Picture().Bytes(), first->Picture().Bytes());
    EXPECT_NE(&second->Picture(), &first->Picture());
}
