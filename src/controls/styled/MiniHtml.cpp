#include "MiniHtml.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int kNumberLimit = 100000;

struct NamedColor {
    const char* name;
    TColor color;
};

constexpr std::array<NamedColor, 40> kColorNames = {{
    {"clblack", 0x000000},    {"clmaroon", 0x000080},     {"clgreen", 0x008000},
    {"clolive", 0x008080},    {"clnavy", 0x800000},       {"clpurple", 0x800080},
    {"clteal", 0x808000},     {"clgray", 0x808080},       {"clsilver", 0xC0C0C0},
    {"clred", 0x0000FF},      {"cllime", 0x00FF00},       {"clyellow", 0x00FFFF},
    {"clblue", 0xFF0000},     {"clfuchsia", 0xFF00FF},    {"claqua", 0xFFFF00},
    {"clwhite", 0xFFFFFF},    {"clbackground", 0xFF000001}, {"clactivecaption", 0xFF000002},
    {"clinactivecaption", 0xFF000003}, {"clmenu", 0xFF000004}, {"clwindow", 0xFF000005},
    {"clwindowframe", 0xFF000006}, {"clmenutext", 0xFF000007}, {"clwindowtext", 0xFF000008},
    {"clcaptiontext", 0xFF000009}, {"clactiveborder", 0xFF00000A}, {"clinactiveborder", 0xFF00000B},
    {"clappworkspace", 0xFF00000C}, {"clhighlight", 0xFF00000D}, {"clhighlighttext", 0xFF00000E},
    {"clbtnface", 0xFF00000F}, {"clbtnshadow", 0xFF000010}, {"clgraytext", 0xFF000011},
    {"clbtntext", 0xFF000012}, {"clinactivecaptiontext", 0xFF000013}, {"clbtnhighlight", 0xFF000014},
    {"cl3ddkshadow", 0xFF000015}, {"cl3dlight", 0xFF000016}, {"clinfotext", 0xFF000017},
    {"clinfobk", 0xFF000018},
}};

int HexDigit(QChar c) {
    const ushort u = c.toUpper().unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return 0;
}

// The first occurrence of `what` (letter case ignored) replaced; false when there was none.
bool ReplaceFirst(QString& s, const QString& what, const QString& with) {
    const qsizetype at = s.indexOf(what, 0, Qt::CaseInsensitive);
    if (at < 0) return false;
    s.replace(at, what.size(), with);
    return true;
}

// One parsed tag: its name ("B", "/FONT", ...), the upper-cased text and the original text.
struct Tag {
    QString name;
    QString upper;
    QString text;

    // The text between the first pair of double quotes after the attribute's name.
    QString Attr(const char* attribute, bool keepCase = false) const {
        const qsizetype at = Find(attribute);
        if (at < 0) return {};
        const qsizetype open = upper.indexOf(QLatin1Char('"'), at);
        if (open < 0) return {};
        const qsizetype close = upper.indexOf(QLatin1Char('"'), open + 1);
        if (close < 0) return {};
        const QString& source = keepCase && text.size() == upper.size() ? text : upper;
        return source.mid(open + 1, close - open - 1);
    }
    bool Has(const char* attribute) const { return Find(attribute) >= 0; }
    // The attribute's name as a whole word (so COLOR is not found inside BGCOLOR).
    qsizetype Find(const char* attribute) const {
        const QLatin1String name(attribute);
        auto letter = [](QChar c) { return c >= QLatin1Char('A') && c <= QLatin1Char('Z'); };
        for (qsizetype at = upper.indexOf(name); at >= 0; at = upper.indexOf(name, at + 1)) {
            const bool before = at > 0 && letter(upper[at - 1]);
            const bool after = at + name.size() < upper.size() && letter(upper[at + name.size()]);
            if (!before && !after) return at;
        }
        return -1;
    }
};

// The formatting state carried from run to run and from line to line.
struct State {
    TFont font;
    TColor bk = clNone;
    bool hidden = false, shadow = false, sub = false, sup = false, error = false, highlight = false;
    TColor beforeHighlightColor = clNone, beforeHighlightBk = clNone;
    int listLevel = 0;
    int offset = 0;
    int anchors = 0;
    QString anchorRef;
    bool inAnchor = false;
    bool hoveredAnchor = false;
};

