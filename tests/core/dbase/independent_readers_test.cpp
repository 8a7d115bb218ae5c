#include "tool_runner.h"

using namespace morvane::dbase;
using namespace morvane::dbase::fixtures;

namespace {

class IndependentReaders : public DbaseTest {
protected:
    // An address table with umlauts, a euro sign, a two-block memo, an empty
    // memo and a deleted record.
    void writeAddresses()
    {
        Table t;
        makeTable(t, "customers.dbf", fixtures::addressFields(),
                  {{QString::fromUtf8("Müller & Söhne"), QString::fromUtf8("Jürgen"), QString::fromUtf8("Rabatt 5 € für Bäckerei\r\nzweite Zeile")},
                   {"Gone", "x", "deleted memo"},
                   {"Plain", "", ""},
                   {QString::fromUtf8("Groß"), "Ä", QString(600, u'm')}});
        t.first();
        t.next();
        t.deleteRecord();
    }
};

TEST_F(IndependentReaders, DbffileReadsOurMemosAndUmlauts)
{
    writeAddresses();
    const QJsonObject got = readWithDbffile(path("customers.dbf"), dir.path());
    EXPECT_EQ(got["fields"].toArray(), (QJsonArray{"COMPANY", "NAME", "MEMO"}));
    const QJsonArray rows = got["rows"].toArray();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0].toObject()["COMPANY"].toString(), QString::fromUtf8("Müller & Söhne"));
    EXPECT_EQ(rows[0].toObject()["NAME"].toString(), QString::fromUtf8("Jürgen"));
    EXPECT_EQ(rows[0].toObject()["MEMO"].toString(), QString::fromUtf8("Rabatt 5 € für Bäckerei\r\nzweite Zeile"));
    EXPECT_EQ(rows[1].toObject()["COMPANY"].toString(), "Plain");
    EXPECT_TRUE(rows[1].toObject()["MEMO"].toString().isEmpty());
    EXPECT_EQ(rows[2].toObject()["COMPANY"].toString(), QString::fromUtf8("Groß"));
    EXPECT_EQ(rows[2].toObject()["MEMO"].toString(), QString(600, u'm'));
}

TEST_F(IndependentReaders, PgdbfAndOgrReadOurCharacterData)
{
    writeAddresses();
    const ToolRun pg = runTool("pgdbf", {"-s", "cp1252", "-m", path("customers.dbt"), path("customers.dbf")});
    EXPECT_EQ(pg.exitCode, 0) << pg.err.toStdString();
    const QString sql = QString::fromUtf8(pg.out);
    EXPECT_TRUE(sql.contains(QString::fromUtf8("Müller & Söhne\tJürgen"))) << pg.out.toStdString();
    EXPECT_TRUE(sql.contains(QString::fromUtf8("Groß\tÄ")));

    Table j;
    makeTable(j, "buchungen.dbf", fixtures::journalFields(),
              {{"-", QString::fromUtf8("Schraube Ø 4"), "4006381333931", "A-1", "2,00", "8,00", "07.03.2024"},
               {"+", QString::fromUtf8("Dübel"), "", "B-2", "10,00", "18,00", "07.03.2024"}});
    const ToolRun ogr = runTool("ogr2ogr", {"-f", "CSV", "/vsistdout/", path("buchungen.dbf")});
    EXPECT_EQ(ogr.exitCode, 0) << ogr.err.toStdString();
    // ogr quotes what could be read as a number; the texts are what counts.
    const QStringList lines = QString::fromUtf8(ogr.out).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3) << ogr.out.toStdString();
    EXPECT_TRUE(lines[0].startsWith("KIND,ARTICLE,BARCODE,ART.NO.,AMOUNT,NEW AMOUNT,DATE")) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].endsWith("VAT2,VAT RATE"));
    EXPECT_TRUE(lines[1].startsWith(QString::fromUtf8("\"-\",Schraube Ø 4,\"4006381333931\",A-1,\"2,00\",\"8,00\",07.03.2024,")))
        << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith(QString::fromUtf8("\"+\",Dübel,,B-2,")));
}

TEST_F(IndependentReaders, WeReadShapelibTables)
{
    const QString base = path("sh");
    runTool("dbfcreate", {base, "-s", "NAME", "20", "-s", "CITY", "15"});
    // Shapelib stores the argument bytes as they are: give it CP1252 bytes.
    const ToolRun add = runTool("bash", {"-c", R"sh(dbfadd "$1" "$(printf 'M\xfcller')" "$(printf 'K\xf6ln')" && dbfadd "$1" Abc "")sh", "x", base});
    EXPECT_EQ(add.exitCode, 0) << add.err.toStdString();
    Table t;
    prepare(t, "sh.dbf", {});
    t.open();
    ASSERT_EQ(t.fieldCount(), 2);
    EXPECT_EQ(t.field(0).name, "NAME");
    EXPECT_EQ(column(t, 0), (QStringList{QString::fromUtf8("Müller"), "Abc"}));
    EXPECT_EQ(column(t, 1), (QStringList{QString::fromUtf8("Köln"), ""}));
    // And what we append to their table, they read back.
    t.insert();
    t.setFieldText(0, QString::fromUtf8("Straße"));
    t.post();
    const ToolRun dump = runTool("ogr2ogr", {"-f", "CSV", "/vsistdout/", path("sh.dbf")});
    EXPECT_TRUE(QString::fromUtf8(dump.out).contains(QString::fromUtf8("Straße,"))) << dump.out.toStdString();
}

TEST_F(IndependentReaders, DbfreadReadsOurMemoPrefix)
{
    writeAddresses();
    const QString script = QStringLiteral(
        "import sys, json\n"
        "from dbfread import DBF\n"
        "rows = [dict(r) for r in DBF(sys.argv[1], encoding='cp1252')]\n"
        "print(json.dumps(rows))\n");
    const ToolRun r = runTool("/usr/bin/python3", {"-c", script, path("customers.dbf")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString() << " (" << kInstallHint << ")";
    const QJsonArray rows = QJsonDocument::fromJson(r.out).array();
    ASSERT_EQ(rows.size(), 3);
    // dbfread reads 8 bytes too many at the end of a memo: compare the start.
    EXPECT_TRUE(rows[2].toObject()["MEMO"].toString().startsWith(QString(600, u'm')));
    EXPECT_EQ(rows[0].toObject()["COMPANY"].toString(), QString::fromUtf8("Müller & Söhne"));
}

}  // namespace
