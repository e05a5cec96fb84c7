#pragma once
// The settings store: named values in sections, kept in an ini file (by default next to the
// program, named after it) or under a registry key. The storage is opened again before the
// next operation whenever a setting that locates it changes; every write to an ini file
// writes the whole file at once.
#include "registry/TRegistryIniFile.h"
#include "text/TMemIniFile.h"
#include "ui/TComponent.h"

#include <QObject>

#include <memory>

enum TRzPathType { ptIniFile, ptRegistry };
enum TRzRegKey {
    hkeyClassesRoot, hkeyCurrentUser, hkeyLocalMachine, hkeyUsers, hkeyPerformanceData, hkeyCurrentConfig, hkeyDynData
};
enum TRzRegAccessKey {
    keyQueryValue, keySetValue, keyCreateSubKey, keyEnumerateSubKeys, keyNotify, keyCreateLink, keyRead, keyWrite,
    keyExecute, keyAllAccess
};
// A set of TRzRegAccessKey, one bit each; the access mask is the OR of the members' values.
using TRzRegAccess = unsigned;
enum TRzSpecialFolder { sfNone, sfUserAppDataRoaming, sfUserAppDataLocal, sfUserDocuments, sfProgramData };
enum TRzIniFileEncoding { feDefault, feUTF8, feUnicode };

// The access mask of a set of access keys.
std::uint32_t AccessMask(TRzRegAccess access);

class TRzRegIniFile : public QObject, public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString Path READ Path WRITE SetPath)
    Q_PROPERTY(int PathType READ PathType WRITE SetPathTypeInt)
public:
    explicit TRzRegIniFile(TComponent* owner);
    ~TRzRegIniFile() override;
    QObject* Object() override { return this; }

    // The path as given, or as resolved once the storage has been opened.
    QString Path() const { return FPath; }
    virtual void SetPath(const QString& value);
    TRzPathType PathType() const { return FPathType; }
    virtual void SetPathType(TRzPathType value);
    TRzRegKey RegKey() const { return FRegKey; }
    virtual void SetRegKey(TRzRegKey value);
    TRzRegAccess RegAccess() const { return FRegAccess; }
    virtual void SetRegAccess(TRzRegAccess value);
    TRzSpecialFolder SpecialFolder() const { return FSpecialFolder; }
    virtual void SetSpecialFolder(TRzSpecialFolder value);
    TRzIniFileEncoding FileEncoding() const { return FFileEncoding; }
    virtual void SetFileEncoding(TRzIniFileEncoding value);

    bool SectionExists(const QString& section);
    bool ValueExists(const QString& section, const QString& name);
    bool ReadBool(const QString& section, const QString& name, bool fallback);
    void WriteBool(const QString& section, const QString& name, bool value);
    QDate ReadDate(const QString& section, const QString& name, const QDate& fallback);
    void WriteDate(const QString& section, const QString& name, const QDate& value);
    QDateTime ReadDateTime(const QString& section, const QString& name, const QDateTime& fallback);
    void WriteDateTime(const QString& section, const QString& name, const QDateTime& value);
    double ReadFloat(const QString& section, const QString& name, double fallback);
    void WriteFloat(const QString& section, const QString& name, double value);
    int ReadInteger(const QString& section, const QString& name, int fallback);
    void WriteInteger(const QString& section, const QString& name, int value);
    QString ReadString(const QString& section, const QString& name, const QString& fallback);
    void WriteString(const QString& section, const QString& name, const QString& value);
    QTime ReadTime(const QString& section, const QString& name, const QTime& fallback);
    void WriteTime(const QString& section, const QString& name, const QTime& value);
    QByteArray ReadBinaryStream(const QString& section, const QString& name);
    void WriteBinaryStream(const QString& section, const QString& name, const QByteArray& value);
    QStringList ReadSection(const QString& section);
    QStringList ReadSections();
    QStringList ReadSectionValues(const QString& section);
    void EraseSection(const QString& section);
    void DeleteKey(const QString& section, const QString& name);

private:
    void SetPathTypeInt(int value) { SetPathType(TRzPathType(value)); }
    // Opens the storage again when a locating setting changed.
    TCustomIniFile& Storage();
    // After a write to an ini file: the encoding again, and the whole file to disk.
    void Written();

    QString FPath;
    TRzPathType FPathType = ptIniFile;
    TRzRegKey FRegKey = hkeyCurrentUser;
    TRzRegAccess FRegAccess = 1u << keyAllAccess;
    TRzSpecialFolder FSpecialFolder = sfNone;
    TRzIniFileEncoding FFileEncoding = feDefault;
    bool FRefreshStorage = true;
    std::unique_ptr<TMemIniFile> FIni;
    std::unique_ptr<TRegistryIniFile> FReg;
};
