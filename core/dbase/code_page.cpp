#include "core/dbase/code_page.h"

#include "core/base/cp1252.h"

#include <QStringDecoder>

#include <map>
#include <mutex>

namespace morvane::dbase {

namespace {

// Names the ICU converters answer to; Qt's built-in codecs know none of
// these except Latin-1.
const char *converterName(int number)
{
    switch (number) {
    case 437: return "cp437";
    case 737: return "cp737";
    case 850: return "cp850";
    case 852: return "cp852";
    case 857: return "cp857";
    case 860: return "cp860";
    case 861: return "cp861";
    case 863: return "cp863";
    case 865: return "cp865";
    case 866: return "cp866";
    case 874: return "windows-874";
    case 1250: return "windows-1250";
    case 1251: return "windows-1251";
    case 1253: return "windows-1253";
    case 1254: return "windows-1254";
    case 1257: return "windows-1257";
    case 10000: return "macintosh";
    case 10006: return "x-mac-greek";
    case 10007: return "x-mac-cyrillic";
    case 10029: return "x-mac-centraleurroman";
    default: return nullptr;
    }
}

bool fillFromConverter(int number, std::array<char16_t, 256> &table)
{
    const char *name = converterName(number);
    if (!name)
        return false;
    for (int b = 0; b < 256; ++b) {
        QStringDecoder decoder(name, QStringConverter::Flag::Stateless);
        if (!decoder.isValid())
            return false;
        const char byte = char(b);
        const QString s = decoder.decode(QByteArrayView(&byte, 1));
        table[b] = (s.size() == 1) ? s.at(0).unicode() : char16_t(0xFFFD);
    }
    return true;
}

std::mutex &cacheMutex()
{
    static std::mutex m;
    return m;
}

}  // namespace

CodePage::CodePage(int number) : number_(number)
{
    if (number == 1252 || !fillFromConverter(number, toUnicode_)) {
        number_ = 1252;
        for (int b = 0; b < 256; ++b)
            toUnicode_[b] = base::Cp1252::toUnicode(uchar(b)).unicode();
    }
    fromUnicode_ = std::make_unique<std::array<unsigned char, 65536>>();
    fromUnicode_->fill(0);
    // Highest byte first, so that where two bytes decode alike the lower one wins.
    for (int b = 255; b >= 1; --b)
        if (toUnicode_[b] != 0xFFFD)
            (*fromUnicode_)[toUnicode_[b]] = uchar(b);
}

bool CodePage::isSupported(int number)
{
    return number == 1252 || forNumber(number).number() == number;
}

const CodePage &CodePage::forNumber(int number)
{
    static std::map<int, std::unique_ptr<CodePage>> cache;
    std::lock_guard lock(cacheMutex());
    auto it = cache.find(number);
    if (it == cache.end())
        it = cache.emplace(number, std::unique_ptr<CodePage>(new CodePage(number))).first;
    return *it->second;
}

QString CodePage::decode(QByteArrayView bytes) const
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *dst = out.data();
    const auto *src = reinterpret_cast<const unsigned char *>(bytes.data());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        dst[i] = QChar(toUnicode_[src[i]]);
    return out;
}

unsigned char CodePage::encodeChar(char16_t ch) const
{
    if (ch == 0)
        return 0;
    const unsigned char b = (*fromUnicode_)[ch];
    return b ? b : '?';
}

void CodePage::encodePadded(QStringView text, int width, char *out) const
{
    int n = 0;
    for (qsizetype i = 0; i < text.size() && n < width; ++i) {
        const QChar c = text.at(i);
        // A character outside the basic plane is one character, not two "?".
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i, out[n++] = '?';
        else
            out[n++] = char(encodeChar(c.unicode()));
    }
    for (; n < width; ++n)
        out[n] = ' ';
}

QByteArray CodePage::encode(QStringView text) const
{
    QByteArray out(text.size(), Qt::Uninitialized);
    encodePadded(text, int(text.size()), out.data());
    int used = int(out.size());
    // encodePadded pads with blanks when surrogate pairs shrank the text
    qsizetype pairs = 0;
    for (qsizetype i = 0; i + 1 < text.size(); ++i)
        if (text.at(i).isHighSurrogate() && text.at(i + 1).isLowSurrogate())
            ++pairs, ++i;
    out.truncate(used - pairs);
    return out;
}

}  // namespace morvane::dbase
