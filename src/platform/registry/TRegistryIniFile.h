#pragma once
// Ini-file access to a registry key: each section is a subkey of the key, each name a value
// in it. Integers are kept as integer values, byte streams as binary values.
#include "registry/TRegistry.h"
#include "text/TCustomIniFile.h"

class TRegistryIniFile : public TCustomIniFile {
public:
    // Opens (creating it when missing) the key under the root.
    TRegistryIniFile(TRootKey root, const QString& key, std::uint32_t access = KEY_ALL_ACCESS);

    TRootKey Root() const { return FRoot; }
    QString Key() const { return FKey; }
    std::uint32_t Access() const { return FAccess; }

    QString ReadString(const QString& section, const QString& name, const QString& fallback) const override;
    void WriteString(const QString& section, const QString& name, const QString& value) override;
    int ReadInteger(const QString& section, const QString& name, int fallback) const override;
    void WriteInteger(const QString& section, const QString& name, int value) override;
    bool ReadBool(const QString& section, const QString& name, bool fallback) const override;
    void WriteBool(const QString& section, const QString& name, bool value) override;
    QByteArray ReadBinaryStream(const QString& section, const QString& name) const override;
    void WriteBinaryStream(const QString& section, const QString& name, const QByteArray& value) override;
    QStringList ReadSection(const QString& section) const override;
    QStringList ReadSections() const override;
    void EraseSection(const QString& section) override;
    void DeleteKey(const QString& section, const QString& name) override;

    // The key path of a section.
    QString SectionKey(const QString& section) const;

private:
    TRootKey FRoot;
    QString FKey;
    std::uint32_t FAccess;
};
