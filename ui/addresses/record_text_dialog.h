#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace morvane::i18n {
class Translator;
}

namespace morvane::ui {

// The text window of "Datensatz drucken" and of the entry count, with
// "Zurück" and "Drucken...".
class RecordTextDialog final : public QDialog {
    Q_OBJECT
public:
    RecordTextDialog(i18n::Translator &translator, QWidget *parent = nullptr);
    void setLines(const QString &caption, const QStringList &lines, bool printable);
    QStringList lines() const;
    // Prints the lines on the general printer under the document title.
    static void print(QWidget *parent, const QString &title, const QStringList &lines);

    QPlainTextEdit *Memo1 = nullptr;
    QPushButton *ZurueckBtn = nullptr;
    QPushButton *DruckenBtn = nullptr;

private:
    i18n::Translator &translator_;
    QString title_;
};

}  // namespace morvane::ui
