#include "ui/booking/journal_actions.h"

#include "core/booking/booking_prompts.h"
#include "core/booking/journal_evaluations.h"
#include "core/booking/journal_filter.h"
#include "ui/app/main_menu.h"
#include "ui/booking/beste_kunden_form.h"
#include "ui/booking/buchung_form.h"
#include "ui/booking/protokoll_drucken_form.h"
#include "ui/booking/verbrauch_form.h"

#include <QAction>
#include <QInputDialog>
#include <QMainWindow>
#include <QPushButton>


namespace morvane::ui {

JournalActions::JournalActions(QMainWindow *window, app::Workspace &ws, QPrinter &printer, Callbacks callbacks)
    : QObject(window), window_(window), ws_(ws), printer_(printer), callbacks_(std::move(callbacks)),
      form_(new TBuchungForm(ws, printer, window))
{
    form_->onUndo = [this](const booking::JournalRecord &record) {
        if (callbacks_.undo)
            callbacks_.undo(record);
    };
    form_->onCustomers = [this] {
        if (callbacks_.openCustomers)
            callbacks_.openCustomers();
    };
    connectItem("Buchungen ansehen...", [this] { BuchungenAnsehenClick(); });
    if (auto *button = window->findChild<QPushButton *>(QStringLiteral("BuchungenBtn")))
        connect(button, &QPushButton::clicked, this, &JournalActions::BuchungenAnsehenClick);
    connectItem("Alle Buchungen des gewählten Artikels zeigen...", [this] { AlleBuchungenDesArtikelsClick(); });
    connectItem("Bestellungen eines Kunden auflisten...", [this] { BestellungenEinesKundenClick(); });
    connectItem("Verbrauch des gewählten Artikels in den letzten 30 Tagen...", [this] { VerbrauchDesArtikelsClick(); });
    connectItem("Verbrauch aller Artikel in den letzten xx Tagen in die x. freie Spalte eintragen...",
                [this] { VerbrauchAllerArtikelClick(); });
    connectItem("Durchschnittlichen EK Preis aus den beim Buchen eingegebenden EK Preisen ermitteln...",
                [this] { DurchschnittEkClick(true); });
    connectItem("Durchschnittlichen EK Preis ermitteln, Abbuchungen ignorieren...",
                [this] { DurchschnittEkClick(false); });
    connectItem("Kunden mit den meisten Buchungen auflisten...", [this] { BesteKundenClick(); });
    connectItem("Artikel und Bestände aus Buchungsdatenbank rekonstruieren...", [this] { RekonstruierenClick(); });
    connectItem("Buchungen drucken", [this] { BuchungenDruckenClick(); });
}

JournalActions::~JournalActions() = default;

void JournalActions::connectItem(const char *caption, const std::function<void()> &handler)
{
    // The list popup repeats some items of the main menu under the same name.
    for (QAction *a : window_->findChildren<QAction *>(menuItemName(QString::fromUtf8(caption))))
        connect(a, &QAction::triggered, this, handler);
}

booking::ExternalCommand JournalActions::externalCommand() const
{
    return form_->externalCommand();
}

void JournalActions::showJournal()
{
    form_->reopen(callbacks_.journalEditable && callbacks_.journalEditable());
    form_->exec();
}

void JournalActions::BuchungenAnsehenClick()
{
    showJournal();
}

void JournalActions::AlleBuchungenDesArtikelsClick()
{
    const int row = callbacks_.selectedRow ? callbacks_.selectedRow() : -1;
    if (row < 0 || std::size_t(row) >= ws_.articles.size())
        return;
    form_->setFilter(booking::JournalFilter::forArticle(ws_.articles[std::size_t(row)]));
    showJournal();
    form_->clearFilter();
}

QStringList JournalActions::customers()
{
    return booking::sortedDistinct(booking::journalCustomers(ws_), ws_.format.collationLocale);
}

void JournalActions::BestellungenEinesKundenClick()
{
    QInputDialog dialog(window_);
    dialog.setObjectName(QStringLiteral("KundeAuswahlForm"));
    dialog.setWindowTitle(ws_.translator.message(51));
    dialog.setLabelText(ws_.translator.message(51));
    dialog.setComboBoxEditable(true);
    dialog.setComboBoxItems(customers());
    if (dialog.exec() != QDialog::Accepted)
        return;
    form_->setFilter(booking::JournalFilter::forCustomer(dialog.textValue()));
    showJournal();
    form_->clearFilter();
}

void JournalActions::VerbrauchDesArtikelsClick()
{
    const int row = callbacks_.selectedRow ? callbacks_.selectedRow() : -1;
    if (row < 0 || std::size_t(row) >= ws_.articles.size())
        return;
    const base::Decimal used = booking::consumption(ws_, ws_.articles[std::size_t(row)], {30, {}, false});
    ws_.inform(46, base::Icon::Information, ws_.translator.message(47), used.toString(ws_.format.decimalSeparator));
}

void JournalActions::VerbrauchAllerArtikelClick()
{
    TVerbrauchForm dialog(ws_, customers(), window_);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (booking::writeConsumptionColumn(ws_, dialog.query(), dialog.freeColumn())
            == articles::SharedAccess::Change::Saved
        && callbacks_.articlesChanged)
        callbacks_.articlesChanged();
}

void JournalActions::DurchschnittEkClick(bool partial)
{
    if (booking::writeAveragePurchasePrices(ws_, partial) == articles::SharedAccess::Change::Saved
        && callbacks_.articlesChanged)
        callbacks_.articlesChanged();
}

void JournalActions::BesteKundenClick()
{
    TBesteKundenForm dialog(booking::bestCustomers(ws_), ws_.translator, window_);
    dialog.exec();
}

void JournalActions::RekonstruierenClick()
{
    if (booking::reconstructFromJournal(ws_) == articles::SharedAccess::Change::Saved && callbacks_.articlesChanged)
        callbacks_.articlesChanged();
}

void JournalActions::BuchungenDruckenClick()
{
    // The whole journal, as the window shows it without a filter.
    form_->reopen(false);
    form_->clearFilter();
    TProtokollDruckenForm dialog(ws_, printer_, window_);
    dialog.setSource(form_->journalSource());
    dialog.exec();
}

}  // namespace morvane::ui
