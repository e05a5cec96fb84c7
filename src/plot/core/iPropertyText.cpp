#include "core/iPropertyText.h"

#include "rtl/Exception.h"
#include "rtl/FloatText.h"
#include "text/AnsiCodec.h"

#include <QFile>

namespace {

constexpr int kMaxText = 255;

QString EncodeLineBreaks(QString text) {
    text.replace(QLatin1Char('\r'), QLatin1String("#13"));
    text.replace(QLatin1Char('\n'), QLatin1String("#10"));
    return text;
}

QString DecodeLineBreaks(QString text) {
    text.replace(QLatin1String("#13"), QLatin1String("\r"), Qt::CaseInsensitive);
    text.replace(QLatin1String("#10"), QLatin1String("\n"), Qt::CaseInsensitive);
    return text;
}

bool Excluded(const QString& path, const QStringList* exclusions) {
    return exclusions && exclusions->contains(path, Qt::CaseInsensitive);
}

}  // namespace

QString PropertyValueText(const TiPublishedProperty& p, const TiPersistent& object) {
    const TiPropertyValue v = p.Get(object);
    if (const auto* i = std::get_if<std::int64_t>(&v)) return QString::number(*i);
    if (const auto* d = std::get_if<double>(&v)) return FloatToStr(*d);
    if (const auto* s = std::get_if<QString>(&v)) return EncodeLineBreaks(*s);
    return {};
}

void SavePropertiesToList(const TiPersistent& object, const QString& prefix, QStringList& lines, bool differential,
                          const QStringList* exclusions) {
    for (const TiPublishedProperty* p : object.PublishedClass().Properties()) {
        if (!p->Stored || !p->Writable()) continue;
        const QString path = prefix.trimmed().isEmpty() ? p->Name : prefix + QLatin1Char('.') + p->Name;
        if (Excluded(path, exclusions)) continue;
        if (p->Kind == tkClass) {
            if (auto* sub = std::get<TiPersistent*>(p->Get(object)))
                SavePropertiesToList(*sub, path, lines, differential, exclusions);
            continue;
        }
        if (p->IsOrdinal() && differential && p->Default &&
            std::get<std::int64_t>(p->Get(object)) == *p->Default)
            continue;
        if (!p->IsOrdinal() && p->Kind != tkFloat && p->Kind != tkLString && p->Kind != tkString &&
            p->Kind != tkWString && p->Kind != tkUString)
            continue;
        // Path and value are cut first, then the joined line.
        lines << (path.left(kMaxText) + QStringLiteral(" = ") + PropertyValueText(*p, object).left(kMaxText))
                     .left(kMaxText);
    }
}

void SplitNameValue(const QString& text, QChar separator, QString& name, QString& value) {
    const int at = text.indexOf(separator);
    if (at < 0) {
        name.clear();
        value.clear();
        return;
    }
    name = text.left(at).trimmed();
    value = text.mid(at + 1).trimmed();
}

namespace {

// Removes the first path component and its "." when it equals Section (letter case
// ignored); returns the component removed, or an empty text.
QString StripSectionPrefix(QString& name, const QString& section) {
    if (section.isEmpty()) return {};
    const int dot = name.indexOf(QLatin1Char('.'));
    const QString first = dot < 0 ? name : name.left(dot);
    if (first.compare(section, Qt::CaseInsensitive) != 0) return {};
    name = dot < 0 ? QString() : name.mid(dot + 1);
    return first;
}

}  // namespace

void LoadPropertiesFromList(TiPersistent& object, const QString& section, QStringList& lines) {
    const QString one = FloatToStr(1.1);
    const QChar separator = one.size() > 1 ? one[1] : QLatin1Char('.');
    while (!lines.isEmpty()) {
        QString name, value;
        SplitNameValue(lines.first(), QLatin1Char('='), name, value);
        const QString removed = StripSectionPrefix(name, section);
        if (removed != section) break;
        SetPropertyFromText(object, name, value, separator);
        lines.removeFirst();
    }
}

void SetPropertyFromText(TiPersistent& object, const QString& path, const QString& value, QChar separator) {
    const int dot = path.indexOf(QLatin1Char('.'));
    if (dot >= 0) {
        if (TiPersistent* sub = GetObjectPropByName(object, path.left(dot))) {
            SetPropertyFromText(*sub, path.mid(dot + 1), value, separator);
            return;
        }
    }
    const TiPublishedProperty* p = object.PublishedClass().Find(path);
    if (!p || !p->Writable() || p->Kind == tkClass) return;
    if (p->IsOrdinal()) {
        p->Set(object, std::int64_t(StrToInt64(value)));
    } else if (p->Kind == tkFloat) {
        QString text = value;
        if (separator == QLatin1Char('.')) {
            const int at = text.indexOf(QLatin1Char(','));
            if (at >= 0) text[at] = QLatin1Char('.');
        } else if (separator == QLatin1Char(',')) {
            const int at = text.indexOf(QLatin1Char('.'));
            if (at >= 0) text[at] = QLatin1Char(',');
        }
        p->Set(object, StrToFloat(text, separator));
    } else if (p->Kind == tkLString || p->Kind == tkString || p->Kind == tkWString || p->Kind == tkUString) {
        p->Set(object, DecodeLineBreaks(value));
    }
}

bool DeleteListKey(const QString& key, QString& value, QStringList& lines) {
    for (int i = 0; i < lines.size(); ++i) {
        const int at = lines[i].indexOf(QLatin1Char('='));
        const QString name = at < 0 ? lines[i] : lines[i].left(at);
        if (name.trimmed().compare(key, Qt::CaseInsensitive) != 0) continue;
        value = at < 0 ? QString() : lines[i].mid(at + 1).trimmed();
        lines.removeAt(i);
        return true;
    }
    return false;
}

TiPersistent* GetObjectPropByName(const TiPersistent& object, const QString& name) {
    const TiPublishedProperty* p = object.PublishedClass().Find(name);
    if (!p || p->Kind != tkClass) return nullptr;
    return std::get<TiPersistent*>(p->Get(object));
}

void WriteTextLines(const QString& fileName, const QStringList& lines) {
    std::string bytes;
    for (const QString& line : lines) bytes += AnsiCodec::FromUnicode(line) + "\r\n";
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw Exception(QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, file.errorString()));
    if (file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())) throw Exception(file.errorString());
}

QStringList ReadTextLines(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, file.errorString()));
    QStringList lines = AnsiCodec::ToUnicode(file.readAll().toStdString()).split(QLatin1Char('\n'));
    for (QString& l : lines)
        if (l.endsWith(QLatin1Char('\r'))) l.chop(1);
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}
