#pragma once
// A window-less label that shows a rich-text (RTF) document kept as a string (one byte per
// character), rendered on every paint through a hidden rich-edit stand-in.
#include "graphics/TCanvas.h"
#include "ui/TGraphicControl.h"

#include <QTextDocument>

#include <memory>

class QPrinter;

// The hidden rich edit: a document loaded from and saved to RTF.
class TRichEdit {
public:
    QTextDocument& Document() { return FDocument; }
    // Loads the lines from an RTF stream (PlainText false) or as plain text.
    void LoadFromStream(const QByteArray& bytes);
    QByteArray SaveToStream() const;
    // Prints the document as a job of that title, on the given printer or the default one.
    void Print(const QString& title, QPrinter* printer = nullptr);
    void Clear() { FDocument.clear(); }
    bool PlainText = false;
    bool WordWrap = true;

private:
    QTextDocument FDocument;
};

class TRTFLabel : public TGraphicControl {
    Q_OBJECT
public:
    explicit TRTFLabel(TComponent* owner);
    ~TRTFLabel() override;

    void Loaded() override;
    QString RichText() const { return FRichtext; }
    void SetRichText(const QString& text);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    QString Version() const { return QStringLiteral("1.3.1.0"); }
    void SetVersion(const QString&) {}
    // WordWrap does not reach the rich edit while the layout loads (Loading()).

    // The rich edit, cleared for filling; null without a parent.
    TRichEdit* RTF();
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    // Captures the rich edit's content into RichText and repaints.
    void ShowRTF();
    void CopyFromRichEdit(TRichEdit& richedit);
    void CopyToRichEdit(TRichEdit& richedit) const;
    // Prints the document with the caption as the job's title (the default printer when none
    // is given); nothing without a parent.
    void Print(const QString& caption, QPrinter* printer = nullptr);
    void PaintTo(TCanvas& canvas);
    // The document's bytes: the low byte of each character of RichText.
    QByteArray RtfBytes() const;

protected:
    void Paint() override;

private:
    void RenderRichText(TCanvas& canvas, const TRect& r);

    std::unique_ptr<TRichEdit> FRichedit;
    QString FRichtext;
    int FUpdateCount = 0;
    bool FWordWrap = false;
    bool FPainting = false;
    bool FTransparent = false;
};
