// The journal printout on the recording canvas and as a PDF file.
#include "core/booking/journal_print.h"
#include "core/printing/pdf_canvas.h"
#include "core/printing/recording_canvas.h"

#include "support/temp_workspace.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace morvane;
using namespace morvane::booking;
using test::s;
using printing::RecordingCanvas;

namespace {

JournalRecord record(const char *kind, const char *article, const char *date,
                     std::initializer_list<std::pair<int, const char *>> more = {})
{
    JournalRecord r;
    r[JKind] = s(kind);
    r[JArticle] = s(article);
    r[JDate] = s(date);
    for (const auto &[f, v] : more)
        r[std::size_t(f)] = s(v);
    return r;
}

struct Print : ::testing::Test {
    QStringList texts(const RecordingCanvas &canvas)
    {
        QStringList out;
        for (const auto &op : canvas.opsOf(RecordingCanvas::Kind::TextOut))
            out << op.text;
        return out;
    }

    i18n::Dictionary dictionary;
    i18n::Translator translator{dictionary};
    base::FormatSettings format = base::FormatSettings::german();
};

}  // namespace

TEST_F(Print, RowsPassTheDateDirectionSalesAndFilterChoices)
{
    const std::vector<JournalRecord> records = {
        record("-", "Schraube", "01.12.2026", {{JCustomer, "Meier"}, {JDelivDate, "20.11.2026"}}),
        record("+", "Schraube", "05.12.2026", {{JCustomer, "Meier"}}),
        record("V", "Mutter", "06.12.2026", {{JCategory, "Bau"}}),
        record("S", "Mutter", "07.12.2026", {{JSupplier, "Lief"}, {JCostcenter, "K1"}}),
        record("-", "Haken", "", {}),
    };
    auto printed = [&](const JournalPrintSettings &settings) {
        QStringList names;
        for (const JournalRecord &r : records)
            if (settings.accepts(r))
                names << r[JArticle] + r[JKind];
        return names.join(u',');
    };
    JournalPrintSettings all;
    EXPECT_EQ(printed(all), s("Schraube-,Schraube+,MutterV,MutterS,Haken-"));
    JournalPrintSettings range;
    range.from = QDate(2026, 12, 5);
    EXPECT_EQ(printed(range), s("Schraube+,MutterV,MutterS")) << "an undated record has no place in a range";
    range.to = QDate(2026, 12, 6);
    EXPECT_EQ(printed(range), s("Schraube+,MutterV"));
    JournalPrintSettings delivery;
    delivery.byDeliveryDate = true;
    delivery.to = QDate(2026, 11, 30);
    EXPECT_EQ(printed(delivery), s("Schraube-"));
    JournalPrintSettings issues;
    issues.directions = JournalPrintSettings::Directions::IssuesOnly;
    EXPECT_EQ(printed(issues), s("Schraube-,MutterV,Haken-"));
    issues.directions = JournalPrintSettings::Directions::ReceiptsOnly;
    EXPECT_EQ(printed(issues), s("Schraube+,MutterS"));
    issues.salesOnly = true;
    EXPECT_EQ(printed(issues), s("MutterS"));
    const struct {
        QString JournalPrintSettings::*filter;
        const char *value;
        const char *expected;
    } filters[] = {
        {&JournalPrintSettings::customer, "Meier", "Schraube-,Schraube+"},
        {&JournalPrintSettings::article, "Mutter", "MutterV,MutterS"},
        {&JournalPrintSettings::category, "Bau", "MutterV"},
        {&JournalPrintSettings::supplier, "Lief", "MutterS"},
        {&JournalPrintSettings::costCentre, "K1", "MutterS"},
        {&JournalPrintSettings::customer, "Meie", ""},
    };
    for (const auto &f : filters) {
        JournalPrintSettings one;
        one.*(f.filter) = s(f.value);
        EXPECT_EQ(printed(one), s(f.expected)) << f.value;
    }
}