// One line as the measuring pass laid it out.
struct Line {
    QString text;  // the part of the text the line consumed
    int width = 0, height = 0, subExtra = 0, supExtra = 0, picShift = 0, align = 0, indent = 0;
    int left = 0, top = 0;
};

enum class Pass { Measure, Draw, HitTest };

class Renderer {
public:
    Renderer(TGPGraphics* g, THtmlRender& h) : G(g), H(h) { S.font = h.Font; }

    bool Run();

private:
    int TextWidth(const QString& text, const TFont& font) const;
    int TextHeight(const QString& text, const TFont& font) const;
    void DrawRun(const QString& text, int x, int y, const TFont& font, TColor color, TColor bk);
    // Lays out (Measure) or draws (Draw, HitTest) one line from text[pos]; advances pos.
    bool Format(const QString& text, qsizetype& pos, Pass pass, Line& line);
    bool Picture(const Tag& tag, Pass pass, Line& line, int& width, int room, bool started, bool& ends);

    TGPGraphics* G;
    THtmlRender& H;
    State S;
    int AnchorStart = 0;
    bool AnchorOnLine = false;
    bool Result = false;
    bool Prefixes = true;
};

int Renderer::TextWidth(const QString& text, const TFont& font) const {
    if (!G || text.isEmpty()) return 0;
    TRect r{0, 0, 0, 0};
    G->DrawText(text, -1, r, font, DT_CALCRECT, clNone);
    return std::max(0, r.Right);
}

int Renderer::TextHeight(const QString& text, const TFont& font) const {
    return G ? G->TextHeight(text.isEmpty() ? QStringLiteral("gh") : text, font) : 0;
}

void Renderer::DrawRun(const QString& text, int x, int y, const TFont& font, TColor color, TColor bk) {
    TFont f = font;
    f.SetColor(color);
    TRect r{x, y, x, y};
    G->DrawText(text, -1, r, f, 0, bk);
}

bool Renderer::Picture(const Tag& tag, Pass pass, Line& line, int& width, int room, bool started, bool& ends) {
    const QString src = tag.Attr("SRC", true);
    int w = std::clamp(HtmlNumber(tag.Attr("WIDTH")), 0, 32767), h = std::clamp(HtmlNumber(tag.Attr("HEIGHT")), 0, 32767);
    TAdvGDIPPicture* picture = nullptr;
    QPixmap icon;
    const QString upper = src.toUpper();
    if (upper.startsWith(QLatin1String("IDX:"))) {
        // Entry n of the image list; not printed.
        bool number = false;
        const int index = src.mid(4).trimmed().toInt(&number);
        if (H.Print || !H.Images || !number || index < 0 || index >= H.Images->Count()) return false;
        icon = QPixmap::fromImage(H.Images->Image(index));
        if (w <= 0 || h <= 0) {
            w = icon.width();
            h = icon.height();
        }
    } else if (upper.startsWith(QLatin1String("SSYS:")) || upper.startsWith(QLatin1String("LSYS:"))) {
        const int size = upper.startsWith(QLatin1Char('S')) ? 16 : 32;
        const QString what = src.mid(5);
        QFileIconProvider provider;
        bool number = false;
        const int index = what.toInt(&number);
        const QIcon i = number ? provider.icon(QFileIconProvider::IconType(std::abs(index) % 7))
                               : provider.icon(QFileInfo(what));
        icon = i.pixmap(size, size);
        if (icon.isNull()) return false;
        if (w <= 0 || h <= 0) {
            w = int(icon.width() * (H.Print ? H.IconScale : 1.0));
            h = int(icon.height() * (H.Print ? H.IconScale : 1.0));
        }
    } else if (!src.contains(QLatin1Char(':')) && H.Pictures) {
        picture = H.Pictures->FindPicture(src);
        if (!picture || picture->Empty()) return false;
        picture->GetImageSizes();
        if (w <= 0 || h <= 0) {
            w = picture->Width();
            h = picture->Height();
        }
    } else {
        return false;
    }
    if (pass == Pass::Measure && width + w > room && w < room && started) {
        ends = true;
        return false;
    }
    const bool wrap = tag.Has("WRAP");
    const QString align = tag.Attr("ALIGN");
    const int textHeight = TextHeight(QStringLiteral("gh"), S.font);
    if (!wrap) line.height = std::max(line.height, h);
    if (align.startsWith(QLatin1String("TOP"))) line.picShift = std::max(line.picShift, h - textHeight);
    if (align.startsWith(QLatin1String("MIDDLE"))) line.picShift = std::max(line.picShift, (h - textHeight) / 2);
    const int x = line.left + width;
    const int y = line.top + line.supExtra + line.height - h;
    const bool under = S.inAnchor && H.TestPoint.x() >= x && H.TestPoint.x() < x + w && H.TestPoint.y() >= y &&
                       H.TestPoint.y() < y + h;
    if (under) {
        Result = true;
        H.Anchor = S.anchorRef;
        H.MouseLink = S.anchors;
    }
    if (pass == Pass::Draw) {
        TAdvGDIPPicture* shown = picture;
        if (under && H.Pictures) {
            if (TAdvGDIPPicture* alt = H.Pictures->FindPicture(tag.Attr("ALT", true)); alt && !alt->Empty()) shown = alt;
        }
        if (shown) {
            shown->GDIPDraw(G, TRect{x, y, x + w, y + h});
        } else if (QPainter* p = G->Native()) {
            p->save();
            p->resetTransform();
            p->drawPixmap(QRect(x, y, w, h), icon);
            p->restore();
        }
    }
    width += w;
    return true;
}

