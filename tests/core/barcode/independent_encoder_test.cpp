// Bar patterns of the symbologies that no installed decoder reads, compared
// with bwip-js, an independent encoder. Widths differ between encoders (wide
// elements are two modules here, three there), so elements are compared by
// class: narrow or wide per bars and per gaps, and postal bars by their state.
#include "core/barcode/bar_pattern.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>

#include <gtest/gtest.h>

using namespace morvane::barcode;

namespace {

struct Case {
    TTypBarCode type;
    const char *text;
    const char *encoder;  // bwip-js name
    const char *bwipText;
    const char *options;
};

const char *const kScript = R"JS(
const bwipjs = require('bwip-js');
const cases = JSON.parse(require('fs').readFileSync(0, 'utf8'));
const out = cases.map(c => {
  try {
    const r = bwipjs.raw(c.enc, c.text, c.opts)[0];
    return {sbs: r.sbs, bhs: r.bhs || [], bbs: r.bbs || []};
  } catch (e) { return {error: String(e.message || e)}; }
});
process.stdout.write(JSON.stringify(out));
)JS";

QJsonArray runBwip(const std::vector<Case> &cases)
{
    const QString node = QStandardPaths::findExecutable(QStringLiteral("node"));
    if (node.isEmpty()) {
        ADD_FAILURE() << "node is missing; install it with: apt-get install -y nodejs npm";
        return {};
    }
    QJsonArray input;
    for (const Case &c : cases)
        input.append(QJsonObject{{QStringLiteral("enc"), QString::fromLatin1(c.encoder)},
                                 {QStringLiteral("text"), QString::fromLatin1(c.bwipText)},
                                 {QStringLiteral("opts"), QString::fromLatin1(c.options)}});
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!env.contains(QStringLiteral("NODE_PATH")))
        env.insert(QStringLiteral("NODE_PATH"),
                   QDir(QStringLiteral(MORVANE_TEST_DATA "/../../build-node/node_modules")).absolutePath());
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(node, {QStringLiteral("-e"), QString::fromLatin1(kScript)});
    p.write(QJsonDocument(input).toJson());
    p.closeWriteChannel();
    p.waitForFinished(60000);
    const QJsonDocument doc = QJsonDocument::fromJson(p.readAllStandardOutput());
    if (!doc.isArray()) {
        ADD_FAILURE() << "bwip-js did not answer (" << p.readAllStandardError().toStdString()
                      << "); install it with: scripts/install-deps.sh (npm install bwip-js into build-node/)";
        return {};
    }
    return doc.array();
}

// "n"/"w" per element, bars and gaps judged apart; quiet modules at both
// ends are not elements.
std::string classesOf(const std::vector<double> &widths)
{
    double minBar = 1e9, minGap = 1e9;
    for (std::size_t i = 0; i < widths.size(); ++i)
        (i % 2 ? minGap : minBar) = std::min(i % 2 ? minGap : minBar, widths[i]);
    std::string out;
    for (std::size_t i = 0; i < widths.size(); ++i)
        out += widths[i] > (i % 2 ? minGap : minBar) * 1.5 ? 'w' : 'n';
    return out;
}

std::vector<double> ourWidths(const std::string &modules)
{
    std::string m = modules;
    auto isBar = [](char c) { return c != '0' && c != ' ' && c != 'X'; };
    const std::size_t first = m.find_first_of("123MHDVSATF");
    const std::size_t last = m.find_last_of("123MHDVSATF");
    if (first == std::string::npos)
        return {};
    m = m.substr(first, last - first + 1);
    std::vector<double> widths;
    for (std::size_t i = 0; i < m.size();) {
        std::size_t j = i;
        while (j < m.size() && isBar(m[j]) == isBar(m[i]))
            ++j;
        widths.push_back(double(j - i));
        i = j;
    }
    return widths;
}


