#include "core/dbase/table_header.h"

#include "core/dbase/code_page.h"
#include "core/dbase/dbf_error.h"
#include "core/dbase/language_driver.h"

#include <QSet>

#include <cstring>

namespace morvane::dbase {

namespace {

std::uint16_t u16(const char *p)
{
    return std::uint16_t(uchar(p[0]) | (uchar(p[1]) << 8));
}

std::uint32_t u32(const char *p)
{
    return std::uint32_t(uchar(p[0])) | (std::uint32_t(uchar(p[1])) << 8) | (std::uint32_t(uchar(p[2])) << 16)
           | (std::uint32_t(uchar(p[3])) << 24);
}

void put16(char *p, std::uint32_t v)
{
    p[0] = char(v & 0xFF);
    p[1] = char((v >> 8) & 0xFF);
}

void put32(char *p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = char((v >> (8 * i)) & 0xFF);
}

bool isFoxPro(std::uint8_t version)
{
    const int level = version & 0x07;
    return level == 2 || level == 5 || version == 0x30 || version == 0x31 || version == 0xF5 || version == 0xFB;
}

// Names that occur twice get 2, 3, ... so that lookup by name stays
// unambiguous; the file keeps what it has.
void makeNamesUnique(FieldList &fields)
{
    QSet<QString> seen;
    for (Field &f : fields) {
        const QString base = f.name;
        QString name = base;
        for (int n = 2; seen.contains(name.toUpper()); ++n)
            name = base + QString::number(n);
        seen.insert(name.toUpper());
        f.name = name;
    }
}

}  // namespace

int TableHeader::headerLengthOf(QByteArrayView first32)
{
    if (first32.size() < kFixedSize)
        return kFixedSize;
    return u16(first32.data() + 8);
}

TableHeader TableHeader::parse(QByteArrayView bytes, qint64 fileSize)
{
    if (bytes.size() < kFixedSize || fileSize < kFixedSize)
        throw DbfError::invalidFile();
    const char *p = bytes.data();
    TableHeader h;
    h.version = uchar(p[0]);
    const int level = h.version & 0x07;
    const bool foxPro = isFoxPro(h.version);
    // dBase 7 keeps 48-byte descriptors; the program never meets such tables.
    if (level != 3 && !foxPro)
        throw DbfError::invalidFile();
    h.storedRecordCount = u32(p + 4);
    h.headerLength = u16(p + 8);
    h.recordLength = u16(p + 10);
    h.productionIndex = uchar(p[28]);
    h.languageDriver = uchar(p[29]);
    if (h.headerLength < kFixedSize + kDescriptorSize || h.recordLength < 2 || h.headerLength > fileSize
        || h.headerLength > bytes.size())
        throw DbfError::invalidFile();

    const CodePage &cp = CodePage::forNumber(h.codePage());
    int offset = 1;
    for (int pos = kFixedSize; pos < h.headerLength; pos += kDescriptorSize) {
        if (uchar(p[pos]) == kEndOfDescriptors)
            break;
        if (pos + kDescriptorSize > h.headerLength)
            throw DbfError::invalidFile();
        const char *d = p + pos;
        const int nameLength = int(qstrnlen(d, 11));
        Field f;
        f.name = cp.decode(QByteArrayView(d, nameLength)).trimmed();
        const char type = d[11];
        f.length = uchar(d[16]);
        if (type == 'C' || type == 'c') {
            f.type = FieldType::Character;
        } else if (type == 'M' && !foxPro && f.length == 10) {
            f.type = FieldType::Memo;
        } else {
            const QString typeText = (type >= 0x20 && type < 0x7F) ? QString(QChar(type))
                                                                     : QStringLiteral("\\x%1").arg(uchar(type), 2, 16, QChar('0'));
            throw DbfError::invalidFieldType(typeText, f.name);
        }
        f.offset = offset;
        offset += f.length;
        h.fields.append(f);
    }
    if (h.fields.isEmpty() || offset > h.recordLength)
        throw DbfError::invalidFile();
    makeNamesUnique(h.fields);
    return h;
}

TableHeader TableHeader::forNewTable(FieldList fields, std::uint8_t languageDriver)
{
    if (fields.size() < 1 || fields.size() > 4095)
        throw DbfError::invalidFieldCount(int(fields.size()));
    TableHeader h;
    h.languageDriver = languageDriver;
    int offset = 1;
    for (Field &f : fields) {
        if (f.type == FieldType::Memo) {
            f.length = 10;
            h.version = 0x8B;
        } else if (f.type == FieldType::Character) {
            if (f.length <= 0)
                f.length = kDefaultCharacterLength;
            f.length = std::min(f.length, kMaxCharacterLength);
        } else {
            throw DbfError::invalidFieldType(QString(QChar(char(f.type))), f.name);
        }
        f.name = f.name.toUpper().left(10);
        f.offset = offset;
        offset += f.length;
    }
    const qint64 headerLength = kFixedSize + qint64(kDescriptorSize) * fields.size() + 1;
    if (headerLength > 0xFFFF)
        throw DbfError(DbfError::Kind::InvalidLayout,
                       QStringLiteral("Header length %1 exceeds 65535 bytes (%2 fields).").arg(headerLength).arg(fields.size()));
    if (offset > 0xFFFF)
        throw DbfError(DbfError::Kind::InvalidLayout,
                       QStringLiteral("Record length %1 exceeds 65535 bytes.").arg(offset));
    h.headerLength = int(headerLength);
    h.recordLength = offset;
    h.fields = std::move(fields);
    return h;
}

bool TableHeader::hasMemo() const
{
    for (const Field &f : fields)
        if (f.type == FieldType::Memo)
            return true;
    return false;
}

int TableHeader::codePage() const
{
    const int cp = LanguageDriver::codePageOf(languageDriver);
    return (cp && CodePage::isSupported(cp)) ? cp : 1252;
}

std::uint32_t TableHeader::recordCountForSize(qint64 fileSize) const
{
    if (fileSize <= headerLength || recordLength <= 0)
        return 0;
    const qint64 count = (fileSize - headerLength) / recordLength;
    return std::uint32_t(std::min<qint64>(count, 0xFFFFFFFFLL));
}

QByteArray TableHeader::fixedPart(QDate date, std::uint32_t recordCount) const
{
    QByteArray out(kFixedSize, '\0');
    char *p = out.data();
    p[0] = char(version);
    if (date.isValid()) {
        p[1] = char(std::clamp(date.year() - 1900, 0, 255));
        p[2] = char(date.month());
        p[3] = char(date.day());
    }
    put32(p + 4, recordCount);
    put16(p + 8, std::uint32_t(headerLength));
    put16(p + 10, std::uint32_t(recordLength));
    p[28] = char(productionIndex);
    p[29] = char(languageDriver);
    return out;
}

QByteArray TableHeader::serialize(QDate date) const
{
    QByteArray out = fixedPart(date, storedRecordCount);
    out.reserve(headerLength);
    const CodePage &cp = CodePage::forNumber(codePage());
    for (const Field &f : fields) {
        char d[kDescriptorSize] = {};
        const QByteArray name = cp.encode(f.name).left(10);
        std::memcpy(d, name.constData(), size_t(name.size()));
        d[11] = char(f.type);
        d[16] = char(f.length);
        out.append(d, kDescriptorSize);
    }
    out.append(char(kEndOfDescriptors));
    return out;
}

}  // namespace morvane::dbase
