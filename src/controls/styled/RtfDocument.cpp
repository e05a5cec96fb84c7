#include "RtfDocument.h"

#include "text/AnsiCodec.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <map>
#include <vector>

namespace {

constexpr int kMaxDepth = 1000;          // deeper groups are read as text of their parent
constexpr int kMaxParameter = 1 << 20;   // control-word parameters are held within this

enum class Destination { Text, FontTable, ColorTable, Skip };

// Character and paragraph state of one group.
struct GroupState {
    Destination destination = Destination::Text;
    int font = 0;
    int halfPoints = 24;
    bool bold = false, italic = false, underline = false;
    int color = 0;
    int uc = 1;
    Qt::Alignment alignment = Qt::AlignLeft;
};

// Destinations whose content is not document text.
bool Skipped(const QByteArray& word) {
    static const char* const kSkip[] = {"stylesheet", "info", "pict", "object", "header", "footer", "headerl",
                                        "headerr", "headerf", "footerl", "footerr", "footerf", "footnote",
                                        "listtable", "listoverridetable", "rsidtbl", "generator", "themedata",
                                        "colorschememapping", "latentstyles", "datastore", "xmlnstbl", "filetbl",
                                        "revtbl", "field", "fldinst", "bkmkstart", "bkmkend", "nonshppict",
                                        "shp", "template", "author", "title", "operator", "company"};
    for (const char* s : kSkip)
        if (word == s) return true;
    return false;
}

class Reader {
public:
    Reader(const QByteArray& rtf, QTextDocument& doc) : In(rtf), Doc(doc), Cursor(&doc) {}

    void Run() {
        Doc.clear();
        Cursor = QTextCursor(&Doc);
        Stack.push_back(GroupState{});
        bool firstBlock = true;
        (void)firstBlock;
        while (Pos < In.size()) {
            const char c = In[Pos];
            if (c == '{') {
                ++Pos;
                Flush();
                if (int(Stack.size()) < kMaxDepth) Stack.push_back(Stack.back());
                else ++Overflow;
                GroupStart = true;
                continue;
            }
            if (c == '}') {
                ++Pos;
                Flush();
                if (Overflow > 0) --Overflow;
                else if (Stack.size() > 1) {
                    const GroupState closing = Stack.back();
                    Stack.pop_back();
                    if (closing.destination == Destination::FontTable && Stack.back().destination == Destination::FontTable)
                        EndFontEntry();
                }
                GroupStart = false;
                continue;
            }
            if (c == '\\') {
                ControlWord();
                GroupStart = false;
                continue;
            }
            ++Pos;
            GroupStart = false;
            if (c == '\r' || c == '\n') continue;
            Char(QChar(uchar(c)), true);
        }
        Flush();
    }

private:
    GroupState& S() { return Stack.back(); }

    void ControlWord() {
        ++Pos;  // the backslash
        if (Pos >= In.size()) return;
        const char c = In[Pos];
        if (!std::isalpha(uchar(c))) {
            ++Pos;
            switch (c) {
            case '\\': case '{': case '}': Char(QChar(uchar(c)), false); break;
            case '~': Char(QChar(0x00A0), false); break;
            case '_': Char(QChar(0x2011), false); break;
            case '-': break;
            case '*':
                if (GroupStart) S().destination = Destination::Skip;
                break;
            case '\'': {
                int value = 0, digits = 0;
                while (digits < 2 && Pos < In.size() && std::isxdigit(uchar(In[Pos]))) {
                    const char h = In[Pos++];
                    value = value * 16 + (std::isdigit(uchar(h)) ? h - '0' : (std::tolower(uchar(h)) - 'a' + 10));
                    ++digits;
                }
                const std::uint8_t byte = std::uint8_t(value);
                Char(AnsiCodec::ToUnicode(&byte, 1).at(0), true);
                break;
            }
            case '\r': case '\n': Paragraph(); break;
            default: break;
            }
            return;
        }
        const qsizetype start = Pos;
        while (Pos < In.size() && std::isalpha(uchar(In[Pos])) && Pos - start < 32) ++Pos;
        const QByteArray word = In.mid(start, Pos - start);
        bool hasParameter = false;
        bool negative = false;
        long long parameter = 0;
        if (Pos < In.size() && In[Pos] == '-') {
            negative = true;
            ++Pos;
        }
        while (Pos < In.size() && std::isdigit(uchar(In[Pos]))) {
            parameter = std::min<long long>(parameter * 10 + (In[Pos] - '0'), kMaxParameter);
            hasParameter = true;
            ++Pos;
        }
        if (negative) parameter = -parameter;
        if (Pos < In.size() && In[Pos] == ' ') ++Pos;  // the delimiter
        Word(word, hasParameter, int(parameter));
    }

