// Saving and loading fill descriptors: ini sections and the clipboard.
#include "GDIPFill.h"

#include "text/TIniFile.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <functional>
#include <vector>

namespace {

// One stored value: its key, how to read and write it, and whether the ini layout has it.
struct Stored {
    const char* key;
    std::function<int(TGDIPFill&)> get;
    std::function<void(TGDIPFill&, int)> set;
    bool ini;
};

template <typename T>
Stored Value(const char* key, T (TGDIPFill::*get)() const, void (TGDIPFill::*set)(T), bool ini = true) {
    return {key, [get](TGDIPFill& f) { return int((f.*get)()); },
            [set](TGDIPFill& f, int v) {
                if constexpr (std::is_same_v<T, int> || std::is_same_v<T, TColor>)
                    (f.*set)(T(v));
                else if constexpr (std::is_same_v<T, bool>)
                    (f.*set)((v & 0xFF) != 0);
                else
                    (f.*set)(T(v & 0xFF));  // enumerations and bytes: the low 8 bits
            },
            ini};
}

// The values in the order the ini layout writes them; the clipboard adds the rest.
const std::vector<Stored>& Values() {
    static const std::vector<Stored> values = {
        Value("Color", &TGDIPFill::Color, &TGDIPFill::SetColor),
        Value("ColorTo", &TGDIPFill::ColorTo, &TGDIPFill::SetColorTo),
        Value("ColorMirror", &TGDIPFill::ColorMirror, &TGDIPFill::SetColorMirror),
        Value("ColorMirrorTo", &TGDIPFill::ColorMirrorTo, &TGDIPFill::SetColorMirrorTo),
        Value("GradientType", &TGDIPFill::GradientType, &TGDIPFill::SetGradientType),
        Value("GradientMirrorType", &TGDIPFill::GradientMirrorType, &TGDIPFill::SetGradientMirrorType),
        Value("HatchStyle", &TGDIPFill::HatchStyle, &TGDIPFill::SetHatchStyle),
        Value("HatchStyleMirror", &TGDIPFill::HatchStyleMirror, &TGDIPFill::SetHatchStyleMirror),
        Value("BackGroundPictureMode", &TGDIPFill::BackGroundPictureMode, &TGDIPFill::SetBackGroundPictureMode),
        Value("BackGroundPicturePosition", &TGDIPFill::BackGroundPicturePosition,
              &TGDIPFill::SetBackGroundPicturePosition),
        Value("BackGroundPictureLeft", &TGDIPFill::BackGroundPictureLeft, &TGDIPFill::SetBackGroundPictureLeft),
        Value("BackGroundPictureTop", &TGDIPFill::BackGroundPictureTop, &TGDIPFill::SetBackGroundPictureTop),
        Value("PicturePosition", &TGDIPFill::PicturePosition, &TGDIPFill::SetPicturePosition),
        Value("PictureLeft", &TGDIPFill::PictureLeft, &TGDIPFill::SetPictureLeft),
        Value("PictureTop", &TGDIPFill::PictureTop, &TGDIPFill::SetPictureTop),
        Value("PictureSize", &TGDIPFill::PictureSize, &TGDIPFill::SetPictureSize),
        Value("PictureWidth", &TGDIPFill::PictureWidth, &TGDIPFill::SetPictureWidth),
        Value("PictureHeight", &TGDIPFill::PictureHeight, &TGDIPFill::SetPictureHeight),
        Value("Opacity", &TGDIPFill::Opacity, &TGDIPFill::SetOpacity),
        Value("OpacityTo", &TGDIPFill::OpacityTo, &TGDIPFill::SetOpacityTo),
        Value("OpacityMirror", &TGDIPFill::OpacityMirror, &TGDIPFill::SetOpacityMirror),
        Value("OpacityMirrorTo", &TGDIPFill::OpacityMirrorTo, &TGDIPFill::SetOpacityMirrorTo),
        Value("BorderColor", &TGDIPFill::BorderColor, &TGDIPFill::SetBorderColor),
        Value("BorderOpacity", &TGDIPFill::BorderOpacity, &TGDIPFill::SetBorderOpacity),
        Value("BorderWidth", &TGDIPFill::BorderWidth, &TGDIPFill::SetBorderWidth),
        Value("Rounding", &TGDIPFill::Rounding, &TGDIPFill::SetRounding),
        Value("RoundingType", &TGDIPFill::RoundingType, &TGDIPFill::SetRoundingType),
        Value("ShadowOffset", &TGDIPFill::ShadowOffset, &TGDIPFill::SetShadowOffset),
        Value("ShadowColor", &TGDIPFill::ShadowColor, &TGDIPFill::SetShadowColor),
        Value("Angle", &TGDIPFill::Angle, &TGDIPFill::SetAngle),
        Value("Glow", &TGDIPFill::Glow, &TGDIPFill::SetGlow),
        Value("GlowGradientColor", &TGDIPFill::GlowGradientColor, &TGDIPFill::SetGlowGradientColor),
        Value("GlowRadialColor", &TGDIPFill::GlowRadialColor, &TGDIPFill::SetGlowRadialColor),
        Value("ShadowType", &TGDIPFill::ShadowType, &TGDIPFill::SetShadowType, false),
        Value("PictureAspectRatio", &TGDIPFill::PictureAspectRatio, &TGDIPFill::SetPictureAspectRatio, false),
        Value("PictureAspectMode", &TGDIPFill::PictureAspectMode, &TGDIPFill::SetPictureAspectMode, false),
        Value("BackGroundPictureAspectRatio", &TGDIPFill::BackGroundPictureAspectRatio,
              &TGDIPFill::SetBackGroundPictureAspectRatio, false),
        Value("BackGroundPictureAspectMode", &TGDIPFill::BackGroundPictureAspectMode,
              &TGDIPFill::SetBackGroundPictureAspectMode, false),
    };
    return values;
}

// The two pictures: their key, the key of their text's length, and the picture.
struct StoredPicture {
    const char* key;
    const char* lengthKey;
    TAdvGDIPPicture& (TGDIPFill::*picture)();
};
constexpr StoredPicture kPictures[] = {
    {"Picture", "PictureDataSize", &TGDIPFill::Picture},
    {"BackgroundPicture", "BackgroundPictureSize", &TGDIPFill::BackGroundPicture},
};

void LoadPicture(TAdvGDIPPicture& picture, const QString& hex) {
    QBuffer stream;
    stream.setData(HexToBytes(hex));
    stream.open(QIODevice::ReadOnly);
    picture.LoadFromStream(&stream);
}

}  // namespace