TEST_F(Print, TitleRowOnEveryPageKindsAsWordsAndTotalsPerRate)
{
    std::vector<JournalRecord> records;
    for (int i = 0; i < 60; ++i)
        records.push_back(record(i % 2 ? "V" : "S", "Schraube", "01.12.2026",
                                 {{JPrice, "10,00"}, {JBuyingPrice, "4,00"}, {JProfit, "6,00"},
                                  {JVat, "0,64"}, {JVat2, "1,60"}, {JVatRate, i < 40 ? "19" : "7"}}));
    records.push_back(record("-", "Ohne Preis", "01.12.2026", {{JPrice, "x"}, {JVatRate, "19"}}));
    JournalPrintSettings settings;
    settings.columns.fill(false);
    for (int f : {JKind, JArticle, JPrice, JBuyingPrice, JProfit, JVat, JVat2})
        settings.columns[std::size_t(f)] = true;
    settings.spaltebuch.swap(0, 1);  // Article before Kind
    settings.from = QDate(2026, 12, 1);
    settings.to = QDate(2026, 12, 31);

    RecordingCanvas counter({1000, 600}, 100);
    const int pages = printJournal(counter, settings, records, translator, format, 1, false);
    ASSERT_GE(pages, 3);
    EXPECT_EQ(counter.opsOf(RecordingCanvas::Kind::NewPage).size(), 0u) << "the preview draws one page";

    RecordingCanvas printer({1000, 600}, 100, true);
    EXPECT_EQ(printJournal(printer, settings, records, translator, format, 1, true), pages);
    EXPECT_EQ(printer.opsOf(RecordingCanvas::Kind::NewPage).size(), std::size_t(pages - 1));
    const QStringList all = texts(printer);
    EXPECT_EQ(all.front(), s("Buchungen vom 01.12.2026 bis 31.12.2026"));
    EXPECT_EQ(all.count(s("Artikel")), pages) << "the title row on every page";
    EXPECT_EQ(all.indexOf(s("Artikel")) + 1, all.indexOf(s("Art"))) << "print order from spaltebuch";
    EXPECT_EQ(all.count(s("Verkauf")), 30);
    EXPECT_EQ(all.count(s("Storno")), 30);
    EXPECT_TRUE(all.contains(s("-")));
    EXPECT_TRUE(all.contains(s("Gesamtbetrag: 600,00"))) << "a price that is no number adds nothing";
    EXPECT_TRUE(all.contains(s("Gesamtbetrag EK-Preise: 240,00")));
    EXPECT_TRUE(all.contains(s("Gesamter Gewinn: 360,00")));
    EXPECT_TRUE(all.contains(s("Gesamte MwSt.")));
    EXPECT_TRUE(all.contains(s("Umstatzsteuer 19%: 64,00")));
    EXPECT_TRUE(all.contains(s("Vorsteuer 19%: 25,60")));
    EXPECT_TRUE(all.contains(s("Umstatzsteuer 7%: 32,00")));
    EXPECT_TRUE(all.contains(s("Vorsteuer 7%: 12,80")));

    // The preview of the last page holds the title row and the totals only there.
    RecordingCanvas last({1000, 600}, 100);
    printJournal(last, settings, records, translator, format, pages, false);
    EXPECT_TRUE(texts(last).contains(s("Artikel")));
    EXPECT_TRUE(texts(last).contains(s("Gesamte MwSt.")));
    EXPECT_FALSE(texts(last).contains(s("Buchungen vom 01.12.2026 bis 31.12.2026")));

    // Every printed text lies inside the margins.
    const int left = printing::mmToDots(15, 100), right = 1000 - left;
    for (const auto &op : printer.opsOf(RecordingCanvas::Kind::TextOut)) {
        EXPECT_GE(op.points[0].x, left);
        EXPECT_LE(op.points[0].x + printer.textWidth(op.text), right) << op.text.toStdString();
    }
}

TEST_F(Print, TotalsFollowTheirColumnsAndSwitches)
{
    const std::vector<JournalRecord> records = {record("-", "a", "01.12.2026", {{JPrice, "1,00"}})};
    JournalPrintSettings settings;  // the default columns have no money column
    RecordingCanvas canvas;
    printJournal(canvas, settings, records, translator, format, 1, false);
    for (const QString &t : texts(canvas))
        EXPECT_FALSE(t.startsWith(s("Gesamt"))) << t.toStdString();
    settings.columns[JPrice] = true;
    settings.totalPrice = false;
    canvas.clear();
    printJournal(canvas, settings, records, translator, format, 1, false);
    EXPECT_FALSE(texts(canvas).contains(s("Gesamtbetrag: 1,00")));
    settings.totalPrice = true;
    settings.gridLines = true;
    canvas.clear();
    printJournal(canvas, settings, records, translator, format, 1, false);
    EXPECT_TRUE(texts(canvas).contains(s("Gesamtbetrag: 1,00")));
    EXPECT_FALSE(canvas.opsOf(RecordingCanvas::Kind::Rectangle).empty());
}

TEST_F(Print, PdfReadsBackWithAnIndependentReader)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    ASSERT_FALSE(tool.isEmpty()) << "install with: apt-get install -y poppler-utils";
    std::vector<JournalRecord> records;
    for (int i = 0; i < 90; ++i)
        records.push_back(record(i == 0 ? "V" : "-", i == 0 ? "Größe Ä" : "Schraube", "01.12.2026",
                                 {{JAmount, "2,00"}}));
    JournalPrintSettings settings;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("journal.pdf"));
    printing::PdfCanvas pdf;
    ASSERT_TRUE(pdf.beginDoc(path));
    const int pages = printJournal(pdf, settings, records, translator, format, 1, true);
    ASSERT_TRUE(pdf.endDoc());
    EXPECT_GE(pages, 2);
    QProcess run;
    run.start(tool, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    ASSERT_TRUE(run.waitForFinished(30000));
    const QString text = QString::fromUtf8(run.readAllStandardOutput());
    EXPECT_TRUE(text.contains(s("Buchungen"))) << text.toStdString();
    EXPECT_TRUE(text.contains(s("Größe Ä")));
    EXPECT_TRUE(text.contains(s("Verkauf")));
    EXPECT_EQ(text.count(s("Artikel Nr.")), pages);
    EXPECT_EQ(text.count(u'\f'), pages);
}