bool Renderer::Format(const QString& text, qsizetype& pos, Pass pass, Line& line) {
    const TRect& R = H.Rect;
    int width = S.offset;
    bool started = false;  // something was placed on the line
    bool liOnLine = false;
    QString placed;
    const int room = R.Right - R.Left - S.offset;
    AnchorStart = 0;
    AnchorOnLine = false;
    const TFont base = H.Font;
    const bool drawing = pass == Pass::Draw;
    auto textY = [&](int runHeight) { return line.top + line.supExtra + line.height - runHeight - line.picShift; };
    while (pos < text.size()) {
        const qsizetype before = pos;
        if (text[pos] != QLatin1Char('<')) {
            qsizetype end = text.indexOf(QLatin1Char('<'), pos);
            if (end < 0) end = text.size();
            if (H.WordWrap) {
                const qsizetype blank = text.indexOf(QLatin1Char(' '), pos);
                if (blank >= 0 && blank < end) end = blank + 1;
            }
            QString run = text.mid(pos, end - pos);
            run.replace(QLatin1String("&nbsp;"), QLatin1String(" "), Qt::CaseInsensitive);
            run.replace(QLatin1String("&lt;"), QLatin1String("<"), Qt::CaseInsensitive);
            run.replace(QLatin1String("&gt;"), QLatin1String(">"), Qt::CaseInsensitive);
            if (Prefixes) {
                QString shown;
                for (qsizetype i = 0; i < run.size(); ++i) {
                    if (run[i] != QLatin1Char('&')) shown += run[i];
                    else if (i + 1 < run.size() && run[i + 1] == QLatin1Char('&')) shown += run[++i];
                }
                run = shown;
            }
            const int rh = TextHeight(run, S.font);
            if (S.hidden) {
                if (pass == Pass::Measure) H.PlainText += run;
                line.height = std::max(line.height, rh);
                pos = end;
                started = true;
                continue;
            }
            const bool blank = run == QLatin1String(" ");
            const int measured = TextWidth(run, S.font);
            const int rw = blank && pass == Pass::Measure ? 0 : measured;
            // The drawing passes place everything the measuring pass gave the line.
            const bool fits = pass != Pass::Measure || width + rw <= room || rw >= room ||
                              !placed.endsWith(QLatin1Char(' ')) || !H.WordWrap;
            if (!fits && started) break;
            if (pass == Pass::Measure) H.PlainText += run;
            placed += run;
            line.height = std::max(line.height, rh);
            if (S.sub) line.subExtra = std::max(line.subExtra, rh / 2);
            if (S.sup) line.supExtra = std::max(line.supExtra, rh / 2);
            if (drawing) {
                int x = line.left + width;
                int y = textY(rh);
                if (S.sub) y += rh / 2;
                if (S.sup) y -= rh / 2;
                QString shown = run;
                if (!H.WordWrap && x + measured > R.Right) {
                    const QFontMetrics fm(S.font.ToQFont());
                    shown = fm.elidedText(run, Qt::ElideRight, std::max(0, R.Right - x));
                }
                if (S.shadow)
                    DrawRun(shown, x + H.ShadowOffset, y + H.ShadowOffset, S.font, H.ShadowColor, clNone);
                DrawRun(shown, x, y, S.font, S.font.Color(), S.bk);
                if (S.error) {
                    TGPPen red(0xFFFF0000, 1);
                    const int bottom = y + rh - 1;
                    for (int k = 0; k + 2 <= measured; k += 2)
                        G->DrawLine(&red, float(x + k), float(bottom - (k / 2) % 2), float(x + k + 2),
                                    float(bottom - (k / 2 + 1) % 2));
                }
            }
            width += drawing && blank ? measured : rw;
            pos = end;
            started = true;
            continue;
        }
        // A tag.
        const qsizetype close = text.indexOf(QLatin1Char('>'), pos);
        if (close < 0) {
            pos = text.size();  // a tag without an end takes the rest with it
            break;
        }
        Tag tag;
        tag.text = text.mid(pos + 1, close - pos - 1);
        tag.upper = tag.text.toUpper();
        {
            qsizetype k = 0;
            QString name;
            if (k < tag.upper.size() && tag.upper[k] == QLatin1Char('/')) name += tag.upper[k++];
            while (k < tag.upper.size() && tag.upper[k] >= QLatin1Char('A') && tag.upper[k] <= QLatin1Char('Z'))
                name += tag.upper[k++];
            tag.name = name;
        }
        const QString& n = tag.name;
        bool endsLine = false, consume = true;
        if (n == QLatin1String("B")) S.font.SetStyle(S.font.Style() | fsBold);
        else if (n == QLatin1String("/B")) S.font.SetStyle(S.font.Style() & ~fsBold);
        else if (n == QLatin1String("I")) S.font.SetStyle(S.font.Style() | fsItalic);
        else if (n == QLatin1String("/I")) S.font.SetStyle(S.font.Style() & ~fsItalic);
        else if (n == QLatin1String("U")) S.font.SetStyle(S.font.Style() | fsUnderline);
        else if (n == QLatin1String("/U")) S.font.SetStyle(S.font.Style() & ~fsUnderline);
        else if (n == QLatin1String("S")) S.font.SetStyle(S.font.Style() | fsStrikeOut);
        else if (n == QLatin1String("/S")) S.font.SetStyle(S.font.Style() & ~fsStrikeOut);
        else if (n == QLatin1String("SUB")) S.sub = true;
        else if (n == QLatin1String("SUP")) S.sup = true;
        else if (n == QLatin1String("/SUB") || n == QLatin1String("/SUP")) S.sub = S.sup = false;
        else if (n == QLatin1String("SHAD")) S.shadow = true;
        else if (n == QLatin1String("/SHAD")) S.shadow = false;
        else if (n == QLatin1String("E")) S.error = true;
        else if (n == QLatin1String("/E")) S.error = false;
        else if (n == QLatin1String("Z")) S.hidden = true;
        else if (n == QLatin1String("/Z")) S.hidden = false;
        else if (n == QLatin1String("HI")) {
            if (!S.highlight) {
                S.beforeHighlightColor = S.font.Color();
                S.beforeHighlightBk = S.bk;
            }
            S.highlight = true;
            S.bk = clHighlight;
            S.font.SetColor(clHighlightText);
        } else if (n == QLatin1String("/HI")) {
            if (S.highlight) {
                S.font.SetColor(S.beforeHighlightColor);
                S.bk = S.beforeHighlightBk;
            }
            S.highlight = false;
        } else if (n == QLatin1String("HR")) {
            if (drawing) {
                TGPPen black(0xFF000000, 1);
                const float y = float(line.top + line.supExtra + line.height + line.subExtra + 1);
                G->DrawLine(&black, float(line.left), y, float(R.Right), y);
            }
            endsLine = true;
        } else if (n == QLatin1String("BR")) {
            if (pass == Pass::Measure) H.PlainText += QLatin1Char('\r');
            endsLine = true;
        } else if (n == QLatin1String("FONT")) {
            const QString face = tag.Attr("FACE", true);
            if (!face.isEmpty()) S.font.SetName(face);
            if (tag.Has("BGCOLOR") && !H.Selected && drawing) S.bk = HtmlColor(tag.Attr("BGCOLOR"));
            const QString color = tag.Attr("COLOR");
            if (!color.isEmpty() && !H.Selected) S.font.SetColor(HtmlColor(color));
            const QString size = tag.Attr("SIZE");
            if (!size.isEmpty()) {
                static constexpr int kSizes[] = {8, 10, 12, 14, 16};
                const int v = HtmlNumber(size);
                S.font.SetSize(v >= 1 && v <= 5 ? kSizes[v - 1] : std::clamp(v, 1, 500));
            }
        } else if (n == QLatin1String("/FONT")) {
            S.font.SetName(base.Name());
            S.font.SetHeight(base.Height());
            if (!H.Selected) {
                S.font.SetColor(base.Color());
                S.bk = clNone;
            }
        } else if (n.startsWith(QLatin1String("/B")) && n.size() > 2) {
            S.font.SetColor(base.Color());
        } else if (n == QLatin1String("A")) {
            ++S.anchors;
            S.inAnchor = true;
            {
                const qsizetype open = tag.text.indexOf(QLatin1Char('"'));
                const qsizetype end = open < 0 ? -1 : tag.text.indexOf(QLatin1Char('"'), open + 1);
                S.anchorRef = end < 0 ? QString() : tag.text.mid(open + 1, end - open - 1);
            }
            S.hoveredAnchor = S.anchors - 1 == H.HoverLink;
            if (!H.HoverStyle || S.hoveredAnchor) {
                S.font.SetStyle(S.font.Style() | fsUnderline);
                if (H.HoverColor != clNone && S.hoveredAnchor && drawing) S.bk = H.HoverColor;
            }
            if (!H.Selected) {
                if (H.HoverStyle && S.hoveredAnchor && H.HoverFontColor != clNone)
                    S.font.SetColor(H.HoverFontColor);
                else
                    S.font.SetColor(H.URLColor);
            }
            if (drawing && S.anchors == H.FocusLink + 1) H.FocusAnchor = S.anchorRef;
            AnchorStart = width;
            AnchorOnLine = true;
        } else if (n == QLatin1String("/A")) {
            if (!H.HoverStyle || S.hoveredAnchor) {
                S.font.SetStyle(S.font.Style() & ~fsUnderline);
                if (H.HoverColor != clNone) S.bk = clNone;
            }
            if (!H.Selected) S.font.SetColor(base.Color());
            if (S.inAnchor) {
                const int left = line.left + (AnchorOnLine ? AnchorStart : 0);
                const int right = line.left + width;
                const int bottom = line.top + line.supExtra + line.height + line.subExtra;
                const QPoint& p = H.TestPoint;
                if (p.x() >= left && p.x() < right && p.y() >= line.top && p.y() < bottom) {
                    if (pass == Pass::Measure) {
                        H.HoverRect = TRect{left, line.top, right, bottom};
                        H.MouseLink = S.anchors;
                        H.Anchor = S.anchorRef;
                    }
                    if (pass == Pass::HitTest) Result = true;
                }
            }
            S.inAnchor = false;
        } else if (n == QLatin1String("P")) {
            const QString align = tag.Attr("ALIGN");
            if (align.contains(QLatin1String("LEFT"))) line.align = 0;
            if (align.contains(QLatin1String("RIGHT"))) line.align = 1;
            if (align.contains(QLatin1String("CENTER"))) line.align = 2;
            if (tag.Has("INDENT")) line.indent = std::clamp(HtmlNumber(tag.Attr("INDENT")), 0, 32767);
            if (tag.Has("BGCOLORTO")) S.bk = clNone;
        } else if (n == QLatin1String("/P")) {
            S.bk = clNone;
            endsLine = true;
        } else if (n == QLatin1String("BODY")) {
            if (tag.Has("BGCOLOR") && drawing) S.bk = HtmlColor(tag.Attr("BGCOLOR"));
            if (tag.Has("BGCOLORTO")) S.bk = clNone;
        } else if (n == QLatin1String("UL")) {
            ++S.listLevel;
            endsLine = true;
        } else if (n == QLatin1String("/UL")) {
            S.listLevel = std::max(0, S.listLevel - 1);
        } else if (n == QLatin1String("LI")) {
            if (liOnLine) {
                consume = false;
                endsLine = true;
            } else {
                liOnLine = true;
                line.indent += 12 * S.listLevel;
                const QString type = tag.Attr("TYPE");
                const int x = line.left + width, y = line.top + line.supExtra + 2;
                int extra = 0;
                if (type == QLatin1String("IMAGE") && H.Pictures) {
                    TAdvGDIPPicture* bullet = H.Pictures->FindPicture(tag.Attr("NAME", true));
                    if (bullet && !bullet->Empty()) {
                        bullet->GetImageSizes();
                        extra = std::max(0, bullet->Width() - 12);
                        if (drawing) bullet->GDIPDraw(G, TRect{x, y, x + bullet->Width(), y + bullet->Height()});
                    }
                } else if (drawing && (type == QLatin1String("SQUARE") || type == QLatin1String("CIRCLE"))) {
                    TGPSolidBrush brush(OpaqueArgb(tag.Has("COLOR") ? HtmlColor(tag.Attr("COLOR")) : S.font.Color()));
                    if (type == QLatin1String("SQUARE"))
                        G->FillRectangle(&brush, float(x), float(y), 8, 8);
                    else
                        G->FillEllipse(&brush, x, y, 8, 8);
                } else if (drawing && type.isEmpty()) {
                    TFont symbol = S.font;
                    symbol.SetName(QStringLiteral("Symbol"));
                    DrawRun(S.listLevel % 2 == 0 ? QStringLiteral("o") : QString(QChar(0x2022)), x, line.top + 1,
                            symbol, S.font.Color(), clNone);
                }
                width += 12 + extra;
            }
        } else if (n == QLatin1String("/LI")) {
            endsLine = true;
        } else if (n == QLatin1String("IND")) {
            const int x = std::clamp(HtmlNumber(tag.Attr("X")), 0, 32767);
            if (width < x) width = x;
        } else if (n == QLatin1String("OF")) {
            S.offset = std::clamp(HtmlNumber(tag.Attr("X")), 0, 32767);
            width = S.offset;
        } else if (n == QLatin1String("/OF")) {
            S.offset = 0;
        } else if (n == QLatin1String("IMG")) {
            bool ends = false;
            Picture(tag, pass, line, width, room, started, ends);
            if (ends) {
                consume = false;
                endsLine = true;
            }
        } else if (n == QLatin1String("BLINK")) {
            if (!H.Blink) S.font.SetColor(clWhite);
        }
        if (consume) pos = close + 1;
        if (pos != before) started = true;
        if (endsLine) break;
    }
    line.width = std::max(line.width, width);
    return true;
}

