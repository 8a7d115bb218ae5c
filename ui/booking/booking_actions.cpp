#include "ui/booking/booking_actions.h"

#include "core/articles/article_io.h"
#include "core/articles/shared_access.h"
#include "core/booking/whole_pieces.h"
#include "core/settings/rights.h"
#include "ui/app/main_form.h"
#include "ui/app/main_menu.h"
#include "ui/articles/article_table_model.h"
#include "ui/booking/abfrage_reihen_form.h"
#include "ui/booking/kunde_eingeben_form.h"
#include "ui/booking/menge_form.h"
#include "ui/booking/value_prompt_dialog.h"

#include <QAction>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

namespace morvane::ui {

using booking::Direction;

namespace {

// The switch captions of "Beim Buchen einzugeben" by prompt code; the
// quantity prompt has one switch for both directions.
const char *promptSwitchName(int code)
{
    switch (code) {
    case booking::PromptBatch: return "Chargennummer";
    case booking::PromptCustomer: return "Kunde";
    case booking::PromptCostCentre: return "Kostenstelle";
    case booking::PromptDelNoteNo: return "Lieferscheinnummer";
    case booking::PromptFreeText: return "Freitext";
    case booking::PromptSerialNo: return "Seriennummer";
    case booking::PromptPallet: return "Palettennummer";
    case booking::PromptStoragePlace: return "Stellplatz";
    case booking::PromptDelivDate: return "Lieferdatum";
    case booking::PromptPrice: return "Preis";
    default: return nullptr;
    }
}

// The prompt windows of the program, by prompt code.
const char *promptWindowName(int code)
{
    switch (code) {
    case booking::PromptBatch: return "ChargennummerForm";
    case booking::PromptCostCentre: return "KostenstelleForm";
    case booking::PromptDelNoteNo: return "LieferscheinNummerForm";
    case booking::PromptFreeText: return "FreitextForm";
    case booking::PromptSerialNo: return "Seriennummerform";
    case booking::PromptPallet: return "PalettennummerForm";
    case booking::PromptStoragePlace: return "StellPlatzForm";
    case booking::PromptDelivDate: return "LieferdatumForm";
    case booking::PromptPrice: return "PreisEingebenForm";
    default: return "ValuePromptForm";
    }
}

const char *const kMengeAufNull = "Menge auf 0 voreinstellen und so neue Mengeneingabe erzwingen";
const char *const kGanzeStueck = "Mengeneingabe nur in ganzen Stück möglich";

}  // namespace

BookingActions::BookingActions(TMainForm &form, const settings::Session &session, AddressForm &customers)
    : QObject(&form), form_(form), ws_(form.workspace()), session_(session), view_(form.articleView())
{
    setObjectName(QStringLiteral("BookingActions"));
    MengeEd = form.findChild<QDoubleSpinBox *>(QStringLiteral("MengeEd"));
    AbgangCheck = form.findChild<QRadioButton *>(QStringLiteral("AbgangCheck"));
    ZugangCheck = form.findChild<QRadioButton *>(QStringLiteral("ZugangCheck"));
    ArtNrEd = form.findChild<QLineEdit *>(QStringLiteral("ArtNrEd"));

    mengeForm_ = new TMengeForm(ws_.translator, &form);
    kundeForm_ = new TKundeUbernehmenForm(customers, &form);
    for (int code = 0; code <= booking::kPromptCount; ++code) {
        if (code == booking::PromptQuantity || code == booking::PromptCustomer)
            continue;
        promptForms_[code] = new TValuePromptForm(QLatin1String(promptWindowName(code)),
                                                  code == booking::PromptDelivDate, ws_.translator, &form);
    }
    orderForm_ = new TAbfrageReihenForm(ws_.translator, &form);

    if (auto *b = form.findChild<QPushButton *>(QStringLiteral("BuchenBtn")))
        connect(b, &QPushButton::clicked, this, &BookingActions::BuchenBtnClick);
    if (auto *b = form.findChild<QPushButton *>(QStringLiteral("UndoBtn")))
        connect(b, &QPushButton::clicked, this, &BookingActions::UndoBtnClick);
    if (QAction *a = action("Reihenfolge der Abfragen festlegen..."))
        connect(a, &QAction::triggered, this, &BookingActions::ReihenfolgederAbfragenfestlegen1Click);
    if (QAction *a = action("Reihenfolge der Abfragen auf Voreinstellung setzen..."))
        connect(a, &QAction::triggered, this, &BookingActions::ReihenfolgederAbfragenaufVoreinstellungsetzen1Click);
    if (QAction *a = action(kGanzeStueck))
        connect(a, &QAction::toggled, this, &BookingActions::MengeneingabenuringanzenStckmglich1Click);
    if (QAction *a = action(kMengeAufNull))
        connect(a, &QAction::toggled, this, &BookingActions::MengenFelderUmstellen);

    // The next scan belongs in the scan field: back there a moment after the
    // direction or the quantity was touched, at once after Enter.
    for (QRadioButton *r : {AbgangCheck, ZugangCheck})
        if (r)
            connect(r, &QRadioButton::clicked, this, [this] {
                if (focusScanField)
                    focusScanField(1000);
            });
    if (MengeEd) {
        connect(MengeEd, &QDoubleSpinBox::valueChanged, this, [this] {
            if (focusScanField)
                focusScanField(3000);
        });
        MengeEd->installEventFilter(this);
        if (auto *typed = MengeEd->findChild<QLineEdit *>())
            typed->installEventFilter(this);
    }
}

BookingActions::~BookingActions() = default;

bool BookingActions::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && MengeEd && watched == MengeEd->findChild<QLineEdit *>()) {
        if (focusScanField)
            focusScanField(3000);
    } else if (watched == MengeEd && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            focusNow();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

QAction *BookingActions::action(const char *caption) const
{
    return form_.findChild<QAction *>(menuItemName(QString::fromUtf8(caption)));
}

bool BookingActions::checked(const char *caption) const
{
    const QAction *a = action(caption);
    return a && a->isChecked();
}

booking::BookingOptions BookingActions::bookingOptions() const
{
    booking::BookingOptions o;
    o.notBelowZero = checked("Bestand kann nicht unter 0 fallen");
    o.notAboveOne = checked("Bestand kann nicht über 1 gehen");
    o.autoDirectionByStock = checked("Bei Bestand 0 automatisch zubuchen, bei Bestand 1 abbuchen");
    o.wholePieces = checked(kGanzeStueck);
    o.noMinimumWarning = checked("Keine Warnung beim Unterschreiten der Mindestmenge");
    o.orderMailOnMinimum = checked("Beim Unterschreiten der Mindestmenge Bestell Email aufrufen");
    if (checked("Datum der letzten Buchung nur beim Zubuchen setzen"))
        o.lastBookingDate = booking::LastBookingDate::OnReceiptOnly;
    else if (checked("Datum der letzten Buchung beim Zubuchen und Abbuchen setzen"))
        o.lastBookingDate = booking::LastBookingDate::OnBoth;
    else
        o.lastBookingDate = booking::LastBookingDate::OnIssueOnly;
    o.lastBookingWithTime = checked("Auch die Zeit der letzten Buchung speichern");
    o.batchOnReceipt = checked("Chargennummer beim Zubuchen aus Datum und Artikelnummer erzeugen");
    o.batchOnIssue = checked("Chargennummer beim Wegbuchen aus Datum und Artikelnummer erzeugen");
    o.expiryOnReceipt = checked("Haltbarkeitsdatum beim Zubuchen aus Datum und Haltbarkeit berechnen");
    o.expiryOnIssue = checked("Haltbarkeitsdatum beim Wegbuchen aus Datum und Haltbarkeit berechnen");
    for (int k = 0; k < 5; ++k)
        o.freeColumnInProtocol[k] =
            checked(QStringLiteral("Freie Spalte %1 im Protokoll aufführen").arg(k + 1).toUtf8().constData());
    o.threePriceDecimals = checked("EK Preise und VK Preise mit 3 Nachkommastellen");
    o.labelOnIssue = checked("Beim Abbuchen automatisch Barcode Etikett drucken");
    o.lastCustomerToFreeColumn = checked("Letzten Kunden in die erste freie Spalte eintragen");
    if (externalCommand)
        o.command = externalCommand();
    return o;
}

booking::PromptSwitches BookingActions::promptSwitches() const
{
    booking::PromptSwitches s;
    const bool quantity = checked("Menge nach dem Scannen des Barcodes eingeben");
    s.onIssue[booking::PromptQuantity] = s.onReceipt[booking::PromptQuantity] = quantity;
    for (int code = booking::PromptBatch; code <= booking::kPromptCount; ++code) {
        const QString name = QString::fromUtf8(promptSwitchName(code));
        s.onIssue[std::size_t(code)] = checked((name + QStringLiteral(" beim Abbuchen eingeben")).toUtf8().constData());
        s.onReceipt[std::size_t(code)] = checked((name + QStringLiteral(" beim Zubuchen eingeben")).toUtf8().constData());
    }
    s.customerRequired = kundeForm_->customerRequired();
    return s;
}

TValuePromptForm *BookingActions::promptForm(int code) const
{
    const auto it = promptForms_.find(code);
    return it == promptForms_.end() ? nullptr : it->second;
}

std::optional<base::ValueAnswer> BookingActions::askValue(const base::ValuePrompt &prompt)
{
    if (prompt.kind == base::ValuePrompt::Kind::Quantity)
        return mengeForm_->ask(prompt);
    if (prompt.kind == base::ValuePrompt::Kind::Customer)
        return kundeForm_->ask(prompt);
    TValuePromptForm *form = promptForm(prompt.code);
    if (!form || (prompt.kind == base::ValuePrompt::Kind::Date) != (form->DateEdit1 != nullptr))
        form = promptForm(prompt.kind == base::ValuePrompt::Kind::Date ? booking::PromptDelivDate : 0);
    return form->ask(prompt);
}

Direction BookingActions::direction() const
{
    return ZugangCheck && ZugangCheck->isChecked() ? Direction::Receipt : Direction::Issue;
}

void BookingActions::setDirection(Direction direction)
{
    if (QRadioButton *r = direction == Direction::Issue ? AbgangCheck : ZugangCheck)
        r->setChecked(true);
}

int BookingActions::selectedRow() const
{
    const QModelIndexList rows = view_->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return -1;
    int first = rows.first().row();
    for (const QModelIndex &index : rows)
        first = std::min(first, index.row());
    return first;
}

void BookingActions::selectRow(int row)
{
    QAbstractItemModel *model = view_->model();
    if (row < 0 || row >= model->rowCount())
        return;
    const QModelIndex index = model->index(row, 0);
    view_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    view_->scrollTo(index);
}

void BookingActions::afterBooking(int row)
{
    if (reloadList)
        reloadList();
    selectRow(row);
}

QString BookingActions::currentUser() const
{
    const auto *users = form_.findChild<QComboBox *>(QStringLiteral("BenutzerCombo"));
    return users ? users->currentText() : QString();
}

void BookingActions::focusNow()
{
    if (ArtNrEd && ArtNrEd->isVisible() && ArtNrEd->isEnabled())
        ArtNrEd->setFocus();
}

void BookingActions::BuchenBtnClick()
{
    const booking::BookingOptions options = bookingOptions();
    const int decimals = options.wholePieces ? 0 : 2;
    const base::Decimal quantity = base::Decimal::fromDouble(MengeEd->value()).roundedHalfEven(decimals);
    if (quantity.isZero()) {
        ws_.inform(123, base::Icon::Error);
        return;
    }
    const Direction chosen = direction();
    const int right = chosen == Direction::Issue ? settings::RightMengeVerringern : settings::RightMengeErhoehen;
    if (!settings::Rights(ws_.options, session_).mayChange(right)) {
        ws_.inform(50, base::Icon::Error);
        return;
    }
    const int row = selectedRow();
    if (row < 0) {
        if (handleScan)
            handleScan();
        focusNow();
        return;
    }

    // The prompts are answered before the write phase opens, so no other
    // workstation waits while somebody types.
    booking::PromptRequest request;
    request.row = row;
    request.quantity = quantity;
    request.direction = chosen;
    const booking::PromptSwitches switches = promptSwitches();
    const booking::PromptAnswers answers = booking::BookingPrompts(ws_, options, switches, memory_).run(request);
    if (answers.status == booking::PromptStatus::Cancelled) {
        focusNow();
        return;
    }
    if (answers.applies(booking::PromptQuantity)) {
        MengeEd->setValue(answers.quantity.toDouble());
        setDirection(answers.direction);
    }

    booking::BookingContext context;
    context.row = row;
    context.quantity = answers.quantity;
    context.direction = answers.direction;
    context.userName = currentUser();
    context.prompts = &answers;
    context.launcher = launcher;
    const booking::BookingOutcome outcome = booking::buche(ws_, session_, options, context);
    afterBooking(outcome.row >= 0 ? outcome.row : row);
    if (outcome.result != booking::BookingResult::Booked) {
        focusNow();
        return;
    }
    if (checked(kMengeAufNull)) {
        MengeEd->setValue(0);
    } else if (checked("Menge auf 1 zurücksetzen und Menge verringern aktivieren")) {
        MengeEd->setValue(1);
        setDirection(Direction::Issue);
    } else if (checked("Menge auf 1 zurücksetzen")) {
        MengeEd->setValue(1);
    }
    focusNow();
}

booking::BookingOutcome BookingActions::undoBooking(const booking::JournalRecord &record)
{
    const booking::BookingOutcome outcome =
        booking::UndoBooking(ws_, session_, bookingOptions(), record, currentUser(), launcher);
    afterBooking(outcome.row >= 0 ? outcome.row : selectedRow());
    return outcome;
}

void BookingActions::UndoBtnClick()
{
    const booking::BookingOutcome outcome =
        booking::UndoLastBooking(ws_, session_, bookingOptions(), currentUser(), launcher);
    afterBooking(outcome.row >= 0 ? outcome.row : selectedRow());
    focusNow();
}

void BookingActions::ReihenfolgederAbfragenfestlegen1Click()
{
    articles::SharedAccess::inWritePhase(ws_, [this] {
        auto &order = ws_.articleSettings.abfragen;
        orderForm_->setOrder(std::vector<int>(order.begin(), order.begin() + booking::kPromptPositions));
        if (orderForm_->exec() != QDialog::Accepted)
            return false;
        const std::vector<int> codes = orderForm_->order();
        for (std::size_t i = 0; i < codes.size() && i < std::size_t(booking::kPromptPositions); ++i)
            order[i] = codes[i];
        return true;
    });
}

void BookingActions::ReihenfolgederAbfragenaufVoreinstellungsetzen1Click()
{
    articles::SharedAccess::inWritePhase(ws_, [this] {
        ws_.articleSettings.abfragen = articles::ArticleFileSettings::defaultPromptOrder();
        return true;
    });
}

void BookingActions::MengenFelderUmstellen()
{
    const bool whole = checked(kGanzeStueck);
    if (MengeEd) {
        MengeEd->setDecimals(whole ? 0 : 2);
        MengeEd->setMinimum(checked(kMengeAufNull) ? 0 : (whole ? 1 : 0.01));
    }
    if (articleQuantityDecimals)
        articleQuantityDecimals(whole ? 0 : 2);
}

void BookingActions::MengeneingabenuringanzenStckmglich1Click(bool on)
{
    if (converting_)
        return;
    // At start the stored check mark only sets the fields.
    if (on && started_) {
        const booking::WholePiecesResult result = booking::switchToWholePieces(ws_);
        if (reloadList)
            reloadList();
        if (result != booking::WholePiecesResult::Converted) {
            converting_ = true;
            if (QAction *a = action(kGanzeStueck))
                a->setChecked(false);
            converting_ = false;
        }
    }
    MengenFelderUmstellen();
}

}  // namespace morvane::ui
