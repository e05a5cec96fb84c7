#include "graphics/DrawText.h"

#include <QFontMetrics>
#include <QStringList>

#include <algorithm>

namespace {

const QString kEllipsis = QStringLiteral("...");

// Splits one paragraph into lines no wider than `width`, breaking between words; a word
// wider than the line stands on a line of its own.
QStringList WrapWords(const TCanvas& canvas, const QString& paragraph, int width) {
    // Spaces at the end of a line take no room.
    QString trimmed = paragraph;
    while (trimmed.endsWith(QLatin1Char(' '))) trimmed.chop(1);
    if (canvas.TextWidth(trimmed) <= width) return {trimmed};
    QStringList lines;
    const QStringList words = paragraph.split(QLatin1Char(' '));
    QString line;
    for (const QString& word : words) {
        const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && canvas.TextWidth(candidate) > width) {
            lines << line;
            line = word;
        } else {
            line = candidate;
        }
    }
    lines << line;
    return lines;
}

// The line shortened with "..." at its end (or in its middle for a path) to fit `width`.
QString Ellipsized(const TCanvas& canvas, const QString& line, int width, bool path) {
    if (canvas.TextWidth(line) <= width) return line;
    if (path) {
        // Keep the last path element and shorten what comes before it.
        const int cut = std::max(line.lastIndexOf(QLatin1Char('\\')), line.lastIndexOf(QLatin1Char('/')));
        const QString tail = cut >= 0 ? line.mid(cut) : QString();
        QString head = cut >= 0 ? line.left(cut) : line;
        while (!head.isEmpty() && canvas.TextWidth(head + kEllipsis + tail) > width) head.chop(1);
        return head + kEllipsis + tail;
    }
    QString head = line;
    while (!head.isEmpty() && canvas.TextWidth(head + kEllipsis) > width) head.chop(1);
    return head + kEllipsis;
}

}  // namespace

QString StripPrefixes(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
        else if (text[i] == QLatin1Char('&')) continue;
        out += text[i];
    }
    return out;
}

int DrawText(TCanvas& canvas, const QString& text, TRect& rect, unsigned format) {
    QString shown = format & DT_NOPREFIX ? text : StripPrefixes(text);
    if (format & DT_EXPANDTABS) shown.replace(QLatin1Char('\t'), QStringLiteral("        "));
    const int width = rect.Width();
    const int lineHeight = canvas.TextHeight(QStringLiteral("Yy"));

    QStringList lines;
    if (format & DT_SINGLELINE) {
        shown.replace(QLatin1String("\r\n"), QLatin1String(" "))
            .replace(QLatin1Char('\n'), QLatin1Char(' '))
            .replace(QLatin1Char('\r'), QLatin1Char(' '));
        lines << shown;
    } else {
        QString unified = shown;
        unified.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
        for (const QString& p : unified.split(QLatin1Char('\n'))) {
            if (format & DT_WORDBREAK)
                lines << WrapWords(canvas, p, width);
            else
                lines << p;
        }
    }
    if (format & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS))
        for (QString& line : lines) line = Ellipsized(canvas, line, std::max(0, width), (format & DT_PATH_ELLIPSIS) != 0);

    int textWidth = 0;
    for (const QString& line : lines) textWidth = std::max(textWidth, canvas.TextWidth(line));
    const int textHeight = int(lines.size()) * lineHeight;

    if (format & DT_CALCRECT) {
        rect.Right = rect.Left + textWidth;
        rect.Bottom = rect.Top + textHeight;
        return textHeight;
    }

    int top = rect.Top;
    int result = textHeight;
    if (format & DT_SINGLELINE) {
        if (format & DT_BOTTOM)
            top = rect.Bottom - textHeight;
        else if (format & DT_VCENTER)
            top = rect.Top + (rect.Height() - textHeight) / 2;
        if (format & (DT_BOTTOM | DT_VCENTER)) result = top - rect.Top + textHeight;
    }

    if (!canvas.Target()) return result;
    // Clip through the canvas, within any clip it already has.
    const std::optional<TRect> oldClip = canvas.ClipRect();
    const bool clip = !(format & DT_NOCLIP);
    if (clip) {
        TRect r = rect;
        if (oldClip) {
            r.Left = std::max(r.Left, oldClip->Left);
            r.Top = std::max(r.Top, oldClip->Top);
            r.Right = std::min(r.Right, oldClip->Right);
            r.Bottom = std::min(r.Bottom, oldClip->Bottom);
            r.Right = std::max(r.Right, r.Left);
            r.Bottom = std::max(r.Bottom, r.Top);
        }
        canvas.SetClipRect(r);
    }
    int y = top;
    for (const QString& line : lines) {
        const int w = canvas.TextWidth(line);
        int x = rect.Left;
        if (format & DT_CENTER)
            x = rect.Left + (width - w) / 2;
        else if (format & DT_RIGHT)
            x = rect.Right - w;
        canvas.TextOut(x, y, line);
        y += lineHeight;
    }
    if (clip) {
        if (oldClip)
            canvas.SetClipRect(*oldClip);
        else
            canvas.ClearClipRect();
    }
    return result;
}
