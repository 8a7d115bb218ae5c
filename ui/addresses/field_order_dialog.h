#pragma once

#include <QDialog>
#include <QList>

class QListWidget;
class QPushButton;

namespace morvane::i18n {
class Translator;
}

namespace morvane::ui {

// "Felder umsortieren": the field names with "Nach oben" / "Nach unten";
// keeps each name's former position beside it.
class FieldOrderDialog final : public QDialog {
    Q_OBJECT
public:
    FieldOrderDialog(const QStringList &names, i18n::Translator &translator, QWidget *parent = nullptr);
    // For each new place, the position the field had before.
    const QList<int> &formerPositions() const { return former_; }

    void NachObenBtnClick() { move(-1); }
    void NachUntenBtnClick() { move(1); }

    QListWidget *ListBox1 = nullptr;
    QPushButton *NachObenBtn = nullptr;
    QPushButton *NachUntenBtn = nullptr;

private:
    void move(int step);
    QList<int> former_;
};

}  // namespace morvane::ui
