#include "core/barcode/check_digits.h"

#include "core/barcode/postal_tables.h"

namespace morvane::barcode {

namespace {

int digitValue(QChar c)
{
    return c >= u'0' && c <= u'9' ? c.unicode() - u'0' : -1;
}

int hexValue(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

int digitSum(int n)
{
    int s = 0;
    for (; n > 0; n /= 10)
        s += n % 10;
    return s;
}

}  // namespace

int gs1CheckDigit(QStringView digits)
{
    int sum = 0;
    int weight = 3;
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        const int d = digitValue(digits[i]);
        if (d < 0)
            return -1;
        sum += weight * d;
        weight = 4 - weight;
    }
    return (10 - sum % 10) % 10;
}

QString withGs1CheckDigit(QStringView digits)
{
    const int check = gs1CheckDigit(digits);
    if (check < 0)
        return {};
    return digits.toString() + QChar(u'0' + check);
}

QChar isbn10CheckChar(QStringView text)
{
    int sum = 0;
    int i = 0;
    for (QChar c : text) {
        if (c == u'-')
            continue;
        if (i == 9)
            break;
        const int d = digitValue(c);
        if (d < 0)
            return {};
        ++i;
        sum += i * d;
    }
    if (i < 9)
        return {};
    const int r = sum % 11;
    return r == 10 ? QChar(u'X') : QChar(u'0' + r);
}

int opcCheckDigit(QStringView digits)
{
    if (digits.size() < 9)
        return -1;
    int sum = 0;
    for (int i = 0; i < 9; ++i) {
        int d = digitValue(digits[i]);
        if (d < 0)
            return -1;
        if (i % 2 == 0) {
            d *= 2;
            if (d > 9)
                d -= 9;
        }
        sum += d;
    }
    return (10 - sum % 10) % 10;
}

int pznCheckValue(QStringView digits)
{
    if (digits.size() < 6)
        return -1;
    int sum = 0;
    for (int i = 0; i < 6; ++i) {
        const int d = digitValue(digits[i]);
        if (d < 0)
            return -1;
        sum += (i + 2) * d;
    }
    return sum % 11;
}

int code93CheckValue(const std::vector<int> &values, int maxWeight)
{
    if (maxWeight <= 0)
        return -1;
    int sum = 0;
    int weight = 1;
    for (auto it = values.rbegin(); it != values.rend(); ++it) {
        if (*it < 0)
            return -1;
        sum += weight * *it;
        weight = weight == maxWeight ? 1 : weight + 1;
    }
    return sum % 47;
}

int code11CheckValue(QStringView text, int maxWeight)
{
    if (maxWeight <= 0)
        return -1;
    int sum = 0;
    int weight = 1;
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        const QChar c = text[i];
        const int v = c == u'-' ? 10 : digitValue(c);
        if (v < 0)
            return -1;
        sum += weight * v;
        weight = weight == maxWeight ? 1 : weight + 1;
    }
    return sum % 11;
}

int codabarCheckValue(QStringView text, QStringView chars)
{
    int sum = 0;
    for (QChar c : text) {
        const qsizetype v = chars.indexOf(c);
        if (v < 0)
            return -1;
        sum += int(v);
    }
    return sum % 16;
}

int msiCheckDigit(QStringView text)
{
    // Doubling the number formed by every other digit from the right and
    // summing its decimal digits equals doubling each such digit alone: a
    // carry moves 10 to the next place, which the digit sum counts as 1.
    int sum = 0;
    bool doubled = true;
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        const int v = hexValue(text[i]);
        if (v < 0)
            return -1;
        sum += doubled ? digitSum(2 * v) : digitSum(v);
        doubled = !doubled;
    }
    return (10 - sum % 10) % 10;
}

int postnetCheckDigit(QStringView digits)
{
    int sum = 0;
    for (QChar c : digits) {
        const int d = digitValue(c);
        if (d < 0)
            return -1;
        sum += d;
    }
    return (10 - sum % 10) % 10;
}

QChar rm4sccCheckChar(QStringView text)
{
    int top = 0;
    int bottom = 0;
    for (QChar c : text) {
        const int index = rm4sccIndex(c);
        if (index < 0)
            return {};
        top += index / 6 + 1;
        bottom += index % 6 + 1;
    }
    static const char *const kTable[6] = {"ZUVWXY", "501234", "B6789A", "HCDEFG", "NIJKLM", "TOPQRS"};
    return QChar(kTable[top % 6][bottom % 6]);
}

}  // namespace morvane::barcode
