#pragma once
// The registry as the program's settings store uses it: keys under predefined roots, named
// values of string, integer or binary type. It is kept per user in a folder of its own
// (each key a folder, its values in one file), so it is the same on every system.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <map>

enum class TRootKey { ClassesRoot, CurrentUser, LocalMachine, Users, PerformanceData, CurrentConfig, DynData };
enum class TRegDataType { Unknown, String, ExpandString, Integer, Binary };

// Access rights (the windows' masks); only reading and writing are told apart here.
constexpr std::uint32_t KEY_QUERY_VALUE = 0x1, KEY_SET_VALUE = 0x2, KEY_CREATE_SUB_KEY = 0x4,
                        KEY_ENUMERATE_SUB_KEYS = 0x8, KEY_NOTIFY = 0x10, KEY_CREATE_LINK = 0x20,
                        KEY_READ = 0x20019, KEY_WRITE = 0x20006, KEY_EXECUTE = 0x20019, KEY_ALL_ACCESS = 0xF003F;

// The folder the registry is kept in (by default in the user's configuration folder).
QString RegistryFolder();
void SetRegistryFolder(const QString& folder);

class TRegistry {
public:
    explicit TRegistry(std::uint32_t access = KEY_ALL_ACCESS) : FAccess(access) {}
    ~TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    void SetRootKey(TRootKey root) { FRoot = root; }
    // Opens a key (backslash-separated, relative to the root); creates it when allowed.
    bool OpenKey(const QString& key, bool canCreate);
    bool OpenKeyReadOnly(const QString& key);
    // Closes the open key (every write is kept at once).
    void CloseKey();
    QString CurrentPath() const { return FPath; }
    bool KeyExists(const QString& key) const;
    bool DeleteKey(const QString& key);

    bool ValueExists(const QString& name) const;
    QStringList GetValueNames() const;
    QStringList GetKeyNames() const;
    TRegDataType GetDataType(const QString& name) const;
    QString ReadString(const QString& name) const;
    int ReadInteger(const QString& name) const;
    QByteArray ReadBinaryData(const QString& name) const;
    void WriteString(const QString& name, const QString& value);
    void WriteExpandString(const QString& name, const QString& value);
    void WriteInteger(const QString& name, int value);
    void WriteBinaryData(const QString& name, const QByteArray& value);
    bool DeleteValue(const QString& name);

private:
    struct Value {
        TRegDataType type = TRegDataType::Unknown;
        QByteArray data;  // UTF-8 text, decimal integer or raw bytes
    };
    QString KeyFolder(const QString& key) const;
    void Load();
    void Save();
    const Value* Find(const QString& name) const;
    bool CanWrite() const { return !FReadOnly && (FAccess & KEY_SET_VALUE); }

    std::uint32_t FAccess;
    TRootKey FRoot = TRootKey::CurrentUser;
    QString FPath;
    bool FOpen = false;
    bool FReadOnly = false;
    std::map<QString, Value> FValues;  // lower-case name -> value
    std::map<QString, QString> FNames;  // lower-case name -> name as written
};
