#include "core/iPlotFont.h"
#include "core/iPropertyText.h"
#include "rtl/Exception.h"
#include "rtl/FloatText.h"

#include <gtest/gtest.h>

namespace {

enum Shape { shRound, shSquare, shStar };

// A small object with one property of each kind, with declared defaults.
class Sample : public TiPersistent {
public:
    static const TiPublishedClass& Published() {
        using namespace published;
        using C = Sample;
        static const TiPublishedClass info(
            QStringLiteral("TSample"), nullptr,
            {Prop<C>("Count", &C::Count, &C::SetCount, 5), Prop<C>("Shape", &C::GetShape, &C::SetShape, shSquare),
             Prop<C>("Flag", &C::Flag, &C::SetFlag, 1), Prop<C>("Factor", &C::Factor, &C::SetFactor),
             Prop<C>("Text", &C::Text, &C::SetText), Prop<C>("Color", &C::Color, &C::SetColor),
             Object<C>("Font", &C::FontObject), Prop<C>("ReadOnly", &C::Count, nullptr)});
        return info;
    }
    const TiPublishedClass& PublishedClass() const override { return Published(); }

    int Count() const { return count; }
    void SetCount(int v) { count = v; }
    Shape GetShape() const { return shape; }
    void SetShape(Shape v) { shape = v; }
    bool Flag() const { return flag; }
    void SetFlag(bool v) { flag = v; }
    double Factor() const { return factor; }
    void SetFactor(double v) { factor = v; }
    const QString& Text() const { return text; }
    void SetText(const QString& v) { text = v; }
    TColor Color() const { return color; }
    void SetColor(TColor v) { color = v; }
    TiPlotFont& FontObject() { return font; }

    int count = 5;
    Shape shape = shSquare;
    bool flag = true;
    double factor = 0;
    QString text;
    TColor color = clWhite;
    TiPlotFont font;
};

// A descendant: its own properties follow its ancestor's.
class Derived : public Sample {
public:
    static const TiPublishedClass& Published() {
        using namespace published;
        static const TiPublishedClass info(QStringLiteral("TDerived"), &Sample::Published(),
                                           {Prop<Derived>("Extra", &Derived::Extra, &Derived::SetExtra)});
        return info;
    }
    const TiPublishedClass& PublishedClass() const override { return Published(); }
    int Extra() const { return extra; }
    void SetExtra(int v) { extra = v; }
    int extra = 0;
};

TEST(PropertyText, WritesEveryStoredPropertyAncestorsFirst) {
    Derived d;
    d.text = QStringLiteral("two\r\nlines");
    d.color = 8421631;
    d.font.SetColor(clYellow);
    QStringList lines;
    SavePropertiesToList(d, QStringLiteral("Channel0"), lines, false);
    const QStringList expected = {
        QStringLiteral("Channel0.Count = 5"),
        QStringLiteral("Channel0.Shape = 1"),
        QStringLiteral("Channel0.Flag = 1"),
        QStringLiteral("Channel0.Factor = 0"),
        QStringLiteral("Channel0.Text = two#13#10lines"),
        QStringLiteral("Channel0.Color = 8421631"),
        QStringLiteral("Channel0.Font.Color = 65535"),
        QStringLiteral("Channel0.Font.Height = -11"),
        QStringLiteral("Channel0.Font.Name = Tahoma"),
        QStringLiteral("Channel0.Font.Style = 0"),
        QStringLiteral("Channel0.Extra = 0"),
    };
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(d.PublishedClass().Properties().front()->Name, QStringLiteral("Count"));
    EXPECT_TRUE(d.PublishedClass().InheritsFrom(QStringLiteral("TSample")));
}

TEST(PropertyText, DifferentialLeavesOutOrdinalDefaultsButNotFloats) {
    Sample s;
    s.count = 6;
    s.color = clNone;  // a colour as its signed value
    QStringList lines;
    const QStringList exclusions = {QStringLiteral("font.name")};
    SavePropertiesToList(s, QString(), lines, true, &exclusions);
    EXPECT_TRUE(lines.contains(QStringLiteral("Count = 6")));
    EXPECT_FALSE(lines.contains(QStringLiteral("Shape = 1")));
    EXPECT_FALSE(lines.contains(QStringLiteral("Flag = 1")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Factor = 0")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Color = 536870911")));
    EXPECT_FALSE(lines.join(QLatin1Char('|')).contains(QStringLiteral("Font.Name")));
}

TEST(PropertyText, PathsAndValuesAreCutTo255CharactersThenTheLine) {
    Sample s;
    s.text = QString(300, QLatin1Char('x'));
    QStringList lines;
    SavePropertiesToList(s, QString(), lines, false);
    // The value is cut to 255, then the joined line "Text = xxx..." is cut to 255 too.
    EXPECT_TRUE(lines.contains(QStringLiteral("Text = ") + QString(248, QLatin1Char('x'))));
    lines.clear();
    SavePropertiesToList(s, QString(280, QLatin1Char('p')), lines, false);
    for (const QString& line : lines) EXPECT_LE(line.size(), 255);
    EXPECT_TRUE(lines.contains(QString(255, QLatin1Char('p'))));
}

