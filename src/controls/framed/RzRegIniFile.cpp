#include "RzRegIniFile.h"

#include "ChangedWriter.h"
#include "ui/SystemInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

namespace {

TRootKey RootOf(TRzRegKey key) { return TRootKey(int(key)); }

TIniEncoding EncodingOf(TRzIniFileEncoding e) {
    switch (e) {
    case feUTF8: return TIniEncoding::Utf8;
    case feUnicode: return TIniEncoding::Utf16;
    default: return TIniEncoding::Default;
    }
}

QString ProgramFile() { return QCoreApplication::applicationFilePath(); }

QString WithExtension(const QString& path, const QString& extension) {
    const QFileInfo info(path);
    const QString dir = info.path() == QLatin1String(".") && !path.contains(QLatin1Char('/')) ? QString() : info.path() + QLatin1Char('/');
    return dir + info.completeBaseName() + extension;
}

}  // namespace

std::uint32_t AccessMask(TRzRegAccess access) {
    static constexpr std::uint32_t kValues[] = {KEY_QUERY_VALUE, KEY_SET_VALUE, KEY_CREATE_SUB_KEY,
                                                KEY_ENUMERATE_SUB_KEYS, KEY_NOTIFY, KEY_CREATE_LINK, KEY_READ,
                                                KEY_WRITE, KEY_EXECUTE, KEY_ALL_ACCESS};
    std::uint32_t mask = 0;
    for (int i = 0; i <= int(keyAllAccess); ++i)
        if (access & (1u << i)) mask |= kValues[i];
    return mask;
}

TRzRegIniFile::TRzRegIniFile(TComponent* owner) : QObject(nullptr), TComponent(owner) {}

TRzRegIniFile::~TRzRegIniFile() = default;

#define Q7K_STORAGE_WRITER(Name, Type, Field) Q7K_CHANGED_WRITER(TRzRegIniFile, Name, Type, Field, FRefreshStorage = true)

Q7K_STORAGE_WRITER(Path, const QString&, FPath)
Q7K_STORAGE_WRITER(PathType, TRzPathType, FPathType)
Q7K_STORAGE_WRITER(RegKey, TRzRegKey, FRegKey)
Q7K_STORAGE_WRITER(RegAccess, TRzRegAccess, FRegAccess)
Q7K_STORAGE_WRITER(SpecialFolder, TRzSpecialFolder, FSpecialFolder)
Q7K_STORAGE_WRITER(FileEncoding, TRzIniFileEncoding, FFileEncoding)

#undef Q7K_STORAGE_WRITER

TCustomIniFile& TRzRegIniFile::Storage() {
    if (FRefreshStorage || (!FIni && !FReg)) {
        FIni.reset();
        FReg.reset();
        QString p = FPath;
        if (FPathType == ptIniFile) {
            const TOsVersion v = OsVersion();
            if (FSpecialFolder != sfNone && v.Nt && v.Major > 4) {
                const QString folder = SpecialFolderPath(TSpecialFolderKind(int(FSpecialFolder) - 1));
                if (!folder.isEmpty()) {
                    const QString dir = QFileInfo(p).path() == QLatin1String(".") ? QString() : QFileInfo(p).path();
                    QString full = folder + dir;
                    QDir().mkpath(full);
                    if (!full.endsWith(QLatin1Char('/'))) full += QLatin1Char('/');
                    if (QDir(full).exists()) {
                        p = p.isEmpty() ? full + QFileInfo(ProgramFile()).completeBaseName() + QStringLiteral(".ini")
                                        : full + WithExtension(QFileInfo(p).fileName(), QStringLiteral(".ini"));
                    }
                }
            }
            if (!p.isEmpty() && !p.contains(QLatin1Char('/')))
                p = QCoreApplication::applicationDirPath() + QLatin1Char('/') + WithExtension(p, QStringLiteral(".ini"));
            else if (p.isEmpty())
                p = WithExtension(ProgramFile(), QStringLiteral(".ini"));
            FIni = std::make_unique<TMemIniFile>(p, EncodingOf(FFileEncoding));
        } else {
            if (p.isEmpty()) {
                QString title = QGuiApplication::applicationDisplayName();
                if (title.isEmpty()) title = QFileInfo(ProgramFile()).completeBaseName();
                p = QStringLiteral("\\Software\\Temp\\") + title;
            }
            FReg = std::make_unique<TRegistryIniFile>(RootOf(FRegKey), p, AccessMask(FRegAccess));
        }
        FPath = p;
        FRefreshStorage = false;
    }
    if (FIni) return *FIni;
    return *FReg;
}

void TRzRegIniFile::Written() {
    if (!FIni) return;
    FIni->SetEncoding(EncodingOf(FFileEncoding));
    FIni->UpdateFile();
}

