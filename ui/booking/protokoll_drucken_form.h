#pragma once

#include "core/app/workspace.h"
#include "core/booking/journal_print.h"

#include <QDialog>

#include <array>
#include <vector>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QPrinter;
class QRadioButton;

namespace morvane::ui {

// "Protokoll/Buchungen drucken": what the journal printout shows, kept in
// the window state; the column order and widths travel with the article
// file. Preview and printer draw with the same routine.
class TProtokollDruckenForm final : public QDialog {
    Q_OBJECT
public:
    TProtokollDruckenForm(app::Workspace &ws, QPrinter &printer, QWidget *parent = nullptr);

    // The records to print; the filter lists take their distinct values.
    void setSource(booking::JournalSource source);
    booking::JournalPrintSettings settings() const;

    void VorschauBtnClick();
    void DruckenBtnClick();
    void SpaltenUmsortierenBtnClick();
    void SpaltenbreitenBtnClick();
    void SchriftBtnClick();

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void restoreState();
    // The check boxes and radio buttons the window state keeps.
    QList<QAbstractButton *> switches() const;
    QList<QComboBox *> filterCombos() const;

    app::Workspace &ws_;
    QPrinter &printer_;
    booking::JournalSource source_;
    printing::Font font_;

    QLineEdit *UeberschriftEd;
    QLineEdit *VonEd;
    QLineEdit *BisEd;
    QCheckBox *DatumAnhaengenCheck;
    QCheckBox *LieferdatumCheck;
    std::array<QCheckBox *, booking::kJournalFieldCount> SpaltenChecks{};
    QRadioButton *BeideRadio;
    QRadioButton *AbgaengeRadio;
    QRadioButton *ZugaengeRadio;
    QCheckBox *NurVerkaeufeCheck;
    QCheckBox *GesamtbetragCheck;
    QCheckBox *GesamtMwstCheck;
    QCheckBox *GesamtGewinnCheck;
    QCheckBox *GesamtEkCheck;
    QCheckBox *GitterCheck;
    QComboBox *KundeCombo;
    QComboBox *ArtikelCombo;
    QComboBox *KategorieCombo;
    QComboBox *LieferantCombo;
    QComboBox *KostenstelleCombo;
    std::array<QDoubleSpinBox *, 4> RandEds{};
};

}  // namespace morvane::ui