bool Renderer::Run() {
    // Entities, the "<#" form and line ends.
    QString text = H.Text;
    if (text.contains(QLatin1Char('&'))) {
        static const std::pair<const char*, QString> kEntities[] = {
            {"&amp;", QStringLiteral("&&")},      {"&quot;", QStringLiteral("\"")},
            {"&sect;", QString(QChar(0x00A7))},   {"&permil;", QString(QChar(0x2030))},
            {"&reg;", QString(QChar(0x00AE))},    {"&copy;", QString(QChar(0x00A9))},
            {"&para;", QString(QChar(0x00B6))},   {"&trade;", QString(QChar(0x2122))},
            {"&euro;", QString(QChar(0x20AC))},
        };
        bool changed = true;
        while (changed) {
            changed = false;
            for (const auto& [entity, with] : kEntities) changed |= ReplaceFirst(text, QLatin1String(entity), with);
        }
    }
    if (const qsizetype hash = text.indexOf(QLatin1String("<#")); hash >= 0) {
        const qsizetype close = text.indexOf(QLatin1Char('>'), hash);
        if (close >= 0) text.remove(close, 1);
        text.remove(hash, 1);
    }
    text.replace(QLatin1Char('\r'), QLatin1String("<BR>"));
    text.remove(QLatin1Char('\n'));
    // Ampersands in the runs: "&&" shows one; a single one is a mnemonic marker (dropped)
    // unless the text holds " & ", which turns the marker processing off.
    Prefixes = !text.contains(QLatin1String(" & "));

    const TRect& R = H.Rect;
    int top = R.Top;
    int total = 0;
    int widest = 0;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const int gh = TextHeight(QStringLiteral("gh"), S.font);
        if (!H.MeasureOnly && top + gh > R.Bottom && total > 0) break;
        const State start = S;
        Line line;
        line.height = gh;
        line.left = R.Left + 1 + 0;
        line.top = top;
        const qsizetype lineStart = pos;
        Format(text, pos, Pass::Measure, line);
        if (pos == lineStart) pos = std::min<qsizetype>(text.size(), pos + 1);  // never stand still
        line.text = text.mid(lineStart, pos - lineStart);
        if (pos < text.size()) line.height += H.LineSpacing;
        widest = std::max(widest, line.width);
        const int available = R.Right - R.Left;
        int left = R.Left + 1;
        if (line.align == 1 && R.Right - line.width > R.Left) left = R.Right - line.width;
        if (line.align == 2 && available - line.width > 0) left += (available - line.width) / 2;
        left += line.indent;
        if (!H.MeasureOnly) {
            const State end = S;
            S = start;
            Line drawn = line;
            drawn.left = left;
            qsizetype again = 0;
            AnchorStart = 0;
            Format(line.text, again, H.HitTestOnly ? Pass::HitTest : Pass::Draw, drawn);
            S = end;
        }
        const int advance = line.height + line.subExtra + line.supExtra;
        top += advance;
        total += advance;
    }
    if (total == 0) total = TextHeight(QStringLiteral("gh"), H.Font);
    H.Height = total + 2;
    H.Width = widest + 2;
    H.AnchorCount = S.anchors;
    return Result;
}

}  // namespace