TEST(IndependentEncoder, TwoWidthSymbologiesMatchElementByElement)
{
    const std::vector<Case> cases = {
        {bc25Industrial, "123456", "industrial2of5", "123456", ""},
        {bc25Industrial, "9870", "industrial2of5", "9870", ""},
        {bc25IATA, "123456", "iata2of5", "123456", ""},
        {bc25IATA, "0789", "iata2of5", "0789", ""},
        {bc25Matrix, "123456", "matrix2of5", "123456", ""},
        {bc25Matrix, "0789", "matrix2of5", "0789", ""},
        {bc25Datalogic, "123456", "datalogic2of5", "123456", ""},
        {bc25Datalogic, "0789", "datalogic2of5", "0789", ""},
        {bc25Coop, "123456", "coop2of5", "123456", ""},
        {bc25Coop, "0789", "coop2of5", "0789", ""},
        // Code 11 always carries C and K here; bwip-js adds K only from ten
        // characters on, so the short text goes in with our check characters.
        {bcCode11, "123-45", "code11", "123-4552", ""},
        {bcCode11, "0123456789", "code11", "0123456789", "includecheck"},
        {bcMSIPlessey, "1234567", "msi", "1234567", "includecheck"},
        {bcMSIPlessey, "80523", "msi", "80523", "includecheck"},
        {bcMSIPlessey, "1", "msi", "1", ""},
    };
    const QJsonArray results = runBwip(cases);
    ASSERT_EQ(results.size(), qsizetype(cases.size()));
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case &c = cases[i];
        const QJsonObject r = results[qsizetype(i)].toObject();
        ASSERT_FALSE(r.contains(QStringLiteral("error"))) << c.encoder << ": " << r[QStringLiteral("error")].toString().toStdString();
        std::vector<double> theirs;
        for (const QJsonValue &v : r[QStringLiteral("sbs")].toArray())
            theirs.push_back(v.toDouble());
        if (theirs.size() % 2 == 0)
            theirs.pop_back();  // a trailing gap
        const BarPattern p = BuildBarPattern(c.type, QString::fromLatin1(c.text), {});
        ASSERT_FALSE(p.empty()) << c.encoder << " " << c.text;
        EXPECT_EQ(classesOf(ourWidths(p.modules)), classesOf(theirs)) << c.encoder << " " << c.text << "\n" << p.modules;
    }
}

// Postal bars by state: F full, A ascender, D descender, T tracker.
std::string ourStates(const std::string &modules)
{
    std::string out;
    for (char c : modules) {
        switch (c) {
        case '1': case '2': case 'V': case 'F': out += 'F'; break;
        case 'H': case 'A': out += 'A'; break;
        case 'D': out += 'D'; break;
        case 'M': out += 'D'; break;
        case 'S': case 'T': out += 'T'; break;
        default: break;
        }
    }
    return out;
}

std::string theirStates(const QJsonObject &r)
{
    const QJsonArray bhs = r[QStringLiteral("bhs")].toArray();
    const QJsonArray bbs = r[QStringLiteral("bbs")].toArray();
    double top = 0, base = 1e9;
    for (qsizetype i = 0; i < bhs.size(); ++i) {
        top = std::max(top, bhs[i].toDouble() + bbs[i].toDouble());
        base = std::min(base, bbs[i].toDouble());
    }
    std::string out;
    for (qsizetype i = 0; i < bhs.size(); ++i) {
        const bool up = bhs[i].toDouble() + bbs[i].toDouble() > top - 1e-6;
        const bool down = bbs[i].toDouble() < base + 1e-6;
        out += up && down ? 'F' : up ? 'A' : down ? 'D' : 'T';
    }
    return out;
}

TEST(IndependentEncoder, PostalBarStatesMatch)
{
    const std::vector<Case> cases = {
        {bcPostNet, "12345", "postnet", "12345", "includecheck"},
        {bcPostNet, "555551237", "postnet", "555551237", "includecheck"},
        {bcPlanet, "12345678901", "planet", "12345678901", "includecheck"},
        {bcRoyalMail, "SN34RD1A", "royalmail", "SN34RD1A", "includecheck"},
        {bcRoyalMail, "LU178XE", "royalmail", "LU178XE", "includecheck"},
        {bcDutch4StatePostal, "3224BC10", "kix", "3224BC10", ""},
        {bcDutch4StatePostal, "2500GG30250", "kix", "2500GG30250", ""},
    };
    const QJsonArray results = runBwip(cases);
    ASSERT_EQ(results.size(), qsizetype(cases.size()));
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case &c = cases[i];
        const QJsonObject r = results[qsizetype(i)].toObject();
        ASSERT_FALSE(r.contains(QStringLiteral("error"))) << c.encoder;
        const BarPattern p = BuildBarPattern(c.type, QString::fromLatin1(c.text), {});
        ASSERT_FALSE(p.empty()) << c.encoder << " " << c.text;
        EXPECT_EQ(ourStates(p.modules), theirStates(r)) << c.encoder << " " << c.text << "\n" << p.modules;
    }
}

}  // namespace
