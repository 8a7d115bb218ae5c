#pragma once

#include <QDialog>
#include <QList>

class QCheckBox;

namespace morvane::ui {

// "Spalten unter "Artikel bearbeiten" ausblenden...": one check box per field
// of the article dialog; a checked field is hidden there.
class TAusblendenForm final : public QDialog {
    Q_OBJECT
public:
    explicit TAusblendenForm(QWidget *parent = nullptr);

    void setHidden(const QStringList &fields);
    QStringList hiddenFields() const;

    QList<QCheckBox *> boxes;  // CheckBox1.. in the order of the fields
};

}  // namespace morvane::ui