    void Word(const QByteArray& w, bool has, int p) {
        GroupState& s = S();
        if (w == "fonttbl") { s.destination = Destination::FontTable; return; }
        if (w == "colortbl") {
            s.destination = Destination::ColorTable;
            Colors.clear();
            Pending = {};
            return;
        }
        if (Skipped(w)) { s.destination = Destination::Skip; return; }
        if (s.destination == Destination::Skip) return;
        if (s.destination == Destination::ColorTable) {
            if (w == "red") Pending.r = std::clamp(p, 0, 255);
            else if (w == "green") Pending.g = std::clamp(p, 0, 255);
            else if (w == "blue") Pending.b = std::clamp(p, 0, 255);
            Pending.set = true;
            return;
        }
        if (s.destination == Destination::FontTable) {
            if (w == "f") FontIndex = p;
            return;
        }
        if (w == "par") Paragraph();
        else if (w == "line") Char(QChar(QChar::LineSeparator), false);
        else if (w == "tab") Char(QLatin1Char('\t'), false);
        else if (w == "b") SetFormat([&] { s.bold = !has || p != 0; });
        else if (w == "i") SetFormat([&] { s.italic = !has || p != 0; });
        else if (w == "ul") SetFormat([&] { s.underline = !has || p != 0; });
        else if (w == "ulnone") SetFormat([&] { s.underline = false; });
        else if (w == "fs") SetFormat([&] { s.halfPoints = std::clamp(has ? p : 24, 2, 2000); });
        else if (w == "f") SetFormat([&] { s.font = p; });
        else if (w == "cf") SetFormat([&] { s.color = p; });
        else if (w == "plain") SetFormat([&] {
            s.font = 0;
            s.halfPoints = 24;
            s.bold = s.italic = s.underline = false;
            s.color = 0;
        });
        else if (w == "pard") SetFormat([&] { s.alignment = Qt::AlignLeft; });
        else if (w == "ql") SetFormat([&] { s.alignment = Qt::AlignLeft; });
        else if (w == "qr") SetFormat([&] { s.alignment = Qt::AlignRight; });
        else if (w == "qc") SetFormat([&] { s.alignment = Qt::AlignHCenter; });
        else if (w == "qj") SetFormat([&] { s.alignment = Qt::AlignJustify; });
        else if (w == "uc") s.uc = std::clamp(p, 0, 16);
        else if (w == "u") {
            int code = p;
            if (code < 0) code += 65536;
            Char(QChar(char16_t(std::clamp(code, 0, 0xFFFF))), false);
            SkipFallback = s.uc;
        }
    }

    template <typename F>
    void SetFormat(F change) {
        Flush();
        change();
    }

    // One character of the current destination; `fallback` characters are the ones a
    // preceding "\u" may ask to skip.
    void Char(QChar c, bool fallback) {
        if (fallback && SkipFallback > 0) {
            --SkipFallback;
            return;
        }
        SkipFallback = 0;
        GroupState& s = S();
        switch (s.destination) {
        case Destination::Skip: return;
        case Destination::ColorTable:
            if (c == QLatin1Char(';')) {
                Colors.push_back(Pending.set ? QColor(Pending.r, Pending.g, Pending.b) : QColor());
                Pending = {};
            }
            return;
        case Destination::FontTable:
            if (c == QLatin1Char(';')) EndFontEntry();
            else FontName += c;
            return;
        case Destination::Text: Text += c; return;
        }
    }

    void EndFontEntry() {
        const QString name = FontName.trimmed();
        if (!name.isEmpty()) Fonts[FontIndex] = name;
        FontName.clear();
    }

