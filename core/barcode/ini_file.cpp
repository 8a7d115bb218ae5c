#include "core/barcode/ini_file.h"

#include "core/base/cp1252.h"

#include <QList>

namespace morvane::barcode {

namespace {

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

}  // namespace

IniFile IniFile::parse(QByteArrayView bytes)
{
    QString text;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        text = QString::fromUtf8(bytes.sliced(3));
    else
        text = base::Cp1252::decode(bytes);
    IniFile ini;
    Section *current = nullptr;
    for (QStringView line : QStringView(text).split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.front() == u';')
            continue;
        if (line.front() == u'[') {
            const qsizetype end = line.indexOf(u']');
            const QString name = line.mid(1, end < 0 ? -1 : end - 1).trimmed().toString();
            current = nullptr;
            for (Section &s : ini.sections_)
                if (sameName(s.name, name))
                    current = &s;
            if (!current) {
                ini.sections_.push_back({name, {}});
                current = &ini.sections_.back();
            }
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (!current || eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed().toString();
        QStringView value = line.mid(eq + 1).trimmed();
        if (value.size() >= 2 && value.front() == u'"' && value.back() == u'"')
            value = value.mid(1, value.size() - 2);
        bool known = false;
        for (const Entry &e : current->entries)
            known = known || sameName(e.key, key);
        if (!known)
            current->entries.push_back({key, value.toString()});
    }
    return ini;
}

QByteArray IniFile::toBytes() const
{
    QString out;
    for (const Section &s : sections_) {
        out += u'[' + s.name + QStringLiteral("]\r\n");
        for (const Entry &e : s.entries)
            out += e.key + u'=' + e.value + QStringLiteral("\r\n");
        out += QStringLiteral("\r\n");
    }
    return base::Cp1252::encode(out);
}

const IniFile::Entry *IniFile::find(const QString &section, const QString &key) const
{
    for (const Section &s : sections_) {
        if (!sameName(s.name, section))
            continue;
        for (const Entry &e : s.entries)
            if (sameName(e.key, key))
                return &e;
    }
    return nullptr;
}

bool IniFile::contains(const QString &section, const QString &key) const
{
    return find(section, key) != nullptr;
}

QString IniFile::readString(const QString &section, const QString &key, const QString &fallback) const
{
    const Entry *e = find(section, key);
    return e ? e->value : fallback;
}

qint64 IniFile::readInteger(const QString &section, const QString &key, qint64 fallback) const
{
    const Entry *e = find(section, key);
    if (!e)
        return fallback;
    const QString v = e->value.trimmed();
    bool ok = false;
    qint64 n = 0;
    if (v.startsWith(u'$'))
        n = v.mid(1).toLongLong(&ok, 16);
    else if (v.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive))
        n = v.mid(2).toLongLong(&ok, 16);
    else
        n = v.toLongLong(&ok, 10);
    return ok ? n : fallback;
}

bool IniFile::readBool(const QString &section, const QString &key, bool fallback) const
{
    return readInteger(section, key, fallback ? 1 : 0) != 0;
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    // Line breaks would split the value into lines of their own.
    QString clean = value;
    clean.replace(u'\r', u' ').replace(u'\n', u' ');
    // Reading drops one pair of enclosing quotes; keep the text's own.
    if (clean.size() >= 2 && clean.front() == u'"' && clean.back() == u'"')
        clean = u'"' + clean + u'"';
    Section *target = nullptr;
    for (Section &s : sections_)
        if (sameName(s.name, section))
            target = &s;
    if (!target) {
        sections_.push_back({section, {}});
        target = &sections_.back();
    }
    for (Entry &e : target->entries) {
        if (sameName(e.key, key)) {
            e.value = clean;
            return;
        }
    }
    target->entries.push_back({key, clean});
}

void IniFile::writeInteger(const QString &section, const QString &key, qint64 value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

}  // namespace morvane::barcode
