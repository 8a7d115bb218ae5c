#pragma once

#include <QString>
#include <QStringList>

namespace morvane::base {

// The program's CSV convention: every value in double quotes, a quote inside
// doubled, carriage return and line feed written as the two characters "\r"
// and "\n", values separated by a configurable separator, CRLF between lines.
class Csv {
public:
    static QString encodeValue(QStringView value);
    static QString joinLine(const QStringList &values, QChar separator = u';');
    // Splits one physical line into decoded values. Quoted values may contain
    // the separator and doubled quotes; unquoted values are taken as they
    // stand. "\r" and "\n" are turned back into line breaks.
    static QStringList splitLine(QStringView line, QChar separator = u';');
    static QString unescapeLineBreaks(QStringView value);
};

}  // namespace morvane::base