TEST(PropertyText, ReadsBackWhatItWrote) {
    Sample a;
    a.count = 9, a.shape = shStar, a.flag = false, a.factor = -12.75, a.text = QStringLiteral("a\rb\nc");
    a.color = 0x80FFFF;
    a.font.SetName(QStringLiteral("Arial"));
    a.font.SetStyle(fsBold);
    QStringList lines;
    SavePropertiesToList(a, QString(), lines, false);
    Sample b;
    b.count = 0;
    LoadPropertiesFromList(b, QString(), lines);
    EXPECT_TRUE(lines.isEmpty());
    EXPECT_EQ(b.count, 9);
    EXPECT_EQ(b.shape, shStar);
    EXPECT_FALSE(b.flag);
    EXPECT_DOUBLE_EQ(b.factor, -12.75);
    EXPECT_EQ(b.text, QStringLiteral("a\rb\nc"));
    EXPECT_EQ(b.color, 0x80FFFFu);
    EXPECT_EQ(b.font.Name(), QStringLiteral("Arial"));
    EXPECT_EQ(b.font.Style(), TFontStyles(fsBold));
}

TEST(PropertyText, DecimalSeparatorsAreExchangedWhenReading) {
    Sample s;
    SetPropertyFromText(s, QStringLiteral("Factor"), QStringLiteral("1,5"), QLatin1Char('.'));
    EXPECT_DOUBLE_EQ(s.factor, 1.5);
    FormatSettings().DecimalSeparator = QLatin1Char(',');
    SetPropertyFromText(s, QStringLiteral("Factor"), QStringLiteral("2.5"), QLatin1Char(','));
    FormatSettings().DecimalSeparator = QLatin1Char('.');
    EXPECT_DOUBLE_EQ(s.factor, 2.5);
    // "#13" and "#10" in any letter case.
    SetPropertyFromText(s, QStringLiteral("TEXT"), QStringLiteral("a#13#10b#0A"), QLatin1Char('.'));
    EXPECT_EQ(s.text, QStringLiteral("a\r\nb#0A"));
}

TEST(PropertyText, SectionsUnknownNamesAndBadNumbers) {
    Sample s;
    QStringList lines = {QStringLiteral("channel.Count = 3"), QStringLiteral("Channel.Nothing = 1"),
                         QStringLiteral("Channel.Font.Color = 255"), QStringLiteral("Axis.Count = 4"),
                         QStringLiteral("Channel.Count = 8")};
    // The first line's component matches only without regard to case: the loop stops there.
    LoadPropertiesFromList(s, QStringLiteral("Channel"), lines);
    EXPECT_EQ(lines.size(), 5);
    lines.removeFirst();
    LoadPropertiesFromList(s, QStringLiteral("Channel"), lines);
    EXPECT_EQ(s.font.Color(), 255u);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines.first(), QStringLiteral("Axis.Count = 4"));
    EXPECT_EQ(s.count, 5);

    EXPECT_THROW(SetPropertyFromText(s, QStringLiteral("Count"), QStringLiteral("many"), QLatin1Char('.')),
                 EConvertError);
    SetPropertyFromText(s, QStringLiteral("ReadOnly"), QStringLiteral("1"), QLatin1Char('.'));
    EXPECT_EQ(s.count, 5);
}

TEST(PropertyText, ListKeysAndNameValueSplitting) {
    QString name, value;
    SplitNameValue(QStringLiteral(" A.B = x = y "), QLatin1Char('='), name, value);
    EXPECT_EQ(name, QStringLiteral("A.B"));
    EXPECT_EQ(value, QStringLiteral("x = y"));
    SplitNameValue(QStringLiteral("novalue"), QLatin1Char('='), name, value);
    EXPECT_TRUE(name.isEmpty() && value.isEmpty());

    QStringList lines = {QStringLiteral("File Type = Plot Config"), QStringLiteral("ChannelCount = 2")};
    EXPECT_TRUE(DeleteListKey(QStringLiteral("channelcount"), value, lines));
    EXPECT_EQ(value, QStringLiteral("2"));
    EXPECT_EQ(lines.size(), 1);
    EXPECT_FALSE(DeleteListKey(QStringLiteral("ChannelCount"), value, lines));

    Sample s;
    EXPECT_EQ(GetObjectPropByName(s, QStringLiteral("font")), &s.font);
    EXPECT_EQ(GetObjectPropByName(s, QStringLiteral("Count")), nullptr);
}

}  // namespace
