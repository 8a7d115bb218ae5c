#include "ui/app/admin_form.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace morvane::ui {

const std::array<const char *, settings::Options::kSwitchCount> &TAdminForm::switchCaptions()
{
    static const std::array<const char *, settings::Options::kSwitchCount> captions = {
        "Löschen von Produkten möglich", "Hinzufügen von Produkten möglich", "Bearbeiten von Produkten möglich",
        "Import möglich", "Export möglich", "Backup anlegen möglich", "Backup zurückspielen möglich",
        "Bestände auf 0 setzen möglich", "Menge verringern möglich", "Menge erhöhen möglich",
        "Liste mit den Buchungen bearbeiten möglich", "Sortieren der Produkte möglich",
        "Berechnungen bearbeiten möglich", "Kassenfunktion anzeigen", "EK Preise sind sichtbar",
        "Datei Menü anzeigen", "Einstellungen Menü anzeigen", "Barcodes Menü anzeigen", "Funktionen Menü anzeigen",
        "Berechnungen Menü anzeigen", "Kunden Menü anzeigen", "Lieferanten Menü anzeigen", "Didur Menü anzeigen",
        "Sprache Menü anzeigen", "Suchen Menü anzeigen", "Weitersuchen Menü anzeigen", "Hilfe Menü anzeigen"};
    return captions;
}

TAdminForm::TAdminForm(app::Workspace &ws, QWidget *parent)
    : QDialog(parent), ws_(ws),
      DoNotAllowNEINCheck(new QCheckBox(QStringLiteral("Benutzer können nicht auf \"NEIN\" klicken"), this)),
      PasswordEd(new QLineEdit(this)), Password2Ed(new QLineEdit(this)),
      ProgramFolderCheck(new QRadioButton(QStringLiteral("Alle Datenbanken im Programmverzeichnis ablegen"), this)),
      UserFolderCheck(new QRadioButton(QStringLiteral("Alle Datenbanken in diesem Verzeichnis ablegen:"), this)),
      UseSpecialFolderCheck(new QRadioButton(QStringLiteral("Datenbanken in folgendem Verzeichnis ablegen:"), this)),
      UserFolderEd(new QLineEdit(this)), DirectoryEdit1(new QLineEdit(this))
{
    setObjectName(QStringLiteral("AdminForm"));
    setWindowTitle(QStringLiteral("Administrator Menü"));
    auto *switches = new QGroupBox(QStringLiteral("Funktionen"), this);
    auto *grid = new QGridLayout(switches);
    for (int k = 1; k <= settings::Options::kSwitchCount; ++k) {
        CheckBox[std::size_t(k)] = new QCheckBox(QString::fromUtf8(switchCaptions()[std::size_t(k - 1)]), switches);
        CheckBox[std::size_t(k)]->setObjectName(QStringLiteral("CheckBox%1").arg(k));
        grid->addWidget(CheckBox[std::size_t(k)], (k - 1) % 14, (k - 1) / 14);
    }
    DoNotAllowNEINCheck->setObjectName(QStringLiteral("DoNotAllowNEINCheck"));
    auto *nein = new QLabel(QStringLiteral("Bleibt die Datei lagerschreibe.dat nach einem Absturz liegen, muss sie von "
                                           "Hand gelöscht werden."), this);
    nein->setWordWrap(true);

    PasswordEd->setObjectName(QStringLiteral("PasswordEd"));
    Password2Ed->setObjectName(QStringLiteral("Password2Ed"));
    for (QLineEdit *e : {PasswordEd, Password2Ed}) {
        e->setEchoMode(QLineEdit::Password);
        e->setProperty("tag", 99);
    }
    auto *passwords = new QFormLayout;
    passwords->addRow(QStringLiteral("Admin Passwort festlegen:"), PasswordEd);
    passwords->addRow(QStringLiteral("Admin Passwort wiederholen:"), Password2Ed);

    ProgramFolderCheck->setObjectName(QStringLiteral("ProgramFolderCheck"));
    UserFolderCheck->setObjectName(QStringLiteral("UserFolderCheck"));
    UseSpecialFolderCheck->setObjectName(QStringLiteral("UseSpecialFolderCheck"));
    UserFolderEd->setObjectName(QStringLiteral("UserFolderEd"));
    UserFolderEd->setReadOnly(true);
    UserFolderEd->setProperty("tag", 99);
    DirectoryEdit1->setObjectName(QStringLiteral("DirectoryEdit1"));
    DirectoryEdit1->setProperty("tag", 99);
    auto *browse = new QPushButton(QStringLiteral("..."), this);
    browse->setObjectName(QStringLiteral("DirectoryBrowseBtn"));
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString folder = QFileDialog::getExistingDirectory(this, QString(), DirectoryEdit1->text());
        if (!folder.isEmpty()) {
            DirectoryEdit1->setText(folder);
            UseSpecialFolderCheck->setChecked(true);
        }
    });
    auto *folders = new QGroupBox(QStringLiteral("Datenbankverzeichnis"), this);
    auto *folderLayout = new QGridLayout(folders);
    folderLayout->addWidget(ProgramFolderCheck, 0, 0, 1, 3);
    folderLayout->addWidget(UserFolderCheck, 1, 0);
    folderLayout->addWidget(UserFolderEd, 1, 1, 1, 2);
    folderLayout->addWidget(UseSpecialFolderCheck, 2, 0);
    folderLayout->addWidget(DirectoryEdit1, 2, 1);
    folderLayout->addWidget(browse, 2, 2);
    folderLayout->addWidget(new QLabel(QStringLiteral("Das neue Verzeichnis wird nach dem Programmneustart aktiviert."),
                                       folders), 3, 0, 1, 3);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TAdminForm::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(switches);
    layout->addWidget(DoNotAllowNEINCheck);
    layout->addWidget(nein);
    layout->addLayout(passwords);
    layout->addWidget(folders);
    layout->addWidget(buttons);
}

