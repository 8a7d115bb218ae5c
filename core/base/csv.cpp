#include "core/base/csv.h"

namespace morvane::base {

QString Csv::encodeValue(QStringView value)
{
    QString out;
    out.reserve(value.size() + 2);
    out += u'"';
    for (QChar c : value) {
        if (c == u'"')
            out += QStringLiteral("\"\"");
        else if (c == u'\r')
            out += QStringLiteral("\\r");
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else
            out += c;
    }
    out += u'"';
    return out;
}

QString Csv::joinLine(const QStringList &values, QChar separator)
{
    QString line;
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (i > 0)
            line += separator;
        line += encodeValue(values[i]);
    }
    return line;
}

QString Csv::unescapeLineBreaks(QStringView value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == u'\\' && i + 1 < value.size()) {
            if (value[i + 1] == u'r') { out += u'\r'; ++i; continue; }
            if (value[i + 1] == u'n') { out += u'\n'; ++i; continue; }
        }
        out += value[i];
    }
    return out;
}

QStringList Csv::splitLine(QStringView line, QChar separator)
{
    while (line.endsWith(u'\r') || line.endsWith(u'\n'))
        line.chop(1);
    QStringList values;
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (true) {
        QString raw;
        if (i < n && line[i] == u'"') {
            ++i;
            while (i < n) {
                if (line[i] == u'"') {
                    if (i + 1 < n && line[i + 1] == u'"') {
                        raw += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                raw += line[i++];
            }
            // Anything between the closing quote and the separator belongs to the value.
            while (i < n && line[i] != separator)
                raw += line[i++];
        } else {
            while (i < n && line[i] != separator)
                raw += line[i++];
        }
        values << unescapeLineBreaks(raw);
        if (i >= n)
            break;
        ++i;  // separator
    }
    return values;
}

}  // namespace morvane::base
