#include "registry/TRegistry.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

QString& Folder() {
    static QString folder;
    return folder;
}

const char* RootName(TRootKey root) {
    switch (root) {
    case TRootKey::ClassesRoot: return "HKEY_CLASSES_ROOT";
    case TRootKey::CurrentUser: return "HKEY_CURRENT_USER";
    case TRootKey::LocalMachine: return "HKEY_LOCAL_MACHINE";
    case TRootKey::Users: return "HKEY_USERS";
    case TRootKey::PerformanceData: return "HKEY_PERFORMANCE_DATA";
    case TRootKey::CurrentConfig: return "HKEY_CURRENT_CONFIG";
    case TRootKey::DynData: return "HKEY_DYN_DATA";
    }
    return "HKEY_CURRENT_USER";
}

QString Normalised(const QString& key) {
    QStringList parts = key.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    return parts.join(QLatin1Char('\\'));
}

constexpr const char* kValuesFile = "values.reg";

}  // namespace

QString RegistryFolder() {
    if (Folder().isEmpty())
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/q7k-registry");
    return Folder();
}

void SetRegistryFolder(const QString& folder) { Folder() = folder; }

TRegistry::~TRegistry() { CloseKey(); }

// Key names compare without letter case and keep the case they were created with.
QString TRegistry::KeyFolder(const QString& key) const {
    QString path = RegistryFolder() + QLatin1Char('/') + QLatin1String(RootName(FRoot));
    for (const QString& part : Normalised(key).split(QLatin1Char('\\'), Qt::SkipEmptyParts)) {
        QString name = part;
        for (const QString& existing : QDir(path).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            if (existing.compare(part, Qt::CaseInsensitive) == 0) name = existing;
        path += QLatin1Char('/') + name;
    }
    return path;
}

bool TRegistry::OpenKey(const QString& key, bool canCreate) {
    CloseKey();
    const QString folder = KeyFolder(key);
    if (!QDir(folder).exists()) {
        if (!canCreate || !(FAccess & KEY_CREATE_SUB_KEY) || !QDir().mkpath(folder)) return false;
    }
    FPath = Normalised(key);
    FOpen = true;
    FReadOnly = false;
    Load();
    return true;
}

bool TRegistry::OpenKeyReadOnly(const QString& key) {
    CloseKey();
    if (!QDir(KeyFolder(key)).exists()) return false;
    FPath = Normalised(key);
    FOpen = true;
    FReadOnly = true;
    Load();
    return true;
}

void TRegistry::CloseKey() {
    FOpen = false;
    FValues.clear();
    FNames.clear();
}

bool TRegistry::KeyExists(const QString& key) const { return QDir(KeyFolder(key)).exists(); }

bool TRegistry::DeleteKey(const QString& key) {
    if (!(FAccess & KEY_SET_VALUE)) return false;
    return QDir(KeyFolder(key)).removeRecursively();
}

// Each line: type letter, tab, name, tab, hexadecimal data.
void TRegistry::Load() {
    FValues.clear();
    FNames.clear();
    QFile file(KeyFolder(FPath) + QLatin1Char('/') + QLatin1String(kValuesFile));
    if (!file.open(QIODevice::ReadOnly)) return;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() != 3 || fields[0].size() != 1) continue;
        Value v;
        switch (fields[0][0]) {
        case 's': v.type = TRegDataType::String; break;
        case 'e': v.type = TRegDataType::ExpandString; break;
        case 'd': v.type = TRegDataType::Integer; break;
        case 'b': v.type = TRegDataType::Binary; break;
        default: continue;
        }
        v.data = QByteArray::fromHex(fields[2]);
        const QString name = QString::fromUtf8(QByteArray::fromHex(fields[1]));
        FValues[name.toLower()] = v;
        FNames[name.toLower()] = name;
    }
}

void TRegistry::Save() {
    QSaveFile file(KeyFolder(FPath) + QLatin1Char('/') + QLatin1String(kValuesFile));
    if (!file.open(QIODevice::WriteOnly)) return;
    for (const auto& [key, v] : FValues) {
        const char type = v.type == TRegDataType::String         ? 's'
                          : v.type == TRegDataType::ExpandString ? 'e'
                          : v.type == TRegDataType::Integer      ? 'd'
                                                                 : 'b';
        file.write(QByteArray(1, type) + '\t' + FNames[key].toUtf8().toHex() + '\t' + v.data.toHex() + '\n');
    }
    file.commit();
}

const TRegistry::Value* TRegistry::Find(const QString& name) const {
    const auto it = FValues.find(name.toLower());
    return it == FValues.end() ? nullptr : &it->second;
}

bool TRegistry::ValueExists(const QString& name) const { return Find(name) != nullptr; }

QStringList TRegistry::GetValueNames() const {
    QStringList names;
    for (const auto& entry : FNames) names << entry.second;
    return names;
}

QStringList TRegistry::GetKeyNames() const {
    return QDir(KeyFolder(FPath)).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

TRegDataType TRegistry::GetDataType(const QString& name) const {
    const Value* v = Find(name);
    return v ? v->type : TRegDataType::Unknown;
}

QString TRegistry::ReadString(const QString& name) const {
    const Value* v = Find(name);
    return v && (v->type == TRegDataType::String || v->type == TRegDataType::ExpandString) ? QString::fromUtf8(v->data)
                                                                                           : QString();
}

int TRegistry::ReadInteger(const QString& name) const {
    const Value* v = Find(name);
    return v && v->type == TRegDataType::Integer ? v->data.toInt() : 0;
}

QByteArray TRegistry::ReadBinaryData(const QString& name) const {
    const Value* v = Find(name);
    return v && v->type == TRegDataType::Binary ? v->data : QByteArray();
}

void TRegistry::WriteString(const QString& name, const QString& value) {
    if (!FOpen || !CanWrite()) return;
    FValues[name.toLower()] = Value{TRegDataType::String, value.toUtf8()};
    FNames[name.toLower()] = name;
    Save();
}

void TRegistry::WriteExpandString(const QString& name, const QString& value) {
    if (!FOpen || !CanWrite()) return;
    FValues[name.toLower()] = Value{TRegDataType::ExpandString, value.toUtf8()};
    FNames[name.toLower()] = name;
    Save();
}

void TRegistry::WriteInteger(const QString& name, int value) {
    if (!FOpen || !CanWrite()) return;
    FValues[name.toLower()] = Value{TRegDataType::Integer, QByteArray::number(value)};
    FNames[name.toLower()] = name;
    Save();
}

void TRegistry::WriteBinaryData(const QString& name, const QByteArray& value) {
    if (!FOpen || !CanWrite()) return;
    FValues[name.toLower()] = Value{TRegDataType::Binary, value};
    FNames[name.toLower()] = name;
    Save();
}

bool TRegistry::DeleteValue(const QString& name) {
    if (!FOpen || !CanWrite() || !Find(name)) return false;
    FValues.erase(name.toLower());
    FNames.erase(name.toLower());
    Save();
    return true;
}
