#include "core/articles/article_editing.h"

#include "core/articles/article_io.h"
#include "core/articles/article_numbers.h"
#include "core/articles/shared_access.h"

#include <algorithm>

namespace morvane::articles {

namespace {

void informOwn(app::Workspace &ws, const char *text)
{
    ws.prompter->inform({0, ws.translator.translate(QString::fromUtf8(text)), {}, base::Icon::Error});
}

settings::Rights rightsOf(const app::Workspace &ws, const settings::Session &session)
{
    return settings::Rights(ws.options, session);
}

}  // namespace

QString productText(const QString &a, const QString &b, const base::FormatSettings &format)
{
    const auto x = base::Decimal::parse(a, format);
    const auto y = base::Decimal::parse(b, format);
    if (!x || !y)
        return QStringLiteral("0");
    return (*x * *y).toFixed(2, format.decimalSeparator);
}

void computeDerivedFields(Article &article, const base::FormatSettings &format)
{
    article.field(Wert) = productText(article.field(Menge), article.field(EkPreis), format);
    article.field(GesamtVk) = productText(article.field(Menge), article.field(VkPreis), format);
}

QString expiryFromShelfLife(const QString &days, QDate today, const base::FormatSettings &format)
{
    bool ok = false;
    const qint64 n = days.trimmed().toLongLong(&ok);
    // Beyond a few thousand years QDate has no answer worth writing.
    if (!ok || n < -3650000 || n > 3650000)
        return {};
    return format.formatDate(today.addDays(n));
}

QString caseVariantEntry(const QString &text, const QStringList &list)
{
    if (text.isEmpty() || list.contains(text))
        return {};
    for (const QString &entry : list) {
        if (entry.compare(text, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}

void informFreeEanProblem(app::Workspace &ws, FreeEan::Status status)
{
    if (status == FreeEan::Status::InvalidPrefix)
        informOwn(ws, "Die ersten Stellen eines EAN Barcodes dürfen nur Ziffern sein.");
    else if (status == FreeEan::Status::NoRoom)
        informOwn(ws, "Mit diesen ersten Stellen gibt es keinen freien Barcode dieser Länge mehr.");
}

QString nextArticleNumber(app::Workspace &ws)
{
    const FreeNumber free = FreeArticleNumber(ws.articles);
    if (free.status == FreeNumber::Status::Exhausted) {
        informOwn(ws, "Die nächste freie Artikelnummer ist zu groß.");
        return {};
    }
    return free.number;
}

QString nextFreeEan(app::Workspace &ws, EanKind kind, const QString &prefix)
{
    const FreeEan free = findFreeEan(ws.articles, kind, prefix);
    if (free.status != FreeEan::Status::Found) {
        informFreeEanProblem(ws, free.status);
        return {};
    }
    return free.barcode;
}

QString formatNumber(double value, int decimals, const base::FormatSettings &format)
{
    return base::Decimal::fromDouble(value).toFixed(decimals, format.decimalSeparator);
}

// ---------------------------------------------------------------------------

ArticleEditor::ArticleEditor(app::Workspace &ws, const settings::Session &session) : ws_(ws), session_(session) {}

ArticleEditor::~ArticleEditor()
{
    endPhase();
}

bool ArticleEditor::openPhase()
{
    open_ = SharedAccess::canwritenow(ws_);
    return open_;
}

void ArticleEditor::endPhase()
{
    if (open_)
        SharedAccess::EndWriteMow(ws_);
    open_ = false;
}

int ArticleEditor::locate(int row, const Article &seen) const
{
    const int n = int(ws_.articles.size());
    if (row >= 0 && row < n && ws_.articles[std::size_t(row)] == seen)
        return row;
    // The list was re-read because another workstation saved: find the same
    // article, wherever it is now.
    const auto it = std::find(ws_.articles.begin(), ws_.articles.end(), seen);
    return it == ws_.articles.end() ? -1 : int(it - ws_.articles.begin());
}

EditResult ArticleEditor::beginCreate(const EditingOptions &options, Article &draft)
{
    mode_ = Mode::Create;
    row_ = -1;
    if (!rightsOf(ws_, session_).mayChange(settings::RightHinzufuegen))
        return EditResult::NotPermitted;
    if (!openPhase())
        return EditResult::AccessRefused;
    draft = Article{};
    draft.field(Erstellungsdatum) = ws_.format.formatDate(ws_.clock.today());
    draft.field(FreieSpalte1) = options.firstFreeColumnPreset;
    draft.field(LetzterBenutzer) = session_.userName;
    draft.field(MwstSatz) = base::Decimal::fromDouble(ws_.options.defaultVat).toString(ws_.format.decimalSeparator);
    if (options.barcodePreset == BarcodePreset::FreeEan8)
        draft.field(Barcode) = nextFreeEan(ws_, EanKind::Ean8);
    else if (options.barcodePreset == BarcodePreset::FreeEan13)
        draft.field(Barcode) = nextFreeEan(ws_, EanKind::Ean13);
    if (options.autoNumberOnCreate)
        draft.field(ArtikelNr) = nextArticleNumber(ws_);
    return EditResult::Created;
}

EditResult ArticleEditor::takeRow(int row, int right, Article &draft, int &at)
{
    at = -1;
    if (!rightsOf(ws_, session_).mayChange(right))
        return EditResult::NotPermitted;
    if (row < 0 || row >= int(ws_.articles.size()))
        return EditResult::NothingSelected;
    const Article seen = ws_.articles[std::size_t(row)];
    if (!openPhase())
        return EditResult::AccessRefused;
    at = locate(row, seen);
    if (at < 0) {
        endPhase();
        return EditResult::NothingSelected;
    }
    draft = ws_.articles[std::size_t(at)];
    draft.field(LetzterBenutzer) = session_.userName;
    return EditResult::Saved;
}

EditResult ArticleEditor::beginEdit(int row, Article &draft)
{
    mode_ = Mode::Edit;
    return takeRow(row, settings::RightBearbeiten, draft, row_);
}

EditResult ArticleEditor::beginDuplicate(int row, const EditingOptions &options, Article &draft)
{
    mode_ = Mode::Duplicate;
    row_ = -1;
    int at = -1;
    const EditResult taken = takeRow(row, settings::RightHinzufuegen, draft, at);
    if (taken != EditResult::Saved)
        return taken;
    if (options.autoNumberOnDuplicate)
        draft.field(ArtikelNr) = nextArticleNumber(ws_);
    return EditResult::Created;
}

bool ArticleEditor::confirmNumber(const Article &draft)
{
    const int except = mode_ == Mode::Edit ? row_ : -1;
    if (findSharedNumber(ws_.articles, draft.field(ArtikelNr), except) < 0)
        return true;
    const base::Answer answer =
        ws_.ask(37, base::Buttons::YesNo, base::Icon::Stop, ws_.translator.message(38));
    return answer == base::Answer::Yes;
}

EditResult ArticleEditor::commit(Article draft, bool computeExpiry)
{
    if (!open_)
        return EditResult::AccessRefused;
    if (draft.name.isEmpty())
        return EditResult::Invalid;
    if (mode_ == Mode::Edit && (row_ < 0 || row_ >= int(ws_.articles.size()))) {
        endPhase();
        return EditResult::NothingSelected;
    }
    if (computeExpiry)
        draft.field(Haltbarkeitsdatum) = expiryFromShelfLife(draft.field(Haltbarkeit), ws_.clock.today(), ws_.format);
    computeDerivedFields(draft, ws_.format);

    // Work on a copy of the list: a failed save leaves the list as it was.
    ArticleList before = ws_.articles;
    int row = row_;
    QString line;
    if (mode_ == Mode::Edit) {
        ws_.articles[std::size_t(row)] = draft;
        line = ws_.translator.message(259) + u' ' + draft.name + u' ' + ws_.translator.message(260) + u' '
             + draft.field(Menge);
    } else {
        ws_.articles.push_back(draft);
        row = int(ws_.articles.size()) - 1;
        line = ws_.translator.message(258) + u' ' + draft.name;
    }
    if (SaveFile(ws_) != SaveResult::Saved) {
        ws_.articles = std::move(before);
        endPhase();
        return EditResult::IoError;
    }
    row_ = row;
    ws_.addProtocolLine(line);
    endPhase();
    return mode_ == Mode::Edit ? EditResult::Saved : EditResult::Created;
}

void ArticleEditor::cancel()
{
    endPhase();
}

// ---------------------------------------------------------------------------

DeleteOutcome deleteArticles(app::Workspace &ws, const settings::Session &session, std::vector<int> rows,
                             int currentRow)
{
    DeleteOutcome out;
    if (!settings::Rights(ws.options, session).mayChange(settings::RightLoeschen)) {
        out.result = EditResult::NotPermitted;
        return out;
    }
    const int n = int(ws.articles.size());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::erase_if(rows, [n](int r) { return r < 0 || r >= n; });
    if (rows.empty()) {
        out.result = EditResult::NothingSelected;
        return out;
    }
    if (currentRow < 0 || currentRow >= n || !std::binary_search(rows.begin(), rows.end(), currentRow))
        currentRow = rows.front();
    const QString shownName = ws.articles[std::size_t(currentRow)].name;
    std::vector<Article> seen;
    for (int r : rows)
        seen.push_back(ws.articles[std::size_t(r)]);

    if (!SharedAccess::canwritenow(ws)) {
        out.result = EditResult::AccessRefused;
        return out;
    }
    const base::Answer answer = ws.prompter->ask(
        ws.translator.makeMessage(14, base::Icon::Question, ws.translator.message(15), shownName),
        base::Buttons::YesNoCancel);
    if (answer != base::Answer::Yes) {
        SharedAccess::EndWriteMow(ws);
        out.result = EditResult::Cancelled;
        return out;
    }

    // The list may have been re-read when the phase opened: delete the
    // articles that were selected, not whatever sits at their rows now.
    ArticleList kept;
    kept.reserve(ws.articles.size());
    std::vector<bool> used(seen.size(), false);
    for (const Article &a : ws.articles) {
        bool drop = false;
        for (std::size_t i = 0; i < seen.size(); ++i) {
            if (!used[i] && seen[i] == a) {
                used[i] = true;
                drop = true;
                break;
            }
        }
        if (drop) {
            ++out.count;
            out.deletedNumbers << a.field(ArtikelNr);
        } else {
            kept.push_back(a);
        }
    }
    if (out.count == 0) {
        SharedAccess::EndWriteMow(ws);
        out.result = EditResult::NothingSelected;
        return out;
    }
    ArticleList before = std::move(ws.articles);
    ws.articles = std::move(kept);
    if (SaveFile(ws) != SaveResult::Saved) {
        ws.articles = std::move(before);
        SharedAccess::EndWriteMow(ws);
        out.result = EditResult::IoError;
        out.count = 0;
        out.deletedNumbers.clear();
        return out;
    }
    const QDateTime now = ws.clock.now();
    ws.addProtocolLine(QString::number(out.count) + u' ' + ws.translator.message(225) + QStringLiteral(" (")
                       + shownName + QStringLiteral(") ") + ws.translator.message(6) + ws.format.formatDate(now.date())
                       + QStringLiteral(" / ") + now.time().toString(QStringLiteral("HH:mm:ss")));
    SharedAccess::EndWriteMow(ws);
    out.result = EditResult::Deleted;
    return out;
}

bool confirmVatForAll(app::Workspace &ws)
{
    return ws.ask(79, base::Buttons::YesNoCancel, base::Icon::Question, ws.translator.message(80))
        == base::Answer::Yes;
}

EditResult setVatForAll(app::Workspace &ws, base::Decimal vat)
{
    if (!SharedAccess::canwritenow(ws))
        return EditResult::AccessRefused;
    const QString text = vat.toString(ws.format.decimalSeparator);
    ArticleList before = ws.articles;
    for (Article &a : ws.articles)
        a.field(MwstSatz) = text;
    const bool saved = SaveFile(ws) == SaveResult::Saved;
    if (!saved)
        ws.articles = std::move(before);
    SharedAccess::EndWriteMow(ws);
    return saved ? EditResult::Saved : EditResult::IoError;
}

}  // namespace morvane::articles