bool TRzRegIniFile::SectionExists(const QString& section) { return Storage().SectionExists(section); }
bool TRzRegIniFile::ValueExists(const QString& section, const QString& name) { return Storage().ValueExists(section, name); }

bool TRzRegIniFile::ReadBool(const QString& s, const QString& n, bool d) { return Storage().ReadBool(s, n, d); }
QDate TRzRegIniFile::ReadDate(const QString& s, const QString& n, const QDate& d) { return Storage().ReadDate(s, n, d); }
QDateTime TRzRegIniFile::ReadDateTime(const QString& s, const QString& n, const QDateTime& d) {
    return Storage().ReadDateTime(s, n, d);
}
double TRzRegIniFile::ReadFloat(const QString& s, const QString& n, double d) { return Storage().ReadFloat(s, n, d); }
int TRzRegIniFile::ReadInteger(const QString& s, const QString& n, int d) { return Storage().ReadInteger(s, n, d); }
QString TRzRegIniFile::ReadString(const QString& s, const QString& n, const QString& d) {
    return Storage().ReadString(s, n, d);
}
QTime TRzRegIniFile::ReadTime(const QString& s, const QString& n, const QTime& d) { return Storage().ReadTime(s, n, d); }
QByteArray TRzRegIniFile::ReadBinaryStream(const QString& s, const QString& n) { return Storage().ReadBinaryStream(s, n); }
QStringList TRzRegIniFile::ReadSection(const QString& s) { return Storage().ReadSection(s); }
QStringList TRzRegIniFile::ReadSections() { return Storage().ReadSections(); }

void TRzRegIniFile::WriteBool(const QString& s, const QString& n, bool v) {
    Storage().WriteBool(s, n, v);
    Written();
}
void TRzRegIniFile::WriteDate(const QString& s, const QString& n, const QDate& v) {
    Storage().WriteDate(s, n, v);
    Written();
}
void TRzRegIniFile::WriteDateTime(const QString& s, const QString& n, const QDateTime& v) {
    Storage().WriteDateTime(s, n, v);
    Written();
}
void TRzRegIniFile::WriteFloat(const QString& s, const QString& n, double v) {
    Storage().WriteFloat(s, n, v);
    Written();
}
void TRzRegIniFile::WriteInteger(const QString& s, const QString& n, int v) {
    Storage().WriteInteger(s, n, v);
    Written();
}
void TRzRegIniFile::WriteString(const QString& s, const QString& n, const QString& v) {
    Storage().WriteString(s, n, v);
    Written();
}
void TRzRegIniFile::WriteTime(const QString& s, const QString& n, const QTime& v) {
    Storage().WriteTime(s, n, v);
    Written();
}
void TRzRegIniFile::WriteBinaryStream(const QString& s, const QString& n, const QByteArray& v) {
    Storage().WriteBinaryStream(s, n, v);
    Written();
}
void TRzRegIniFile::EraseSection(const QString& s) {
    Storage().EraseSection(s);
    Written();
}
void TRzRegIniFile::DeleteKey(const QString& s, const QString& n) {
    Storage().DeleteKey(s, n);
    Written();
}

QStringList TRzRegIniFile::ReadSectionValues(const QString& section) {
    TCustomIniFile& storage = Storage();
    if (!FReg) return storage.ReadSectionValues(section);
    // Registry: the section key's values by name, each in the form of its type.
    QStringList lines;
    TRegistry reg(AccessMask(FRegAccess));
    reg.SetRootKey(RootOf(FRegKey));
    if (!reg.OpenKeyReadOnly(FReg->SectionKey(section))) return lines;
    QStringList names = reg.GetValueNames();
    names.sort(Qt::CaseInsensitive);
    for (const QString& name : names) {
        if (name.isEmpty()) {
            lines << QStringLiteral("Default=") + reg.ReadString(name);
            continue;
        }
        switch (reg.GetDataType(name)) {
        case TRegDataType::String:
        case TRegDataType::ExpandString: lines << name + QLatin1Char('=') + reg.ReadString(name); break;
        case TRegDataType::Integer: lines << name + QLatin1Char('=') + QString::number(reg.ReadInteger(name)); break;
        case TRegDataType::Binary: {
            QString line = name + QLatin1Char('=');
            for (const char b : reg.ReadBinaryData(name))
                line += QStringLiteral("%1 ").arg(unsigned(static_cast<unsigned char>(b)), 2, 16, QLatin1Char('0')).toUpper();
            lines << line;
            break;
        }
        default: lines << name + QStringLiteral("=Unknown Data Type"); break;
        }
    }
    return lines;
}
