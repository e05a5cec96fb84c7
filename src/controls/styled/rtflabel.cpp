#include "rtflabel.h"

#include "RtfDocument.h"

#include "ui/TWinControl.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextOption>

#include <cmath>

void TRichEdit::LoadFromStream(const QByteArray& bytes) {
    if (PlainText)
        FDocument.setPlainText(QString::fromLatin1(bytes));
    else
        ReadRtf(bytes, FDocument);
}

QByteArray TRichEdit::SaveToStream() const { return WriteRtf(FDocument); }

void TRichEdit::Print(const QString& title, QPrinter* printer) {
    QPrinter standard;
    QPrinter& target = printer ? *printer : standard;
    target.setDocName(title);
    FDocument.print(&target);
}

TRTFLabel::TRTFLabel(TComponent* owner) : TGraphicControl(owner), FRichedit(std::make_unique<TRichEdit>()) {
    SetColor(clWindow);
}

TRTFLabel::~TRTFLabel() = default;

void TRTFLabel::Loaded() {
    FRichedit->WordWrap = false;
    SetCaption(QString());
}

void TRTFLabel::SetRichText(const QString& text) {
    FRichtext = text;
    Invalidate();
}

void TRTFLabel::SetTransparent(bool value) {
    FTransparent = value;
    Invalidate();
}

void TRTFLabel::SetWordWrap(bool value) {
    FWordWrap = value;
    if (Parent() && FRichedit && !Loading()) FRichedit->WordWrap = value;
    Invalidate();
}

QByteArray TRTFLabel::RtfBytes() const {
    QByteArray bytes;
    bytes.reserve(FRichtext.size());
    for (const QChar c : FRichtext) bytes += char(c.unicode() & 0xFF);
    return bytes;
}

TRichEdit* TRTFLabel::RTF() {
    if (!Parent() || !FRichedit) return nullptr;
    FRichedit->Clear();
    return FRichedit.get();
}

void TRTFLabel::EndUpdate() {
    if (FUpdateCount > 0) --FUpdateCount;
    if (FUpdateCount == 0) ShowRTF();
}

void TRTFLabel::ShowRTF() {
    if (!Parent() || !FRichedit) return;
    CopyFromRichEdit(*FRichedit);
}

void TRTFLabel::CopyFromRichEdit(TRichEdit& richedit) {
    const QByteArray bytes = richedit.SaveToStream();
    QString text;
    text.reserve(bytes.size());
    for (const char b : bytes) text += QChar(uchar(b));
    FRichtext = text;
    Invalidate();
    repaint();
}

void TRTFLabel::CopyToRichEdit(TRichEdit& richedit) const {
    richedit.PlainText = false;
    richedit.LoadFromStream(RtfBytes());
}

void TRTFLabel::Print(const QString& caption, QPrinter* printer) {
    if (!Parent() || !FRichedit) return;
    CopyToRichEdit(*FRichedit);
    FRichedit->Print(caption, printer);
}

void TRTFLabel::PaintTo(TCanvas& canvas) { RenderRichText(canvas, TRect{0, 0, Width(), Height()}); }

void TRTFLabel::Paint() {
    TCanvas& canvas = Canvas();
    if (QPainter* p = canvas.Painter()) {
        p->setCompositionMode(QPainter::CompositionMode_Source);
        p->fillRect(rect(), FTransparent ? QColor(Qt::transparent) : ToQColor(ColorToRGB(Color())));
        p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    if (FUpdateCount > 0 || !FRichedit || FPainting || !Parent()) return;
    FPainting = true;
    RenderRichText(canvas, TRect{0, 0, Width(), Height()});
    FPainting = false;
}

void TRTFLabel::RenderRichText(TCanvas& canvas, const TRect& r) {
    FRichedit->PlainText = false;
    FRichedit->LoadFromStream(RtfBytes());
    QPainter* p = canvas.Painter();
    if (!p) return;
    int dx = p->device() ? p->device()->logicalDpiX() : 0, dy = p->device() ? p->device()->logicalDpiY() : 0;
    if (dx <= 0) dx = 96;
    if (dy <= 0) dy = 96;
    // The page in twips, one pixel in from the left and the top, as the rich edit lays it out.
    const long left = std::lround((r.Left + 1) / double(dx) * 1440), top = std::lround((r.Top + 1) / double(dy) * 1440);
    const long width = std::lround((r.Width() - 1) / double(dx) * 1440);
    const long height = std::lround((r.Height() - 1) / double(dy) * 1440);
    const QRectF page(left * dx / 1440.0, top * dy / 1440.0, width * dx / 1440.0, height * dy / 1440.0);
    QTextDocument& doc = FRichedit->Document();
    doc.setDocumentMargin(0);
    QTextOption option = doc.defaultTextOption();
    option.setWrapMode(FRichedit->WordWrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    doc.setDefaultTextOption(option);
    // Paragraphs align within the page; without word wrap long lines run past it (clipped).
    doc.setTextWidth(page.width());
    p->save();
    p->setRenderHint(QPainter::TextAntialiasing, true);
    p->translate(page.topLeft());
    p->setClipRect(QRectF(0, 0, page.width(), page.height()));
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(0, 0, page.width(), page.height());
    context.palette.setColor(QPalette::Text, Qt::black);
    doc.documentLayout()->draw(p, context);
    p->restore();
    canvas.Changed(r.ToQRect());
}
