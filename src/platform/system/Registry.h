#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace vantir {

// The user's registry (HKEY_CURRENT_USER) on a platform that has none: an INI-style file
// in the user's configuration folder, or the file VANTIR_REGISTRY names. Keys are written
// as sections ("[Software\ODBC\ODBC.INI\VANTIRX]"), values as name=data with the type
// visible the way registry exports show it: "text" for strings, dword:0000000a for
// integers. Key paths and value names match without regard to case, as in the registry.
//
// Like the registry, the file is shared: every call reads it afresh and every change is
// written to it at once, so a value another program changed meanwhile is never put back.
// A file that exists but cannot be read is never overwritten: its keys count as ones that
// cannot be opened, and writes fail.
class Registry {
  public:
    enum class Type { String, Integer };

    // VANTIR_REGISTRY when set, otherwise "Vantir/registry.ini" in the user's configuration folder.
    static QString defaultPath();

    explicit Registry(QString path);

    const QString& path() const { return path_; }

    // A key path may be written with or without the leading backslash.
    bool keyExists(const QString& key) const;
    // Opens the key, creating it when missing; false when it cannot be created.
    bool createKey(const QString& key);

    std::optional<QString> readString(const QString& key, const QString& name) const;
    std::optional<qint32> readInteger(const QString& key, const QString& name) const;
    std::optional<Type> valueType(const QString& key, const QString& name) const;
    // The names of a key's values in the order written; empty when the key is missing.
    QStringList valueNames(const QString& key) const;

    // Write into an existing key only (as a key opened without creating); false when the
    // key is missing or the file cannot be written.
    bool writeString(const QString& key, const QString& name, const QString& data);
    bool writeInteger(const QString& key, const QString& name, qint32 data);
    bool deleteValue(const QString& key, const QString& name);

  private:
    struct Value {
        QString name;
        Type type = Type::String;
        QString text;
        qint32 integer = 0;
    };
    struct Key {
        QString path;
        QVector<Value> values;
    };

    void load() const;
    bool save() const;
    Key* findKey(const QString& key) const;  // in the file as last read
    const Value* findValue(const QString& key, const QString& name) const;
    bool writeValue(const QString& key, const Value& value);

    QString path_;
    // The file as last read.
    mutable bool readable_ = true;
    mutable QVector<Key> keys_;
};

}  // namespace vantir
