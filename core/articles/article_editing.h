#pragma once

#include "core/app/workspace.h"
#include "core/articles/free_ean.h"
#include "core/base/decimal.h"
#include "core/settings/rights.h"

#include <optional>
#include <vector>

namespace morvane::articles {

// "Barcode beim Artikel Erstellen nicht vorausfüllen" / "Freien EAN8 ..." /
// "Freien EAN13 Barcode beim Erstellen eines Artikels vergeben".
enum class BarcodePreset { None, FreeEan8, FreeEan13 };

// The menu check marks and settings that shape creating and editing.
struct EditingOptions {
    BarcodePreset barcodePreset = BarcodePreset::None;
    bool autoNumberOnCreate = false;     // "Artikelnummer beim Erstellen ... automatisch vergeben"
    bool autoNumberOnDuplicate = false;  // "Artikelnummer beim Duplizieren ... automatisch vergeben"
    QString firstFreeColumnPreset;       // "Inhalt der 1. freien Spalte für neue Artikel voreinstellen..."
};

enum class EditResult {
    Created,
    Saved,
    Deleted,
    Cancelled,
    AccessRefused,    // the write phase was refused (another workstation)
    NotPermitted,     // the rights forbid it
    NothingSelected,  // no row, or the row vanished when the list was re-read
    Invalid,          // an article without a name
    IoError,          // the article file could not be written
};

// "Wert" and "Gesamt-VK": Menge × EK Preis and Menge × VK Preis with two
// decimals, "0" when a value is not a number.
QString productText(const QString &a, const QString &b, const base::FormatSettings &format);
void computeDerivedFields(Article &article, const base::FormatSettings &format);
// "Haltbarkeitsdatum aus aktuellem Datum + Haltbarkeit errechnen": today plus
// the shelf life in days; empty when the days are not a whole number.
QString expiryFromShelfLife(const QString &days, QDate today, const base::FormatSettings &format);

// The entry of `list` that equals `text` apart from upper and lower case,
// when `text` is not already exactly one of them; empty otherwise.
QString caseVariantEntry(const QString &text, const QStringList &list);

// Shows the message for a free-EAN search that found no code.
void informFreeEanProblem(app::Workspace &ws, FreeEan::Status status);

// One create, edit or duplicate from opening the write phase to saving. The
// window opens it, shows the dialog on the draft, and commits or cancels; a
// phase left open is ended when the editor goes away.
class ArticleEditor {
public:
    enum class Mode { Create, Edit, Duplicate };

    ArticleEditor(app::Workspace &ws, const settings::Session &session);
    ~ArticleEditor();
    ArticleEditor(const ArticleEditor &) = delete;
    ArticleEditor &operator=(const ArticleEditor &) = delete;

    // Opens the write phase and fills the draft of a new article: creation
    // date, first free column, user, default VAT, free barcode and number as
    // configured.
    EditResult beginCreate(const EditingOptions &options, Article &draft);
    // Opens the write phase on the article in `row`. The user who edits is
    // recorded as "Letzter Benutzer".
    EditResult beginEdit(int row, Article &draft);
    // A copy of `row` to be edited and then appended.
    EditResult beginDuplicate(int row, const EditingOptions &options, Article &draft);

    // With a number that another article already uses, asks message 37; false
    // when the user answers No (the dialog shows again).
    bool confirmNumber(const Article &draft);

    // Appends (create, duplicate) or writes back (edit), adds the protocol
    // line, saves, ends the phase. computeExpiry: the compute box was on.
    EditResult commit(Article draft, bool computeExpiry);
    // Ends the phase; nothing changes.
    void cancel();

    bool isOpen() const { return open_; }
    Mode mode() const { return mode_; }
    // The row of the article after commit (or the row being edited).
    int row() const { return row_; }

private:
    bool openPhase();
    void endPhase();
    // The row again after the write phase may have re-read the list.
    int locate(int row, const Article &seen) const;
    // Rights, write phase and the row found again: the start of editing and
    // duplicating. `at` is the row in the list as it is now, -1 on failure.
    EditResult takeRow(int row, int right, Article &draft, int &at);

    app::Workspace &ws_;
    const settings::Session &session_;
    Mode mode_ = Mode::Create;
    int row_ = -1;
    bool open_ = false;
};

// The text for the number field of a new or duplicated article; informs and
// answers empty when there is no next number.
QString nextArticleNumber(app::Workspace &ws);
// A free EAN of the given kind for the barcode field; informs and answers
// empty when there is none.
QString nextFreeEan(app::Workspace &ws, EanKind kind, const QString &prefix = {});

struct DeleteOutcome {
    EditResult result = EditResult::Cancelled;
    int count = 0;
    QStringList deletedNumbers;  // "Artikel Nr." of the deleted articles
};

// Deletes the given rows after message 14 naming the article in `currentRow`.
// One protocol line with the count, then one save.
DeleteOutcome deleteArticles(app::Workspace &ws, const settings::Session &session, std::vector<int> rows,
                             int currentRow);

// "MwSt für alle Artikel setzen...": the question first (true = Yes).
bool confirmVatForAll(app::Workspace &ws);
EditResult setVatForAll(app::Workspace &ws, base::Decimal vat);

// A quantity or price as the dialog writes it: fixed decimals with the
// workstation's separator.
QString formatNumber(double value, int decimals, const base::FormatSettings &format);

}  // namespace morvane::articles
