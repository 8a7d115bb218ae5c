#pragma once

#include <QDialog>

#include <vector>

class QPushButton;
class QTreeWidget;

namespace morvane::i18n {
class Translator;
}

namespace morvane::ui {

// "Reihenfolge der Abfragen festlegen...": the booking prompts in the order
// they are asked; "Nach oben" and "Nach unten" move the marked one.
class TAbfrageReihenForm final : public QDialog {
    Q_OBJECT
public:
    explicit TAbfrageReihenForm(i18n::Translator &translator, QWidget *parent = nullptr);

    // The codes of positions 1 to 11, shown by their names.
    void setOrder(const std::vector<int> &codes);
    std::vector<int> order() const;

    void NachObenBtnClick();
    void NachUntenBtnClick();

    QTreeWidget *ListView1 = nullptr;
    QPushButton *NachObenBtn = nullptr;
    QPushButton *NachUntenBtn = nullptr;
    QPushButton *OkBtn = nullptr;
    QPushButton *AbbrechenBtn = nullptr;

private:
    void move(int by);

    i18n::Translator &translator_;
};

}  // namespace morvane::ui
