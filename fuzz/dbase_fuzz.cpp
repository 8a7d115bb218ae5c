// Feeds a ".dbf" and its ".dbt" from one input to the table engine: the
// first two bytes give the length of the table part, the rest is the memo
// file. Every outcome but a crash or a sanitizer report is fine; the engine
// answers damage with DbfError.
#include "core/dbase/dbf_error.h"
#include "core/dbase/table.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

using namespace morvane::dbase;

namespace {

void writeFile(const QString &path, const char *data, size_t size)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(data, qint64(size));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    if (size < 2)
        return 0;
    const size_t split = std::min<size_t>(size - 2, size_t(data[0]) | (size_t(data[1]) << 8));
    const char *bytes = reinterpret_cast<const char *>(data + 2);
    writeFile(QDir(dir.path()).filePath("f.dbf"), bytes, split);
    writeFile(QDir(dir.path()).filePath("f.dbt"), bytes + split, size - 2 - split);

    Table t;
    t.setFolder(dir.path());
    t.setFileName("f.dbf");
    try {
        t.open();
    } catch (const DbfError &) {
        return 0;
    }
    auto readAll = [&] {
        for (int i = 0; i < t.fieldCount(); ++i) {
            try {
                (void)t.fieldText(i);
            } catch (const DbfError &) {
            }
        }
    };
    try {
        int walked = 0;
        for (t.first(); !t.eof() && walked < 5000; t.next(), ++walked)
            readAll();
        for (t.last(); !t.bof() && walked < 10000; t.prior(), ++walked)
            readAll();
        (void)t.recordCount();
        for (int i = 0; i < t.fieldCount(); ++i) {
            if (t.field(i).type == FieldType::Character && t.field(i).length <= Table::kMaxKeyLength) {
                t.addIndexTag("K", t.field(i).name);
                t.selectIndexTag("K");
                for (t.first(); !t.eof() && walked < 15000; t.next(), ++walked)
                    readAll();
                break;
            }
        }
        // Writing into a damaged table must stay inside its own records.
        t.first();
        if (!t.eof()) {
            t.edit();
            for (int i = 0; i < t.fieldCount(); ++i)
                t.setFieldText(i, QStringLiteral("fuzz"));
            t.post();
        }
        t.appendRecord();
    } catch (const DbfError &) {
    }
    return 0;
}
