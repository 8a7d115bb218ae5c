#include "core/barcode/text_rules.h"

#include "core/barcode/barcode_type_info.h"
#include "core/barcode/check_digits.h"

#include <initializer_list>
#include <utility>

namespace morvane::barcode {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool allDigits(QStringView s)
{
    for (QChar c : s)
        if (!isDigit(c))
            return false;
    return true;
}

// Writes the GS1 check over the first n characters into position n+1; a text
// one short first gets a blank as the place for it.
void completeGs1(QString &text, int n)
{
    if (text.size() == n)
        text += u' ';
    if (text.size() > n) {
        const int check = gs1CheckDigit(QStringView(text).left(n));
        if (check >= 0)
            text[n] = QChar(u'0' + check);
    }
}

// The check character of a book number sits after its tenth hyphen-free
// character, wherever the hyphens are, so an add-on after the blank keeps
// all its digits.
QString completeBookNumber(const QString &text)
{
    const qsizetype blank = text.indexOf(u' ');
    QString main = blank < 0 ? text : text.left(blank);
    const QString rest = blank < 0 ? QString() : text.mid(blank);
    int seen = 0;
    qsizetype tenth = -1;
    for (qsizetype i = 0; i < main.size(); ++i) {
        if (main[i] == u'-')
            continue;
        if (++seen == 10) {
            tenth = i;
            break;
        }
    }
    const QChar check = isbn10CheckChar(main);
    if (check.isNull())
        return text;
    if (tenth >= 0) {
        main[tenth] = check;
    } else if (seen == 9) {
        if (main.contains(u'-') && !main.endsWith(u'-'))
            main += u'-';
        main += check;
    }
    return main + rest;
}

struct Checker {
    const QString &text;
    TTypBarCode type;
    TextCheck result;

    // Positions 1-based, inclusive, clamped to the text.
    bool inSet(int from, int to)
    {
        for (int i = from; i <= to && i <= text.size(); ++i) {
            if (!IsBarcodeChar(type, text[i - 1]))
                return fail(erCharOutOfSet, i);
        }
        return true;
    }
    bool inSet() { return inSet(1, int(text.size())); }
    bool lengthIn(std::initializer_list<int> lengths)
    {
        for (int n : lengths)
            if (text.size() == n)
                return true;
        return fail(erBarcodeLengthInvalid, 0);
    }
    bool blankAt(int pos)
    {
        if (text.size() >= pos && text[pos - 1] != u' ')
            return fail(erCharMustBeSpace, pos);
        return true;
    }
    bool fail(TLastPaintError error, int index)
    {
        result.error = error;
        result.valid = false;
        result.index = index;
        if (index > 0 && index <= text.size())
            result.ch = text[index - 1];
        return false;
    }
    // Main number of n digits, optional blank and 2 or 5 add-on digits.
    void mainWithAddOn(int n, std::initializer_list<int> lengths)
    {
        lengthIn(lengths) && inSet(1, n) && inSet(n + 2, n + 6) && blankAt(n + 1);
    }
};

}  // namespace

QString BarcodeComplete(TTypBarCode type, const QString &input)
{
    QString text = input;
    const int n = int(text.size());
    switch (type) {
    case bcJAN8:
    case bcJAN13:
        if (n >= 2)
            text = QStringLiteral("49") + text.mid(2);
        completeGs1(text, type == bcJAN8 ? 7 : 12);
        break;
    case bcEan8:
        completeGs1(text, 7);
        break;
    case bcEan13:
        completeGs1(text, 12);
        break;
    case bcISBN:
    case bcISSN:
    case bcISMN:
        text = completeBookNumber(text);
        break;
    case bcUPCA:
        completeGs1(text, 11);
        break;
    case bcUPCE0:
    case bcUPCE1:
        if (text.size() == 6)
            text.prepend(type == bcUPCE0 ? u'0' : u'1');
        if (text.size() == 7)
            text += u' ';
        if (text.size() >= 8) {
            const QString upca = expandUpcE(text);
            const int check = upca.isEmpty() ? -1 : gs1CheckDigit(upca);
            if (check >= 0)
                text[7] = QChar(u'0' + check);
        }
        break;
    case bcUPCShipping:
        completeGs1(text, 13);
        break;
    case bcITF:
        if (n == 5 || n == 13 || n == 15)
            text += u' ';
        if (text.size() == 6 || text.size() == 14 || text.size() == 16)
            completeGs1(text, int(text.size()) - 1);
        break;
    case bcOPC:
        if (text.size() == 9)
            text += u' ';
        if (text.size() >= 10) {
            const int check = opcCheckDigit(text);
            if (check >= 0)
                text[9] = QChar(u'0' + check);
        }
        break;
    case bcPZN:
        if (n == 6 || n == 7) {
            if (n == 6)
                text += u' ';
            const int r = pznCheckValue(text);
            if (r >= 0)
                text[6] = QChar(u'0' + r);
        }
        break;
    default:
        break;
    }
    return text;
}