QString BytesToHex(const QByteArray& bytes) { return QString::fromLatin1(bytes.toHex().toUpper()); }

QByteArray HexToBytes(const QString& text) {
    QByteArray out;
    out.reserve(text.size() / 2);
    auto nibble = [](QChar c) {
        const ushort u = c.toUpper().unicode();
        if (u >= '0' && u <= '9') return int(u - '0');
        if (u >= 'A' && u <= 'F') return int(u - 'A' + 10);
        throw EConvertError("No Hex-Number");
    };
    for (qsizetype i = 0; i + 1 < text.size(); i += 2) out += char(nibble(text[i]) * 16 + nibble(text[i + 1]));
    return out;
}

void TGDIPFill::SaveToFile(const QString& fileName, const QString& section) {
    TIniFile ini(fileName);
    SaveToFile(ini, section);
    ini.UpdateFile();
}

void TGDIPFill::SaveToFile(TIniFile& ini, const QString& section) {
    for (const Stored& v : Values())
        if (v.ini) ini.WriteInteger(section, QLatin1String(v.key), v.get(*this));
    for (const StoredPicture& p : kPictures) {
        const TAdvGDIPPicture& picture = (this->*p.picture)();
        const QString hex = picture.Empty() ? QString() : BytesToHex(picture.Bytes());
        ini.WriteString(section, QLatin1String(p.key), hex);
        ini.WriteInteger(section, QLatin1String(p.lengthKey), int(hex.size()));
    }
}

void TGDIPFill::LoadFromFile(const QString& fileName, const QString& section) {
    TIniFile ini(fileName);
    LoadFromFile(ini, section);
}

void TGDIPFill::LoadFromFile(TIniFile& ini, const QString& section) {
    BeginUpdate();
    try {
        for (const Stored& v : Values())
            if (v.ini) v.set(*this, ini.ReadInteger(section, QLatin1String(v.key), v.get(*this)));
        for (const StoredPicture& p : kPictures) {
            // The length from the file only limits what is read; it never sizes a buffer.
            const int n = ini.ReadInteger(section, QLatin1String(p.lengthKey), 0);
            if (n <= 0) continue;
            LoadPicture((this->*p.picture)(), ini.ReadString(section, QLatin1String(p.key), QString(), n));
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    Changed();
}

void TGDIPFill::SaveToClipBoard() {
    TSaver saver;
    saver.SaveObject = this;
    TIniFile stream;
    const QString section = QStringLiteral("SaveObject");
    for (const Stored& v : Values()) stream.WriteInteger(section, QLatin1String(v.key), v.get(*saver.SaveObject));
    for (const StoredPicture& p : kPictures) {
        const TAdvGDIPPicture& picture = (saver.SaveObject->*p.picture)();
        if (!picture.Empty()) stream.WriteString(section, QLatin1String(p.key), BytesToHex(picture.Bytes()));
    }
    auto* data = new QMimeData;
    data->setData(QLatin1String(kFillClipboardFormat), stream.Text().toUtf8());
    QGuiApplication::clipboard()->setMimeData(data);
}

void TGDIPFill::LoadFromClipBoard() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(QLatin1String(kFillClipboardFormat))) return;
    TIniFile stream;
    stream.SetText(QString::fromUtf8(data->data(QLatin1String(kFillClipboardFormat))));
    TSaver saver;
    saver.SaveObject = this;
    const QString section = QStringLiteral("SaveObject");
    for (const Stored& v : Values())
        if (stream.ValueExists(section, QLatin1String(v.key)))
            v.set(*saver.SaveObject, stream.ReadInteger(section, QLatin1String(v.key), v.get(*saver.SaveObject)));
    for (const StoredPicture& p : kPictures) {
        if (!stream.ValueExists(section, QLatin1String(p.key))) continue;
        TAdvGDIPPicture loaded;
        LoadPicture(loaded, stream.ReadString(section, QLatin1String(p.key), QString()));
        if (p.key == kPictures[0].key)
            saver.SaveObject->SetPicture(loaded);
        else
            saver.SaveObject->SetBackGroundPicture(loaded);
    }
}
