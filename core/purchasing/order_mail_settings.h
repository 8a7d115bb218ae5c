#pragma once

#include <QString>

namespace morvane::purchasing {

// The order e-mail settings that travel with the article file of a
// warehouse, so every workstation sends orders the same way.
struct OrderMailSettings {
    QString openingText;
    QString closingText;
    QString smtpServer;
    QString userName;
    QString password;  // stored as typed
    QString senderAddress;
    QString senderName;
    QString copyAddress;
    bool sendWithoutAskingBelowMinimum = false;
    bool noSentConfirmation = false;
    bool includeInternalArticleNumber = false;

    bool extraFieldEnabled = false;  // "Dieses Feld mit in den Bestelltext aufnehmen:"
    int extraFieldColumn = 0;
    QString extraFieldLabel;          // "Bezeichnung vor dem Feld:"

    bool useStartTls = false;
    int smtpPort = 25;
    bool useDesktopMailProgram = false;
    bool useAlternativeSmtp = false;

    friend bool operator==(const OrderMailSettings &, const OrderMailSettings &) = default;
};

}  // namespace morvane::purchasing