TColor HtmlColor(const QString& value) {
    const QString v = value.trimmed();
    if (v.startsWith(QLatin1Char('#'))) {
        int d[6] = {0, 0, 0, 0, 0, 0};
        for (int k = 0; k < 6 && k + 1 < v.size(); ++k) d[k] = HexDigit(v[k + 1]);
        const int r = d[0] * 16 + d[1], g = d[2] * 16 + d[3], b = d[4] * 16 + d[5];
        return RGBColor(r, g, b);
    }
    const QString lower = v.toLower();
    for (const NamedColor& c : kColorNames)
        if (lower == QLatin1String(c.name)) return c.color;
    return 0;
}

int HtmlNumber(const QString& value) {
    qsizetype i = 0;
    while (i < value.size() && value[i] == QLatin1Char(' ')) ++i;
    bool negative = false;
    if (i < value.size() && value[i] == QLatin1Char('-')) {
        negative = true;
        ++i;
    }
    int base = 10;
    if (i < value.size() && value[i] == QLatin1Char('$')) {
        base = 16;
        ++i;
    } else if (i + 1 < value.size() && value[i] == QLatin1Char('0') && value[i + 1].toUpper() == QLatin1Char('X')) {
        base = 16;
        i += 2;
    }
    long long n = 0;
    for (; i < value.size(); ++i) {
        const QChar c = value[i].toUpper();
        int digit;
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) digit = c.unicode() - '0';
        else if (base == 16 && c >= QLatin1Char('A') && c <= QLatin1Char('F')) digit = c.unicode() - 'A' + 10;
        else break;
        n = std::min<long long>(n * base + digit, kNumberLimit);
    }
    return int(negative ? -n : n);
}

bool RenderHtmlText(TGPGraphics* graphics, THtmlRender& html) {
    html.HoverRect = TRect{};
    html.MouseLink = -1;
    html.AnchorCount = 0;
    html.FocusAnchor.clear();
    html.PlainText.clear();
    html.Anchor.clear();
    if (!graphics) return false;
    Renderer renderer(graphics, html);
    return renderer.Run();
}
