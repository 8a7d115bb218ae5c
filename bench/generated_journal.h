#pragma once

// A booking journal of many generated records for the benchmarks, written
// as one stream straight after the header (appending record by record would
// take minutes and is measured on its own).
#include "core/booking/journal.h"
#include "core/dbase/table.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <algorithm>
#include <cstring>
#include <functional>

namespace morvane::bench {

// Sets one field of the record being generated; a longer value is cut to
// the field width.
using PutField = std::function<void(int field, const QByteArray &value)>;

// Creates `fileName` in `folder` with the journal's fields and writes
// `records` records; `fill(n, put)` sets the fields of record n (from 1).
inline void writeGeneratedJournal(const QString &folder, const QString &fileName, qint64 records,
                                  const std::function<void(qint64 n, const PutField &put)> &fill)
{
    dbase::Table t;
    t.setFolder(folder);
    t.setFileName(fileName);
    t.setFieldList(booking::journalFields());
    t.create();
    t.open();
    const dbase::TableHeader header = t.header();
    t.close();

    QFile f(QString(folder).append(u'/').append(fileName));
    f.open(QIODevice::ReadWrite);
    f.seek(header.headerLength);
    QByteArray block;
    QByteArray record(header.recordLength, ' ');
    const PutField put = [&](int field, const QByteArray &value) {
        const auto &fd = header.fields[field];
        std::memcpy(record.data() + fd.offset, value.constData(), size_t(std::min<qsizetype>(value.size(), fd.length)));
    };
    for (qint64 n = 1; n <= records; ++n) {
        record.fill(' ');
        fill(n, put);
        block += record;
        if (block.size() > (8 << 20)) {
            f.write(block);
            block.clear();
        }
    }
    block.append('\x1A');
    f.write(block);
    f.seek(4);
    const quint32 count = quint32(records);
    f.write(reinterpret_cast<const char *>(&count), 4);
}

}  // namespace morvane::bench
