#include "core/barcode/encoder_support.h"

namespace morvane::barcode::detail {

namespace {

// Wide elements of each digit.
const char *const kWeights[10] = {"00110", "10001", "01001", "11000", "00101",
                                  "10100", "01100", "00011", "10010", "01010"};

// The engine's own tables for the one-width-per-module variants.
const char *const kT1[10] = {"10110010", "11010110", "10010110", "11001010", "10110110",
                             "11011010", "10011010", "10100110", "11010010", "10010010"};
const char *const kT2[10] = {"11001010", "10100110", "10110110", "10110010", "10010110",
                             "10010010", "10011010", "11010110", "11010010", "11011010"};
const char *const kT3[10] = {"10101110111010", "11101010101110", "10111010101110", "11101110101010",
                             "10101110101110", "11101011101010", "10111011101010", "10101011101110",
                             "11101010111010", "10111010111010"};
const char *const kT4[10] = {"01010001000101", "00010101010001", "01000101010001", "00010001010101",
                             "01010001010001", "00010100010101", "01000100010101", "01010100010001",
                             "00010101000101", "01000101000101"};

void interleaved(const QString &text, BarPattern &p)
{
    std::string &m = p.modules;
    m.append(10, ' ');
    m += "1010";
    p.markers.LeftHalfStart = int(m.size());
    for (qsizetype i = 0; i + 1 < text.size(); i += 2) {
        const int a = digitAt(text, i);
        const int b = digitAt(text, i + 1);
        if (a < 0 || b < 0) {
            m.clear();
            p.markers = {};
            return;
        }
        for (int e = 0; e < 5; ++e) {
            m += kWeights[a][e] == '1' ? "11" : "1";
            m += kWeights[b][e] == '1' ? "00" : "0";
        }
    }
    p.markers.LeftHalfEnd = int(m.size());
    m += "1101";
    m.append(10, ' ');
}

bool byTable(const QString &text, const char *start, const char *const table[10], const char *stop, BarPattern &p)
{
    std::string &m = p.modules;
    m = start;
    p.markers.LeftHalfStart = int(m.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int d = digitAt(text, i);
        if (d < 0) {
            m.clear();
            p.markers = {};
            return false;
        }
        m += table[d];
    }
    p.markers.LeftHalfEnd = int(m.size());
    m += stop;
    return true;
}

void industrial(const QString &text, BarPattern &p)
{
    std::string &m = p.modules;
    m = "22022020";
    p.markers.LeftHalfStart = int(m.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int d = digitAt(text, i);
        if (d < 0) {
            m.clear();
            p.markers = {};
            return;
        }
        for (int e = 0; e < 5; ++e)
            m += kWeights[d][e] == '1' ? "110" : "10";
    }
    p.markers.LeftHalfEnd = int(m.size());
    m += "2202022";
}

}  // namespace

void encodeTwoOfFive(TTypBarCode type, const QString &text, BarPattern &p)
{
    switch (type) {
    case bc25Interleaved:
    case bcITF:
    case bcOPC:
        interleaved(text, p);
        break;
    case bcUPCShipping: {
        interleaved(text.left(14), p);
        if (p.empty() || text.size() < 21)
            break;
        BarPattern second;
        interleaved(text.mid(15, 6), second);
        if (second.empty())
            break;
        for (char &c : second.modules)
            if (c == '2')
                c = '1';
        second.modules[0] = 'X';
        p.modules.append(9, ' ');
        p.markers.AddOnStart = int(p.modules.size());
        p.modules += second.modules;
        break;
    }
    case bc25Industrial:
        industrial(text, p);
        break;
    case bc25Datalogic:
        byTable(text, "2020", kT1, "2202", p);
        break;
    case bc25Matrix:
        byTable(text, "22202020", kT1, "2220202", p);
        break;
    case bc25Coop:
        byTable(text, "220220", kT2, "20022", p);
        break;
    case bc25IATA:
        byTable(text, "2020", kT3, "22202", p);
        break;
    case bc25Invert:
        byTable(text, "20002000202", kT4, "0002020002", p);
        break;
    default:
        break;
    }
}

}  // namespace morvane::barcode::detail
