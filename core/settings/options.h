#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace morvane::settings {

// "options.dat" in the data folder: the settings shared by every workstation
// (language, the administrator's switches and password, cash register texts,
// VAT default, CSV column assignment, predefined storage places ...).
struct Options {
    // The administrator's switches, 1-based as the rights they gate:
    // 1..11 rights, 12 sorting, 13 calculations, 14 cash function,
    // 15 purchase prices visible, 16..27 the visible top menus.
    static constexpr int kSwitchCount = 27;

    int language = 3;
    std::array<bool, kSwitchCount + 1> adminSwitch = allSwitchesOn();  // index 0 unused
    QString adminPassword;
    QString adminPasswordRepeat;

    double cashBalance = 0;
    int receiptNumber = 1;
    QString receiptHeader;
    QString receiptFooter;
    QString currency = QStringLiteral("EUR");
    bool saveReceiptAsText = true;
    double defaultVat = 19;
    bool pricesAreNet = false;
    bool firstBarcodeIssuesSecondReceives = false;

    std::array<bool, 3> productEnabled{};
    std::array<int, 9> productColumns{};

    bool ownCsvAssignment = false;
    QStringList csvAssignment;  // column 1 of the assignment grid, row by row

    bool receiptNoPaymentKind = false;
    bool receiptPrintUser = false;
    bool receiptNoPaymentPrompt = false;
    bool receiptNoPaidAmount = false;
    bool receiptNoVatKey = false;
    bool receiptFixedWidthColumns = true;

    bool doNotAllowNein = false;  // "Benutzer können nicht auf "NEIN" klicken"
    QString predefinedStoragePlaces;  // one per line

    bool sortingAllowed() const { return adminSwitch[12]; }
    bool purchasePricesVisible() const { return adminSwitch[15]; }

    static std::array<bool, kSwitchCount + 1> allSwitchesOn()
    {
        std::array<bool, kSwitchCount + 1> s{};
        s.fill(true);
        return s;
    }

    friend bool operator==(const Options &, const Options &) = default;
};

}  // namespace morvane::settings
