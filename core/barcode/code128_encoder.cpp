#include "core/barcode/encoder_support.h"

namespace morvane::barcode {

namespace {

const char *const kCode128[106] = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212", "221213",
    "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221", "223211", "221132",
    "221231", "213212", "223112", "312131", "311222", "321122", "321221", "312212", "322112", "322211",
    "212123", "212321", "232121", "111323", "131123", "131321", "112313", "132113", "132311", "211313",
    "231113", "231311", "112133", "112331", "132131", "113123", "113321", "133121", "313121", "211331",
    "231131", "213113", "213311", "213131", "311123", "311321", "331121", "312113", "312311", "332111",
    "314111", "221411", "431111", "111224", "111422", "121124", "121421", "141122", "141221", "112214",
    "112412", "122114", "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111",
    "111242", "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311", "113141",
    "114131", "311141", "411131", "211412", "211214", "211232",
};

enum : int { kShift = 98, kCodeC = 99, kCodeB = 100, kCodeA = 101, kFnc1 = 102, kStartA = 103, kStartB = 104,
             kStartC = 105 };

bool isControl(QChar c)
{
    return c.unicode() < 32;
}
// Characters only code set B holds.
bool isLower(QChar c)
{
    return c.unicode() >= 96 && c.unicode() <= 127;
}
bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

class ValueWriter {
public:
    explicit ValueWriter(const QString &text) : t_(text) {}

    std::vector<int> run(bool fnc1)
    {
        const int n = int(t_.size());
        int i = 0;
        if (digitRun(0) >= 4) {
            v_.push_back(kStartC);
            set_ = 'C';
            if (fnc1)
                v_.push_back(kFnc1);
            const int run = digitRun(0);
            i = writePairs(0, run - run % 2);
        } else if (n >= 2 && isControl(at(0)) && isLower(at(1))) {
            v_.push_back(kStartA);
            if (fnc1)
                v_.push_back(kFnc1);
            v_.push_back(at(0).unicode() + 64);
            v_.push_back(kCodeB);
            v_.push_back(at(1).unicode() - 32);
            set_ = 'B';
            i = 2;
        } else {
            v_.push_back(kStartB);
            set_ = 'B';
            if (fnc1)
                v_.push_back(kFnc1);
        }
        while (i < n) {
            const QChar c = at(i);
            const int run = digitRun(i);
            if (set_ != 'C' && run >= 4) {
                if (run % 2) {
                    v_.push_back(c.unicode() - 32);
                    ++i;
                }
                v_.push_back(kCodeC);
                set_ = 'C';
                i = writePairs(i, run - run % 2);
                continue;
            }
            if (set_ == 'C') {
                if (run >= 2) {
                    i = writePairs(i, 2);
                    continue;
                }
                if (isControl(c) && isLower(at(i + 1))) {
                    v_.push_back(kCodeA);
                    set_ = 'A';
                } else {
                    v_.push_back(kCodeB);
                    set_ = 'B';
                }
                continue;
            }
            if (set_ == 'B' && isControl(c)) {
                if (isLower(at(i + 1)) && isControl(at(i + 2))) {
                    v_.insert(v_.end(), {kShift, c.unicode() + 64, at(i + 1).unicode() - 32, kShift,
                                         at(i + 2).unicode() + 64});
                    i += 3;
                } else {
                    v_.push_back(kCodeA);
                    v_.push_back(c.unicode() + 64);
                    set_ = 'A';
                    ++i;
                }
                continue;
            }
            if (set_ == 'A' && isLower(c)) {
                if (isControl(at(i + 1)) && isLower(at(i + 2))) {
                    v_.insert(v_.end(), {kShift, c.unicode() - 32, at(i + 1).unicode() + 64, kShift,
                                         at(i + 2).unicode() - 32});
                    i += 3;
                } else {
                    v_.push_back(kShift);
                    v_.push_back(c.unicode() - 32);
                    ++i;
                }
                continue;
            }
            v_.push_back(isControl(c) ? c.unicode() + 64 : c.unicode() - 32);
            ++i;
        }
        return std::move(v_);
    }

private:
    QChar at(int i) const { return i >= 0 && i < t_.size() ? t_[i] : QChar(0xFFFF); }
    int digitRun(int i) const
    {
        int n = 0;
        while (isDigit(at(i + n)))
            ++n;
        return n;
    }
    int writePairs(int i, int count)
    {
        for (int k = 0; k + 1 < count; k += 2)
            v_.push_back((at(i + k).unicode() - u'0') * 10 + (at(i + k + 1).unicode() - u'0'));
        return i + count;
    }

    const QString &t_;
    std::vector<int> v_;
    char set_ = 'B';
};

}  // namespace

std::vector<int> code128Values(const QString &text, bool fnc1)
{
    return ValueWriter(text).run(fnc1);
}

int code128CheckValue(const std::vector<int> &values)
{
    if (values.empty())
        return -1;
    long long sum = values.front();
    for (std::size_t i = 1; i < values.size(); ++i)
        sum += (long long)i * values[i];
    return int(sum % 103);
}

namespace detail {

void encodeCode128(const QString &text, bool fnc1, const EncodeOptions &options, BarPattern &p)
{
    for (QChar c : text)
        if (c.unicode() > 126)
            return;
    std::vector<int> values = code128Values(text, fnc1);
    if (options.autoCheckDigit)
        values.push_back(code128CheckValue(values));
    std::string &m = p.modules;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const int v = values[i];
        if (v < 0 || v > 105)
            return;
        appendWidths(m, kCode128[v], i == 0 ? '2' : '1');
        if (i == 0)
            p.markers.LeftHalfStart = int(m.size());
    }
    p.markers.LeftHalfEnd = int(m.size());
    m += "2200022202022";
}

}  // namespace detail

}  // namespace morvane::barcode
