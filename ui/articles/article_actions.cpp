#include "ui/articles/article_actions.h"

#include "core/articles/category_lists.h"
#include "ui/app/main_form.h"
#include "ui/app/main_menu.h"
#include "ui/articles/article_table_model.h"
#include "ui/articles/neuer_artikel_form.h"
#include "ui/articles/neuer_artikel_form_ausblenden.h"

#include <QAction>
#include <QApplication>
#include <QDoubleSpinBox>
#include <QInputDialog>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include <algorithm>
#include <set>

namespace morvane::ui {

using namespace articles;

ArticleActions::ArticleActions(TMainForm &form, const settings::Session &session)
    : QObject(&form), form_(form), ws_(form.workspace()), session_(session), view_(form.articleView()),
      model_(form.articleModel())
{
    setObjectName(QStringLiteral("ArticleActions"));
    dialog_ = new TNeuerArtikelForm(ws_, &form);

    auto onClick = [this](const char *name, void (ArticleActions::*handler)()) {
        if (auto *b = form_.findChild<QPushButton *>(QLatin1String(name)))
            connect(b, &QPushButton::clicked, this, handler);
    };
    onClick("NewArtikelBtn", &ArticleActions::NewArtikelBtnClick);
    onClick("EditArtikelBtn", &ArticleActions::EditArtikelBtnClick);
    onClick("DelBtn", &ArticleActions::DelBtnClick);
    connect(view_, &QAbstractItemView::doubleClicked, this, [this] { EditArtikelBtnClick(); });

    // The menu item and its twin in the list's popup menu.
    const QString duplicate = menuItemName(QStringLiteral("Artikel duplizieren...")).chopped(1);
    for (QAction *a : form_.findChildren<QAction *>()) {
        if (a->objectName().startsWith(duplicate) && a->objectName().mid(duplicate.size()).toInt() > 0)
            connect(a, &QAction::triggered, this, &ArticleActions::Artikelduplizieren1Click);
    }
    auto onMenu = [this](const char *caption, void (ArticleActions::*handler)()) {
        if (QAction *a = action(caption))
            connect(a, &QAction::triggered, this, handler);
    };
    onMenu("MwSt. Satz voreinstellen...", &ArticleActions::MwStStartvoreinstellen1Click);
    onMenu("MwSt für alle Artikel setzen...", &ArticleActions::MwStfralleArtikelsetzen1Click);
    onMenu("Spalten unter \"Artikel bearbeiten\" ausblenden...",
           &ArticleActions::SpaltenunterArtikelbearbeitenausblenden1Click);
    onMenu("Inhalt der 1. freien Spalte für neue Artikel voreinstellen...",
           &ArticleActions::InhaltderfreienSpaltefrneueArtikelvoreinstellen1Click);
}

ArticleActions::~ArticleActions() = default;

QAction *ArticleActions::action(const char *caption) const
{
    return form_.findChild<QAction *>(menuItemName(QString::fromUtf8(caption)));
}

EditingOptions ArticleActions::editingOptions() const
{
    auto checked = [this](const char *caption) {
        const QAction *a = action(caption);
        return a && a->isChecked();
    };
    EditingOptions o;
    if (checked("Freien EAN8 Barcode beim Erstellen eines Artikels vergeben"))
        o.barcodePreset = BarcodePreset::FreeEan8;
    else if (checked("Freien EAN13 Barcode beim Erstellen eines Artikels vergeben"))
        o.barcodePreset = BarcodePreset::FreeEan13;
    o.autoNumberOnCreate = checked("Artikelnummer beim Erstellen eines Artikels automatisch vergeben");
    o.autoNumberOnDuplicate = checked("Artikelnummer beim Duplizieren eines Artikels automatisch vergeben");
    o.firstFreeColumnPreset = firstFreeColumnPreset;
    return o;
}

bool ArticleActions::wholePieces() const
{
    const QAction *a = action("Mengeneingabe nur in ganzen Stück möglich");
    return a && a->isChecked();
}

void ArticleActions::reload()
{
    if (reloadList)
        reloadList();
    else
        model_->reload();
}

int ArticleActions::currentRow() const
{
    const QModelIndex current = view_->currentIndex();
    if (current.isValid() && view_->selectionModel()->isRowSelected(current.row(), {}))
        return current.row();
    const QModelIndexList rows = view_->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ArticleActions::selectRow(int row)
{
    if (row < 0 || row >= model_->rowCount())
        return;
    const QModelIndex index = model_->index(row, 0);
    view_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    view_->scrollTo(index);
}

void ArticleActions::BlendeSpaltenAus()
{
    dialog_->setHiddenFields(hiddenFields);
    dialog_->setPurchasePriceVisible(settings::Rights(ws_.options, session_).purchasePricesVisible(ekHiddenInDialog()));
}

void ArticleActions::prepareDialog()
{
    dialog_->setLists(FuelleKategorienListe(ws_.articles, ws_.options.predefinedStoragePlaces,
                                            supplierEmails ? supplierEmails() : QStringList()));
    dialog_->setQuantityDecimals(wholePieces() ? 0 : 2);
    const QAction *three = action("EK Preise und VK Preise mit 3 Nachkommastellen");
    dialog_->setPriceDecimals(three && three->isChecked() ? 3 : 2);
    const QAction *noFreeText = action("Keinen freien Text als Lagerplatz erlauben");
    dialog_->setStoragePlaceFreeText(!(noFreeText && noFreeText->isChecked()));
    BlendeSpaltenAus();
}

void ArticleActions::run(Start start, int row)
{
    bool sound = true;
    for (;;) {
        ArticleEditor editor(ws_, session_);
        Article draft;
        EditResult begun = EditResult::Cancelled;
        switch (start) {
        case Start::Create: begun = editor.beginCreate(editingOptions(), draft); break;
        case Start::Edit: begun = editor.beginEdit(row, draft); break;
        case Start::Duplicate: begun = editor.beginDuplicate(row, editingOptions(), draft); break;
        }
        if (begun != EditResult::Created && begun != EditResult::Saved) {
            // The write phase may have re-read the list.
            reload();
            return;
        }
        prepareDialog();
        // "Abgang/Zugang buchen" in the dialog saves the article and books it
        // with the main window's quantity and direction.
        const QAction *direct = action("Direkt im \"Artikel bearbeiten\" Fenster buchen können");
        dialog_->setBookingVisible(start == Start::Edit && bookSelected && direct && direct->isChecked());
        dialog_->setArticle(draft);
        if (sound)
            QApplication::beep();

        int result = TNeuerArtikelForm::ResultAbbrechen;
        for (;;) {
            result = dialog_->exec();
            if (result == TNeuerArtikelForm::ResultAbbrechen) {
                editor.cancel();
                break;
            }
            draft = dialog_->article();
            if (!editor.confirmNumber(draft))
                continue;
            if (editor.commit(draft, dialog_->computeExpiry()) == EditResult::Invalid)
                continue;
            break;
        }
        const int saved = editor.row();
        reload();
        if (saved >= 0)
            selectRow(saved);

        if (result == TNeuerArtikelForm::ResultSpeichernUndNeu) {
            start = Start::Create;
            sound = true;
            continue;
        }
        if (result == TNeuerArtikelForm::ResultVorheriger || result == TNeuerArtikelForm::ResultNaechster) {
            const int n = model_->rowCount();
            if (n == 0)
                return;
            const int step = result == TNeuerArtikelForm::ResultNaechster ? 1 : -1;
            const int target = std::clamp((saved >= 0 ? saved : currentRow()) + step, 0, n - 1);
            view_->clearSelection();
            selectRow(target);
            start = Start::Edit;
            row = target;
            sound = false;
            continue;
        }
        if (result == TNeuerArtikelForm::ResultBuchen && saved >= 0 && bookSelected)
            bookSelected();
        return;
    }
}

void ArticleActions::NewArtikelBtnClick()
{
    run(Start::Create, -1);
    if (auto *edit = form_.findChild<QLineEdit *>(QStringLiteral("ArtNrEd")); edit && edit->isVisible())
        edit->setFocus();
}

void ArticleActions::EditArtikelBtnClick()
{
    const int row = currentRow();
    if (row < 0)
        return;
    run(Start::Edit, row);
}

void ArticleActions::Artikelduplizieren1Click()
{
    const int row = currentRow();
    if (row < 0)
        return;
    run(Start::Duplicate, row);
}

void ArticleActions::DelBtnClick()
{
    std::vector<int> rows;
    for (const QModelIndex &index : view_->selectionModel()->selectedRows())
        rows.push_back(index.row());
    if (rows.empty())
        return;
    const int first = *std::min_element(rows.begin(), rows.end());
    const DeleteOutcome out = deleteArticles(ws_, session_, rows, currentRow());
    reload();
    if (out.result == EditResult::Deleted && model_->rowCount() > 0)
        selectRow(std::min(first, model_->rowCount() - 1));
    if (auto *edit = form_.findChild<QLineEdit *>(QStringLiteral("ArtNrEd")); edit && edit->isVisible())
        edit->setFocus();
}

void ArticleActions::MwStStartvoreinstellen1Click()
{
    bool ok = false;
    const double vat = QInputDialog::getDouble(&form_, QStringLiteral("MwSt. Satz voreinstellen"),
                                               QStringLiteral("MwSt. Satz in %:"), ws_.options.defaultVat, 0, 1000, 2,
                                               &ok);
    if (!ok)
        return;
    ws_.options.defaultVat = vat;
    if (saveOptions)
        saveOptions();
}

void ArticleActions::MwStfralleArtikelsetzen1Click()
{
    if (confirmVatForAll(ws_)) {
        bool ok = false;
        const double vat = QInputDialog::getDouble(&form_, QStringLiteral("MwSt. Satz voreinstellen"),
                                                   QStringLiteral("MwSt. Satz in %:"), ws_.options.defaultVat, 0, 1000,
                                                   2, &ok);
        if (ok) {
            ws_.options.defaultVat = vat;
            setVatForAll(ws_, base::Decimal::fromDouble(vat).rounded(2));
            reload();
        }
    }
    if (saveOptions)
        saveOptions();
}

void ArticleActions::SpaltenunterArtikelbearbeitenausblenden1Click()
{
    TAusblendenForm hiding(&form_);
    hiding.setHidden(hiddenFields);
    if (hiding.exec() != QDialog::Accepted)
        return;
    hiddenFields = hiding.hiddenFields();
    BlendeSpaltenAus();
    if (rightsChanged)
        rightsChanged();
}

void ArticleActions::InhaltderfreienSpaltefrneueArtikelvoreinstellen1Click()
{
    bool ok = false;
    const QString text = QInputDialog::getText(
        &form_, QString::fromUtf8("Inhalt der 1. freien Spalte für neue Artikel voreinstellen"),
        QStringLiteral("Freie Spalte 1:"), QLineEdit::Normal, firstFreeColumnPreset, &ok);
    if (ok)
        firstFreeColumnPreset = text;
}

}  // namespace morvane::ui