TextCheck CheckBarCodeText(TTypBarCode type, const QString &input)
{
    TextCheck empty;
    if (input.isEmpty()) {
        empty.error = erEmptyCode;
        empty.valid = false;
        return empty;
    }
    const QString text = BarcodeComplete(type, input);
    Checker c{text, type, {}};
    c.result.normalized = text;
    switch (type) {
    case bcEan8:
    case bcJAN8:
        c.mainWithAddOn(8, {8, 11, 14});
        break;
    case bcEan13:
    case bcJAN13:
        c.mainWithAddOn(13, {13, 16, 19});
        break;
    case bcUPCA:
        c.mainWithAddOn(12, {12, 15, 18});
        break;
    case bcUPCE0:
    case bcUPCE1:
        c.mainWithAddOn(8, {8, 11, 14});
        if (c.result.ok()) {
            if (type == bcUPCE0 && text[0] != u'0')
                c.fail(erFirstCharMustBeZero, 1);
            if (type == bcUPCE1 && text[0] != u'1') {
                c.fail(erMustBe, 1);
                c.result.mustBe = 1;
            }
        }
        break;
    case bcUPCShipping:
        c.lengthIn({14, 21}) && c.inSet(1, 14) && c.inSet(16, 21) && c.blankAt(15);
        break;
    case bcISBN:
    case bcISSN:
    case bcISMN: {
        QString plain = text;
        plain.remove(u'-');
        Checker p{plain, type, {}};
        p.result.normalized = text;
        (plain.size() <= 10 || p.blankAt(11)) && p.lengthIn({10, 13, 16}) && p.inSet(1, 9)
            && p.inSet(12, 16);
        if (p.result.ok() && plain[9] != u'X' && !isDigit(plain[9]))
            p.fail(erCharOutOfSet, 10);
        return p.result;
    }
    case bcABCCodabar:
        if (c.inSet()) {
            const QChar first = text.front().toUpper();
            const QChar last = text.back().toUpper();
            if (first < u'A' || first > u'D')
                c.fail(erCharOutOfSet, 1);
            else if (last < u'A' || last > u'C')
                c.fail(erCharOutOfSet, int(text.size()));
        }
        break;
    case bc25Interleaved:
        if (c.inSet() && text.size() % 2 != 0)
            c.fail(erCountCharMustBeEven, 0);
        break;
    case bcITF:
        c.lengthIn({6, 14, 16}) && c.inSet();
        break;
    case bcMSIPlessey:
        (text.size() <= 13 || c.fail(erBarcodeLengthInvalid, 0)) && c.inSet();
        break;
    case bcPostNet:
        c.lengthIn({5, 9, 11}) && c.inSet();
        break;
    case bcPlanet:
        c.inSet() && c.lengthIn({11, 13});
        break;
    case bcSingapore4StatePostalCode:
        c.inSet() && c.lengthIn({6});
        break;
    case bcOPC:
        c.lengthIn({10}) && c.inSet();
        break;
    case bcPZN:
        c.inSet() && c.lengthIn({6, 7});
        break;
    default:
        c.inSet();
        break;
    }
    return c.result;
}

QString expandUpcE(const QString &text)
{
    if (text.size() < 7 || !allDigits(QStringView(text).left(7)))
        return {};
    const QString ns = text.left(1);
    const QStringView d = QStringView(text).mid(1, 6);
    auto s = [&](int from, int count) { return d.mid(from, count).toString(); };
    switch (d[5].unicode()) {
    case u'0':
    case u'1':
    case u'2':
        return ns + s(0, 2) + s(5, 1) + QStringLiteral("0000") + s(2, 3);
    case u'3':
        return ns + s(0, 3) + QStringLiteral("00000") + s(3, 2);
    case u'4':
        return ns + s(0, 4) + QStringLiteral("00000") + s(4, 1);
    default:
        return ns + s(0, 5) + QStringLiteral("0000") + s(5, 1);
    }
}

QString bookNumberToEan13(TTypBarCode type, const QString &text)
{
    const char *prefix = type == bcISSN ? "977" : type == bcISMN ? "979" : "978";
    QString out = QString::fromLatin1(prefix);
    for (QChar ch : text)
        if (ch != u'-')
            out += ch;
    completeGs1(out, 12);
    return out;
}

QString countUp(const QString &input, const QString &chars, int from, int to)
{
    QString text = input;
    from = std::max(from, 1);
    to = std::min<int>(to, int(text.size()));
    if (chars.isEmpty() || from > to)
        return {};
    int i = to - 1;
    while (i >= from - 1 && text[i] == chars.back()) {
        text[i] = chars.front();
        --i;
    }
    if (i >= from - 1) {
        const qsizetype index = chars.indexOf(text[i]);
        if (index < 0 || index + 1 >= chars.size())
            return {};
        text[i] = chars[index + 1];
    }
    return text;
}

QString visibleChars(const QString &chars)
{
    QString out;
    for (QChar c : chars) {
        if (c.unicode() < 32)
            out += u'^' + QString(QChar(c.unicode() + 65));
        else
            out += c;
        out += u' ';
    }
    return out;
}

QString lastPaintErrorText(TLastPaintError error, int index, QChar ch, int mustBe)
{
    switch (error) {
    case erOK:
        return QStringLiteral("O.K");
    case erMustBe:
        return QStringLiteral("(must be %1)").arg(mustBe);
    case erErrorInBarCode:
        return QStringLiteral("Unspecified error.");
    case erCharOutOfSet:
        return QStringLiteral("Unvailable char for this type of barcode. (%1.char - %2)").arg(index).arg(ch);
    case erSmallPaintBox:
        return QStringLiteral("Rectangle for painting is very small.");
    case erOutOfSecurityBox:
        return QStringLiteral("Rectangle for secure painting is very small.");
    case erBarcodeLengthInvalid:
        return QStringLiteral("Invalid length of barcode.");
    case erFirstCharMustBeZero:
        return QStringLiteral("ITF14 - first char must be 0.");
    case erCharMustBeSpace:
        return QStringLiteral("%1. char must be space.").arg(index);
    case erCountCharMustBeEven:
        return QStringLiteral("2of5 Interleaved/ITF - count of digits must be even.");
    case erEmptyCode:
        return QStringLiteral("Empty code.");
    }
    return {};
}

}  // namespace morvane::barcode
