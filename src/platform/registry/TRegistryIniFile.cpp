#include "registry/TRegistryIniFile.h"

TRegistryIniFile::TRegistryIniFile(TRootKey root, const QString& key, std::uint32_t access)
    : FRoot(root), FKey(key), FAccess(access) {
    TRegistry reg(access);
    reg.SetRootKey(root);
    reg.OpenKey(key, true);
}

QString TRegistryIniFile::SectionKey(const QString& section) const {
    return FKey.endsWith(QLatin1Char('\\')) ? FKey + section : FKey + QLatin1Char('\\') + section;
}

QString TRegistryIniFile::ReadString(const QString& section, const QString& name, const QString& fallback) const {
    TRegistry reg(FAccess);
    reg.SetRootKey(FRoot);
    if (!reg.OpenKeyReadOnly(SectionKey(section)) || !reg.ValueExists(name)) return fallback;
    switch (reg.GetDataType(name)) {
    case TRegDataType::Integer: return QString::number(reg.ReadInteger(name));
    case TRegDataType::Binary: return QString::fromLatin1(reg.ReadBinaryData(name).toHex().toUpper());
    default: return reg.ReadString(name);
    }
}

void TRegistryIniFile::WriteString(const QString& section, const QString& name, const QString& value) {
    TRegistry reg(FAccess);
    reg.SetRootKey(FRoot);
    if (reg.OpenKey(SectionKey(section), true)) reg.WriteString(name, value);
}

int TRegistryIniFile::ReadInteger(const QString& section, const QString& name, int fallback) const {
    TRegistry reg(FAccess);
    reg.SetRootKey(FRoot);
    if (reg.OpenKeyReadOnly(SectionKey(section)) && reg.GetDataType(name) == TRegDataType::Integer)
        return reg.ReadInteger(name);
    return TCustomIniFile::ReadInteger(section, name, fallback);
}

void TRegistryIniFile::WriteInteger(const QString& section, const QString& name, int value) {
    TRegistry reg(FAccess);
    reg.SetRootKey(FRoot);
    if (reg.OpenKey(SectionKey(section), true)) reg.WriteInteger(name, value);
}

bool TRegistryIniFile::ReadBool(const QString& section, const QString& name, bool fallback) const {
    return ReadInteger(section, name, fallback ? 1 : 0) != 0;
}

void TRegistryIniFile::WriteBool(const QString& section, const QString& name, bool value) {
    WriteInteger(section, name, value ? 1 : 0);
}

QByteArray TRegistryIniFile::ReadBinaryStream(const QString& section, const QString& name) const {
    TRegistry reg(FAccess);
    reg.SetRootKey(FRoot);
    return reg.OpenKeyReadOnly(SectionKey(section)) ? reg.ReadBinaryData(name) : QByteArray();
}

void TRegistryIniFile::WriteBinaryStream(const QString& section, const QString& name, const QByteArray& value) {
    TRegistry reg(FAccess);
    reg.SetRootKey(FRoot);
    if (reg.OpenKey(SectionKey(section), true)) reg.WriteBinaryData(name, value);
}

QStringList TRegistryIniFile::ReadSection(const QString& section) const {
    TRegistry reg(FAccess);
    reg.SetRootKey(FRoot);
    return reg.OpenKeyReadOnly(SectionKey(section)) ? reg.GetValueNames() : QStringList();
}

QStringList TRegistryIniFile::ReadSections() const {
    TRegistry reg(FAccess);
    reg.SetRootKey(FRoot);
    return reg.OpenKeyReadOnly(FKey) ? reg.GetKeyNames() : QStringList();
}

void TRegistryIniFile::EraseSection(const QString& section) {
    TRegistry reg(FAccess);
    reg.SetRootKey(FRoot);
    reg.DeleteKey(SectionKey(section));
}

void TRegistryIniFile::DeleteKey(const QString& section, const QString& name) {
    TRegistry reg(FAccess);
    reg.SetRootKey(FRoot);
    if (reg.OpenKey(SectionKey(section), false)) reg.DeleteValue(name);
}
