#pragma once

#include "core/app/workspace.h"
#include "core/articles/article.h"
#include "core/articles/category_lists.h"

#include <QDialog>
#include <QHash>
#include <QStringList>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace morvane::ui {

// "Artikel bearbeiten": the article dialog for creating and editing. It only
// shows and collects the fields; the article operations decide what happens
// with them.
class TNeuerArtikelForm final : public QDialog {
    Q_OBJECT
public:
    // The dialog's results, as the callers know them.
    enum Result { ResultOk = 1, ResultAbbrechen = 2, ResultSpeichernUndNeu = 3, ResultBuchen = 4,
                  ResultVorheriger = 6, ResultNaechster = 7 };

    explicit TNeuerArtikelForm(app::Workspace &ws, QWidget *parent = nullptr);

    // The captions of "Spalten unter "Artikel bearbeiten" ausblenden...", one per
    // field that can be hidden.
    static const QStringList &hideableFields();

    void setArticle(const articles::Article &article);
    articles::Article article() const;
    bool computeExpiry() const;
    void setLists(const articles::CategoryLists &lists);
    void setQuantityDecimals(int decimals);
    void setPriceDecimals(int decimals);
    void setHiddenFields(const QStringList &captions);
    void setPurchasePriceVisible(bool visible);
    void setBookingVisible(bool visible);
    // "Keinen freien Text als Lagerplatz erlauben".
    void setStoragePlaceFreeText(bool allowed);

    // Fills "Barcode:" with a free EAN; asks the type unless one is given.
    void FreeBarcodeClick(bool askPrefix);

    // Optional services of other parts of the program.
    std::function<void(const QString &barcode)> printBarcode;
    std::function<std::optional<QString>()> chooseSupplier;

    void done(int result) override;

    // Controls, named as the program knows them.
    QTabWidget *PageControl1;
    QLineEdit *Edit1, *Edit2, *Edit3, *Edit6, *Edit9;
    QPlainTextEdit *InterneArtikelNummer, *LieferNummer, *SerienEd, *FileNameEdit1;
    QDoubleSpinBox *MengeEd, *MindestMengeED, *EKPreis, *VKPreis, *BestMengeEd, *MwstEd;
    QComboBox *HerstellerEd, *Edit4, *Edit5, *LieferEmail, *ComboBox1, *LagerEd, *BestHintEd, *VerpHintEd,
        *PreisEinheitEd;
    QLineEdit *GewichtEd, *Bestellmenge, *IDNummer, *HaltBarEd, *Edit7, *Edit8, *KundennrEd, *LieferzeitEd, *FarbeEd,
        *NutzerEd, *DatumLetzteEd, *ErstellungsDatum, *LinkEd;
    QCheckBox *CheckBox1, *KundeEintragenCheck;
    QPushButton *OKBtn, *AbbrechenBtn, *SpeichernUndNeuBtn, *VorherigerBtn, *NaechsterBtn, *BuchenBtn;
    QMenuBar *MainMenu1;

private:
    QWidget *basicPage();
    QWidget *extendedPage();
    // The case check of the drop-down fields before OK; false keeps the dialog.
    void checkCaseVariants();
    void chooseColour();

    app::Workspace &ws_;
    QHash<QString, QList<QWidget *>> fieldWidgets_;
    QStringList hidden_;
    bool purchasePriceVisible_ = true;
    int priceDecimals_ = 2;
    int quantityDecimals_ = 2;
};

}  // namespace morvane::ui
