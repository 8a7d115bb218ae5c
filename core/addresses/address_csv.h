#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace morvane::app {
class Workspace;
}

namespace morvane::dbase {
class Table;
}

namespace morvane::addresses {

// The CSV files of the address tables: every value in double quotes, a quote
// doubled, joined by ";", carriage return and line feed written as "\r" and
// "\n", a backslash as "\\", Windows-1252, CRLF after each line.
//
// Reading takes these files and older ones whose backslashes were not
// doubled (a backslash before anything but r, n or a backslash stays), and
// plain lines without quotes, split at ";".
class AddressCsv {
public:
    struct Options {
        bool exportHeader = false;   // "Spaltenüberschriften exportieren"
        bool skipFirstLine = false;  // "Erste Zeile mit Spaltenüberschrift nicht importieren"
    };
    enum class Result { Done, CannotCreate, CannotOpen, Cancelled };
    struct Outcome {
        Result result = Result::Done;
        int records = 0;  // written or appended
        int dropped = 0;  // import lines the table refused
    };
    // Called between records with the number done and the total; false stops.
    using Progress = std::function<bool(int done, int total)>;

    static QString encodeValue(QStringView value);
    static QString joinLine(const QStringList &values);
    static QString unescape(QStringView value);
    static QStringList splitLine(QStringView line);
    // The value rows of a file's bytes: a UTF-8 byte-order mark selects
    // UTF-8, anything else is read as Windows-1252; LF or CRLF; empty lines
    // carry no row.
    static QList<QStringList> parse(QByteArrayView bytes, bool skipFirstLine);

    // The file's bytes for the table's visible records (filter and order as
    // the window shows them); empty when the progress callback stopped it.
    static QByteArray exportBytes(dbase::Table &table, bool header, const Progress &progress = {},
                                  bool *cancelled = nullptr);

    // Messages 12 / 13 when the file cannot be written / read.
    static Outcome exportFile(app::Workspace &ws, dbase::Table &table, const QString &path, const Options &options,
                              const Progress &progress = {});
    static Outcome importFile(app::Workspace &ws, dbase::Table &table, const QString &path, const Options &options,
                              const Progress &progress = {});
    // Appends one record per row, value n into field n; extra values are
    // dropped. A record the table refuses is counted and skipped.
    static Outcome appendRows(dbase::Table &table, const QList<QStringList> &rows, const Progress &progress = {});
};

}  // namespace morvane::addresses
