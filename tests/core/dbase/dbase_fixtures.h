#pragma once

#include "core/base/clock.h"
#include "core/dbase/field.h"
#include "core/dbase/table.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace morvane::dbase::fixtures {

// The booking journal's 29 character fields, the largest table the program
// keeps.
inline FieldList journalFields()
{
    const std::pair<const char *, int> widths[] = {
        {"Kind", 1},        {"Article", 45},    {"Barcode", 45},   {"Art.no.", 45},    {"Amount", 45},
        {"New amount", 45}, {"Date", 20},       {"Time", 20},      {"User", 45},       {"Batch no.", 45},
        {"Gooduntil", 20},  {"Customer", 45},   {"Price", 20},     {"VAT", 20},        {"Payment", 20},
        {"Costcenter", 11}, {"Serialno.", 20},  {"DelivDate", 20}, {"Supplier", 45},   {"Category", 45},
        {"BuyingPrice", 20}, {"DelNoteNo", 20}, {"Freetext", 100}, {"Profit", 20},     {"Pallet", 20},
        {"Area", 20},       {"BarFile", 20},    {"VAT2", 20},      {"VAT RATE", 20}};
    FieldList fields;
    for (const auto &[name, width] : widths)
        fields << Field::character(QString::fromLatin1(name), width);
    return fields;
}

inline FieldList addressFields()
{
    return {Field::character("Company", 40), Field::character("Name", 30), Field::memo("Memo")};
}

inline QByteArray readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

inline void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

inline quint32 le32(const QByteArray &b, int at)
{
    return quint32(uchar(b[at])) | quint32(uchar(b[at + 1])) << 8 | quint32(uchar(b[at + 2])) << 16
           | quint32(uchar(b[at + 3])) << 24;
}

inline int le16(const QByteArray &b, int at)
{
    return int(uchar(b[at])) | int(uchar(b[at + 1])) << 8;
}

// A temporary data folder and a pinned clock for the header date.
class DbaseTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    base::FixedClock clock{QDateTime(QDate(2024, 3, 7), QTime(10, 0))};

    QString path(const QString &name) const { return QDir(dir.path()).filePath(name); }

    void prepare(Table &t, const QString &name, const FieldList &fields)
    {
        t.setFolder(dir.path());
        t.setFileName(name);
        t.setFieldList(fields);
        t.setClock(&clock);
    }

    // Creates and opens a table with the given rows (one text per field).
    void makeTable(Table &t, const QString &name, const FieldList &fields, const QList<QStringList> &rows = {})
    {
        prepare(t, name, fields);
        t.create();
        t.open();
        for (const QStringList &row : rows) {
            t.insert();
            for (int i = 0; i < row.size(); ++i)
                t.setFieldText(i, row.at(i));
            t.post();
        }
    }

    static QStringList column(Table &t, int field)
    {
        QStringList out;
        for (t.first(); !t.eof(); t.next())
            out << t.fieldText(field);
        return out;
    }
};

}  // namespace morvane::dbase::fixtures
