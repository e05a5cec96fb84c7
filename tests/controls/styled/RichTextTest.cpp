#include "RtfDocument.h"
#include "rtflabel.h"

#include "ui/TForm.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// The format of the character at a position of the document's plain text.
QTextCharFormat FormatAt(QTextDocument& doc, int position) {
    QTextCursor c(&doc);
    c.setPosition(position + 1);
    return c.charFormat();
}

}  // namespace

TEST(Rtf, SnippetsOfTheSubset) {
    struct Case {
        const char* rtf;
        const char* text;
    };
    const Case cases[] = {
        {R"({\rtf1\ansi plain text})", "plain text"},
        {R"({\rtf1 one\par two})", "one\ntwo"},
        {R"({\rtf1 a\line b\tab c})", "a\nb\tc"},
        {R"({\rtf1 caf\'e9 \u8364? \u-3913? x})", "caf\u00E9 \u20AC \uF0B7 x"},
        {R"({\rtf1 \\ \{ \}})", "\\ { }"},
        {R"({\rtf1{\*\generator Writer;}{\info{\title T}}shown})", "shown"},
        {R"({\rtf1{\stylesheet{\s0 Normal;}}{\pict\pngblip 89504e47}text})", "text"},
        {R"({\rtf1\uc2\u8364 XYz})", "\u20ACz"},
        {R"({\rtf1 unbalanced {\b bold)", "unbalanced bold"},
        {R"({\rtf1 x}}}} y)", "x y"},
        {"", ""},
    };
    for (const Case& c : cases) {
        QTextDocument doc;
        ReadRtf(QByteArray(c.rtf), doc);
        EXPECT_EQ(doc.toPlainText(), QString::fromUtf8(c.text)) << c.rtf;
    }
    // A line break stays inside its paragraph.
    QTextDocument lines;
    ReadRtf(QByteArray(R"({\rtf1 a\line b\par c})"), lines);
    EXPECT_EQ(lines.blockCount(), 2);
}

TEST(Rtf, FontsColoursAndCharacterFormats) {
    const QByteArray rtf =
        R"({\rtf1\ansi\deff0{\fonttbl{\f0\fnil\fcharset0 Arial;}{\f1\froman Times New Roman;}})"
        R"({\colortbl ;\red255\green0\blue0;\red0\green0\blue255;})"
        R"(\f0\fs20 n{\b b}{\i i}{\ul u}\ulnone{\f1\fs36\cf1 R}\cf2 B\par\qc C})";
    QTextDocument doc;
    ReadRtf(rtf, doc);
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("nbiuRB\nC"));
    EXPECT_DOUBLE_EQ(FormatAt(doc, 0).fontPointSize(), 10.0);
    EXPECT_EQ(FormatAt(doc, 0).fontFamilies().toStringList().value(0), QStringLiteral("Arial"));
    EXPECT_EQ(FormatAt(doc, 1).fontWeight(), QFont::Bold);
    EXPECT_EQ(FormatAt(doc, 0).fontWeight(), QFont::Normal);
    EXPECT_TRUE(FormatAt(doc, 2).fontItalic());
    EXPECT_TRUE(FormatAt(doc, 3).fontUnderline());
    EXPECT_EQ(FormatAt(doc, 4).foreground().color(), QColor(255, 0, 0));
    EXPECT_DOUBLE_EQ(FormatAt(doc, 4).fontPointSize(), 18.0);
    EXPECT_EQ(FormatAt(doc, 4).fontFamilies().toStringList().value(0), QStringLiteral("Times New Roman"));
    EXPECT_EQ(FormatAt(doc, 5).foreground().color(), QColor(0, 0, 255));
    EXPECT_TRUE(doc.lastBlock().blockFormat().alignment() & Qt::AlignHCenter);

    // Written back and read again, the text and its formats survive.
    QTextDocument again;
    ReadRtf(WriteRtf(doc), again);
    EXPECT_EQ(again.toPlainText(), doc.toPlainText());
    EXPECT_EQ(FormatAt(again, 1).fontWeight(), QFont::Bold);
    EXPECT_EQ(FormatAt(again, 4).foreground().color(), QColor(255, 0, 0));
    EXPECT_TRUE(again.lastBlock().blockFormat().alignment() & Qt::AlignHCenter);
}

TEST(RichTextLabel, RendersTheDocumentOnePixelIn) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 120);
    TRTFLabel label(&form);
    label.SetParent(&form);
    label.SetBounds(0, 0, 300, 120);
    label.SetTransparent(false);
    label.SetColor(clWhite);
    label.Loaded();
    // Only the low byte of each character counts.
    QString text = QStringLiteral(R"({\rtf1{\colortbl ;\red200\green0\blue0;}\cf1\fs48 MMMM})");
    text[1] = QChar(0x7F00 | '\\');
    label.SetRichText(text);
    EXPECT_EQ(label.RtfBytes().at(1), '\\');
    form.Show();
    const QImage image = label.grab().toImage();
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
    int red = 0, left = 300, top = 120;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qRed(image.pixel(x, y)) > 150 && qGreen(image.pixel(x, y)) < 80) {
                ++red;
                left = std::min(left, x);
                top = std::min(top, y);
            }
    EXPECT_GT(red, 100);
    EXPECT_GE(left, 1);
    EXPECT_GE(top, 1);
}

TEST(RichTextLabel, UpdatesCaptureTheRichEdit) {
    TForm form(nullptr);
    TRTFLabel label(&form);
    label.SetParent(&form);
    label.BeginUpdate();
    label.BeginUpdate();
    TRichEdit* edit = label.RTF();
    ASSERT_NE(edit, nullptr);
    ReadRtf(QByteArray(R"({\rtf1 {\b captured} text})"), edit->Document());
    label.EndUpdate();
    EXPECT_TRUE(label.RichText().isEmpty());
    label.EndUpdate();
    QTextDocument doc;
    ReadRtf(label.RtfBytes(), doc);
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("captured text"));

    TRTFLabel orphan(nullptr);
    EXPECT_EQ(orphan.RTF(), nullptr);
}

// Print sends the label's document to the printer as a job titled with the caption; a label
// without a parent prints nothing.
TEST(RichTextLabel, PrintsTheDocumentUnderTheCaption) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto printTo = [&](TRTFLabel& label, const QString& name) {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(name));
        label.Print(QStringLiteral("Codes"), &printer);
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    TForm form(nullptr);
    TRTFLabel label(&form);
    label.SetParent(&form);
    label.SetRichText(QStringLiteral(R"({\rtf1 printed})"));
    const QByteArray pdf = printTo(label, QStringLiteral("a.pdf"));
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    const QByteArray title("\xfe\xff\0C\0o\0d\0e\0s", 12);
    EXPECT_TRUE(pdf.contains(title) || pdf.contains("(Codes)"));

    TRTFLabel orphan(nullptr);
    orphan.SetRichText(QStringLiteral(R"({\rtf1 printed})"));
    EXPECT_TRUE(printTo(orphan, QStringLiteral("b.pdf")).isEmpty());
}
