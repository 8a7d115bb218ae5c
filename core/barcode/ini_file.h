#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace morvane::barcode {

// A Windows-style INI file: "[section]" lines and "key=value" lines, section
// and key names compared without case, the first of two equal keys wins,
// text in the ANSI code page (a UTF-8 file is recognised by its byte-order
// mark). Writing keeps every other section and key of the file.
class IniFile {
public:
    static IniFile parse(QByteArrayView bytes);
    QByteArray toBytes() const;

    QString readString(const QString &section, const QString &key, const QString &fallback = {}) const;
    // Decimal, "$hex" or "0xhex"; fallback when missing or not a number.
    qint64 readInteger(const QString &section, const QString &key, qint64 fallback) const;
    bool readBool(const QString &section, const QString &key, bool fallback) const;
    bool contains(const QString &section, const QString &key) const;

    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, qint64 value);
    void writeBool(const QString &section, const QString &key, bool value);

private:
    struct Entry {
        QString key;
        QString value;
    };
    struct Section {
        QString name;
        std::vector<Entry> entries;
    };
    const Entry *find(const QString &section, const QString &key) const;

    std::vector<Section> sections_;
};

}  // namespace morvane::barcode
