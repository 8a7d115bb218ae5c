#include "core/dbase/table_csv.h"

#include "core/base/csv.h"
#include "core/dbase/dbf_error.h"
#include "core/dbase/table.h"

namespace morvane::dbase {

QString TableCsv::dump(Table &table, QChar separator)
{
    QString out;
    QStringList names;
    for (int i = 0; i < table.fieldCount(); ++i)
        names << table.field(i).name;
    out += base::Csv::joinLine(names, separator) + QStringLiteral("\r\n");
    QStringList values;
    for (table.first(); !table.eof(); table.next()) {
        values.clear();
        for (int i = 0; i < table.fieldCount(); ++i)
            values << table.fieldText(i);
        out += base::Csv::joinLine(values, separator) + QStringLiteral("\r\n");
    }
    return out;
}

int TableCsv::append(Table &table, QStringView csv, QChar separator)
{
    int appended = 0;
    for (QStringView line : csv.tokenize(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        const QStringList values = base::Csv::splitLine(line, separator);
        table.insert();
        for (int i = 0; i < values.size() && i < table.fieldCount(); ++i)
            table.setFieldText(i, values.at(i));
        table.post();
        ++appended;
    }
    return appended;
}

FieldList TableCsv::parseFieldList(QStringView description)
{
    FieldList fields;
    for (QStringView entry : description.tokenize(u',', Qt::SkipEmptyParts)) {
        const QList<QStringView> parts = entry.split(u':');
        const auto bad = [&] {
            return DbfError(DbfError::Kind::InvalidLayout,
                            QStringLiteral("Invalid field description \"%1\" (NAME:C:length or NAME:M).").arg(entry));
        };
        if (parts.size() < 2 || parts.at(0).trimmed().isEmpty())
            throw bad();
        const QString name = parts.at(0).trimmed().toString();
        const QString type = parts.at(1).trimmed().toString().toUpper();
        if (type == u"M" && parts.size() == 2) {
            fields << Field::memo(name);
        } else if (type == u"C" && parts.size() <= 3) {
            bool ok = true;
            const int length = parts.size() == 3 ? parts.at(2).trimmed().toInt(&ok) : 0;
            if (!ok || length < 0)
                throw bad();
            fields << Field::character(name, length);
        } else {
            throw DbfError::invalidFieldType(type, name);
        }
    }
    return fields;
}

}  // namespace morvane::dbase