    QTextCharFormat CharFormat() const {
        const GroupState& s = Stack.back();
        QTextCharFormat f;
        const auto font = Fonts.find(s.font);
        if (font != Fonts.end()) f.setFontFamilies({font->second});
        f.setFontPointSize(s.halfPoints / 2.0);
        f.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
        f.setFontItalic(s.italic);
        f.setFontUnderline(s.underline);
        if (s.color > 0 && s.color < int(Colors.size()) && Colors[std::size_t(s.color)].isValid())
            f.setForeground(Colors[std::size_t(s.color)]);
        return f;
    }

    void Flush() {
        if (Text.isEmpty()) return;
        if (Stack.back().destination != Destination::Text) {
            Text.clear();
            return;
        }
        QTextBlockFormat block = Cursor.blockFormat();
        block.setAlignment(Stack.back().alignment);
        Cursor.setBlockFormat(block);
        Cursor.insertText(Text, CharFormat());
        Text.clear();
    }

    void Paragraph() {
        if (S().destination != Destination::Text) return;
        Flush();
        QTextBlockFormat block;
        block.setAlignment(S().alignment);
        Cursor.setBlockFormat(block);
        Cursor.insertBlock(block, CharFormat());
    }

    const QByteArray& In;
    QTextDocument& Doc;
    QTextCursor Cursor;
    qsizetype Pos = 0;
    std::vector<GroupState> Stack;
    int Overflow = 0;
    bool GroupStart = false;
    int SkipFallback = 0;
    QString Text;
    std::map<int, QString> Fonts;
    int FontIndex = 0;
    QString FontName;
    std::vector<QColor> Colors;
    struct {
        int r = 0, g = 0, b = 0;
        bool set = false;
    } Pending;
};

QByteArray Escaped(const QString& text) {
    QByteArray out;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += char(u);
        } else if (u == '\t') {
            out += "\\tab ";
        } else if (u == QChar::LineSeparator) {
            out += "\\line ";
        } else if (u >= 0x20 && u < 0x80) {
            out += char(u);
        } else {
            out += "\\u" + QByteArray::number(short(u)) + '?';
        }
    }
    return out;
}

}  // namespace

void ReadRtf(const QByteArray& rtf, QTextDocument& document) { Reader(rtf, document).Run(); }

QByteArray WriteRtf(const QTextDocument& document) {
    QStringList fonts;
    std::vector<QColor> colors;
    auto fontIndex = [&](const QString& family) {
        qsizetype i = fonts.indexOf(family);
        if (i < 0) {
            fonts << family;
            i = fonts.size() - 1;
        }
        return int(i);
    };
    auto colorIndex = [&](const QColor& c) {
        for (std::size_t i = 0; i < colors.size(); ++i)
            if (colors[i] == c) return int(i) + 1;
        colors.push_back(c);
        return int(colors.size());
    };
    QByteArray body;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const Qt::Alignment a = block.blockFormat().alignment();
        body += "\\pard";
        body += a & Qt::AlignHCenter ? "\\qc" : a & Qt::AlignRight ? "\\qr" : a & Qt::AlignJustify ? "\\qj" : "\\ql";
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat f = fragment.charFormat();
            const QStringList families = f.fontFamilies().toStringList();
            body += "\\plain\\f" + QByteArray::number(fontIndex(families.isEmpty() ? QStringLiteral("Arial") : families.first()));
            body += "\\fs" + QByteArray::number(int(std::lround((f.fontPointSize() > 0 ? f.fontPointSize() : 12) * 2)));
            if (f.fontWeight() >= QFont::Bold) body += "\\b";
            if (f.fontItalic()) body += "\\i";
            if (f.fontUnderline()) body += "\\ul";
            if (f.hasProperty(QTextFormat::ForegroundBrush))
                body += "\\cf" + QByteArray::number(colorIndex(f.foreground().color()));
            body += ' ';
            body += Escaped(fragment.text());
        }
        if (block.next().isValid()) body += "\\par\n";
    }
    QByteArray out = "{\\rtf1\\ansi\\deff0{\\fonttbl";
    for (int i = 0; i < fonts.size(); ++i) out += "{\\f" + QByteArray::number(i) + "\\fnil " + Escaped(fonts[i]) + ";}";
    out += "}{\\colortbl ;";
    for (const QColor& c : colors)
        out += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green()) + "\\blue" +
               QByteArray::number(c.blue()) + ";";
    out += "}\n" + body + "}";
    return out;
}