void TAdminForm::load(const settings::Options &options, const app::DataFolderChoice &choice, const QString &userFolder)
{
    for (int k = 1; k <= settings::Options::kSwitchCount; ++k)
        CheckBox[std::size_t(k)]->setChecked(options.adminSwitch[std::size_t(k)]);
    DoNotAllowNEINCheck->setChecked(options.doNotAllowNein);
    PasswordEd->setText(options.adminPassword);
    Password2Ed->setText(options.adminPasswordRepeat);
    ProgramFolderCheck->setChecked(choice.kind == app::DataFolderChoice::Kind::ProgramFolder);
    UserFolderCheck->setChecked(choice.kind == app::DataFolderChoice::Kind::UserFolder);
    UseSpecialFolderCheck->setChecked(choice.kind == app::DataFolderChoice::Kind::SpecialFolder);
    DirectoryEdit1->setText(choice.specialFolder);
    UserFolderEd->setText(userFolder);
}

void TAdminForm::applyTo(settings::Options &options, app::DataFolderChoice &choice) const
{
    for (int k = 1; k <= settings::Options::kSwitchCount; ++k)
        options.adminSwitch[std::size_t(k)] = CheckBox[std::size_t(k)]->isChecked();
    options.doNotAllowNein = DoNotAllowNEINCheck->isChecked();
    options.adminPassword = PasswordEd->text();
    options.adminPasswordRepeat = Password2Ed->text();
    choice.kind = ProgramFolderCheck->isChecked()  ? app::DataFolderChoice::Kind::ProgramFolder
                  : UseSpecialFolderCheck->isChecked() ? app::DataFolderChoice::Kind::SpecialFolder
                                                       : app::DataFolderChoice::Kind::UserFolder;
    choice.specialFolder = DirectoryEdit1->text();
}

void TAdminForm::accept()
{
    if (PasswordEd->text() != Password2Ed->text()) {
        ws_.inform(36, base::Icon::Error);
        return;  // the window stays open
    }
    QDialog::accept();
}

}  // namespace morvane::ui
