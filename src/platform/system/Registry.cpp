#include "platform/system/Registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringConverter>
#include <QTextStream>

namespace vantir {

namespace {

QString normalizedKey(const QString& key) {
    QString path = key;
    while (path.startsWith(QLatin1Char('\\'))) path.remove(0, 1);
    while (path.endsWith(QLatin1Char('\\'))) path.chop(1);
    return path;
}

QString quoted(const QString& text) {
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('"')) {
            out += QLatin1Char('\\');
            out += c;
        } else if (c == QLatin1Char('\n')) {
            out += QStringLiteral("\\n");
        } else if (c == QLatin1Char('\r')) {
            out += QStringLiteral("\\r");
        } else {
            out += c;
        }
    }
    return out + QLatin1Char('"');
}

// The inverse of quoted(); nullopt for text that is not a quoted string.
std::optional<QString> unquoted(const QString& text) {
    if (text.size() < 2 || !text.startsWith(QLatin1Char('"')) || !text.endsWith(QLatin1Char('"')))
        return std::nullopt;
    QString out;
    for (int i = 1; i < text.size() - 1; ++i) {
        QChar c = text[i];
        if (c == QLatin1Char('\\') && i + 1 < text.size() - 1) {
            c = text[++i];
            if (c == QLatin1Char('n'))
                c = QLatin1Char('\n');
            else if (c == QLatin1Char('r'))
                c = QLatin1Char('\r');
        }
        out += c;
    }
    return out;
}

const QString kDwordPrefix = QStringLiteral("dword:");

}  // namespace

QString Registry::defaultPath() {
    const QString named = qEnvironmentVariable("VANTIR_REGISTRY");
    if (!named.isEmpty()) return named;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Vantir/registry.ini");
}

Registry::Registry(QString path) : path_(std::move(path)) {}

void Registry::load() const {
    keys_.clear();
    readable_ = true;
    QFile file(path_);
    if (!file.exists()) return;
    if (!file.open(QIODevice::ReadOnly)) {
        readable_ = false;
        return;
    }
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    Key* current = nullptr;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';'))) continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            const QString path = normalizedKey(line.mid(1, line.size() - 2));
            current = findKey(path);
            if (!current) {
                keys_.append(Key{path, {}});
                current = &keys_.last();
            }
            continue;
        }
        const int equals = line.indexOf(QLatin1Char('='));
        if (!current || equals <= 0) continue;  // not a value: skipped, and not written back
        Value value;
        value.name = line.left(equals).trimmed();
        const QString data = line.mid(equals + 1).trimmed();
        if (data.startsWith(kDwordPrefix)) {
            bool ok = false;
            value.type = Type::Integer;
            value.integer = static_cast<qint32>(data.mid(kDwordPrefix.size()).toUInt(&ok, 16));
            if (!ok) continue;
        } else if (const auto text = unquoted(data)) {
            value.text = *text;
        } else {
            continue;
        }
        current->values.append(value);
    }
}

bool Registry::save() const {
    if (!readable_) return false;
    const QFileInfo info(path_);
    if (!QDir().mkpath(info.absolutePath())) return false;
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly)) return false;
    QString text =
        QStringLiteral("; Vantir's stand-in for the user's registry (HKEY_CURRENT_USER).\n");
    for (const Key& key : keys_) {
        text += QLatin1Char('\n') + QLatin1Char('[') + key.path + QStringLiteral("]\n");
        for (const Value& value : key.values) {
            text += value.name + QLatin1Char('=');
            if (value.type == Type::Integer) {
                text += kDwordPrefix + QStringLiteral("%1").arg(static_cast<quint32>(value.integer),
                                                                8, 16, QLatin1Char('0'));
            } else {
                text += quoted(value.text);
            }
            text += QLatin1Char('\n');
        }
    }
    file.write(text.toUtf8());
    return file.commit();
}

Registry::Key* Registry::findKey(const QString& key) const {
    const QString path = normalizedKey(key);
    for (Key& candidate : keys_) {
        if (candidate.path.compare(path, Qt::CaseInsensitive) == 0) return &candidate;
    }
    return nullptr;
}

const Registry::Value* Registry::findValue(const QString& key, const QString& name) const {
    load();
    const Key* found = findKey(key);
    if (!found) return nullptr;
    for (const Value& value : found->values) {
        if (value.name.compare(name, Qt::CaseInsensitive) == 0) return &value;
    }
    return nullptr;
}

QStringList Registry::valueNames(const QString& key) const {
    load();
    QStringList names;
    if (const Key* found = findKey(key)) {
        for (const Value& value : found->values) names << value.name;
    }
    return names;
}

bool Registry::keyExists(const QString& key) const {
    load();
    return readable_ && findKey(key);
}

bool Registry::createKey(const QString& key) {
    load();
    if (!readable_) return false;
    if (findKey(key)) return true;
    keys_.append(Key{normalizedKey(key), {}});
    return save();
}

std::optional<QString> Registry::readString(const QString& key, const QString& name) const {
    const Value* value = findValue(key, name);
    if (!value || value->type != Type::String) return std::nullopt;
    return value->text;
}

std::optional<qint32> Registry::readInteger(const QString& key, const QString& name) const {
    const Value* value = findValue(key, name);
    if (!value || value->type != Type::Integer) return std::nullopt;
    return value->integer;
}

std::optional<Registry::Type> Registry::valueType(const QString& key, const QString& name) const {
    const Value* value = findValue(key, name);
    if (!value) return std::nullopt;
    return value->type;
}

bool Registry::writeValue(const QString& key, const Value& value) {
    load();
    Key* found = readable_ ? findKey(key) : nullptr;
    if (!found) return false;
    bool replaced = false;
    for (Value& existing : found->values) {
        if (existing.name.compare(value.name, Qt::CaseInsensitive) == 0) {
            existing = value;
            replaced = true;
        }
    }
    if (!replaced) found->values.append(value);
    return save();
}

bool Registry::writeString(const QString& key, const QString& name, const QString& data) {
    return writeValue(key, Value{name, Type::String, data, 0});
}

bool Registry::writeInteger(const QString& key, const QString& name, qint32 data) {
    return writeValue(key, Value{name, Type::Integer, {}, data});
}

bool Registry::deleteValue(const QString& key, const QString& name) {
    load();
    Key* found = readable_ ? findKey(key) : nullptr;
    if (!found) return false;
    const auto removed = found->values.removeIf(
        [&](const Value& value) { return value.name.compare(name, Qt::CaseInsensitive) == 0; });
    return removed == 0 || save();
}

}  // namespace vantir
