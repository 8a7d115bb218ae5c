#pragma once

#include "core/articles/article_editing.h"
#include "core/settings/rights.h"

#include <QObject>
#include <QStringList>

#include <functional>

class QAction;
class QTableView;

namespace morvane::ui {

class ArticleTableModel;
class TMainForm;
class TNeuerArtikelForm;

// The article handlers of the main window: "Neuer Artikel", "Artikel
// bearbeiten..." (and double click), "Artikel löschen", "Artikel
// duplizieren...", the VAT items, field hiding, the preset of the first free
// column and the whole-piece mode. Attached to the window's controls by their
// names; owns the article dialog.
class ArticleActions final : public QObject {
    Q_OBJECT
public:
    ArticleActions(TMainForm &form, const settings::Session &session);
    ~ArticleActions() override;

    TNeuerArtikelForm *NeuerArtikelForm() const { return dialog_; }

    // Read from the menu check marks each time they are needed.
    articles::EditingOptions editingOptions() const;
    bool wholePieces() const;

    // Settings of the field-hiding and first-column windows (kept by the
    // window-state storage of those windows).
    QStringList hiddenFields;
    QString firstFreeColumnPreset;
    bool ekHiddenInDialog() const { return hiddenFields.contains(QStringLiteral("EK Preis")); }

    // Set by the main window: saving options.dat, re-applying the rights, and
    // re-reading the list with its column layout.
    std::function<void()> saveOptions;
    std::function<void()> rightsChanged;
    std::function<void()> reloadList;
    // Supplier e-mails for the drop-down list (the supplier table).
    std::function<QStringList()> supplierEmails;
    // Books the selected article as "Abgang/Zugang buchen" does; the edit
    // dialog offers its booking button only when this is set.
    std::function<void()> bookSelected;

    void NewArtikelBtnClick();
    void EditArtikelBtnClick();
    void DelBtnClick();
    void Artikelduplizieren1Click();
    void MwStStartvoreinstellen1Click();
    void MwStfralleArtikelsetzen1Click();
    void SpaltenunterArtikelbearbeitenausblenden1Click();
    void InhaltderfreienSpaltefrneueArtikelvoreinstellen1Click();
    // Applies the field hiding and the purchase-price rule to the dialog.
    void BlendeSpaltenAus();

private:
    enum class Start { Create, Edit, Duplicate };
    // Runs the dialog from a write phase to its end, then continues with
    // "Speichern und neuer Artikel" / "Vorheriger" / "Nächster" as asked.
    void run(Start start, int row);
    int currentRow() const;
    void selectRow(int row);
    void prepareDialog();
    QAction *action(const char *caption) const;
    void reload();

    TMainForm &form_;
    app::Workspace &ws_;
    const settings::Session &session_;
    QTableView *view_;
    ArticleTableModel *model_;
    TNeuerArtikelForm *dialog_;
};

}  // namespace morvane::ui
