#pragma once

#include "core/booking/external_command.h"

namespace morvane::booking {

// "Datum der letzten Buchung ..." radio group: which direction stamps the
// column "Datum letzte Buchung".
enum class LastBookingDate { OnIssueOnly, OnReceiptOnly, OnBoth };

// "Werte addieren": the sum of one field over all articles that share a key,
// written into a target field of each of them. Fields by internal number.
struct GroupSumRule {
    bool enabled = false;       // "Werte addieren"
    int keyField = 0;           // "Bei gleichen Wert in dieser Spalte:" ("Artikel Nr.")
    int valueField = 2;         // "Diese Spalte all dieser Artikel addieren:" ("Menge")
    int targetField = 17;       // "Und in dieser Spalte ablegen:" ("Freie Spalte 1")
    bool skipEmptyKey = false;  // "Nicht addieren, wenn die Spalte leer ist"
};

// The main menu check marks that shape a booking, as a new installation has
// them.
struct BookingOptions {
    bool notBelowZero = false;            // "Bestand kann nicht unter 0 fallen"
    bool notAboveOne = false;             // "Bestand kann nicht über 1 gehen"
    bool autoDirectionByStock = false;    // "Bei Bestand 0 automatisch zubuchen, bei Bestand 1 abbuchen"
    bool wholePieces = false;             // "Mengeneingabe nur in ganzen Stück möglich"
    bool noMinimumWarning = false;        // "Keine Warnung beim Unterschreiten der Mindestmenge"
    bool orderMailOnMinimum = false;      // "Beim Unterschreiten der Mindestmenge Bestell Email aufrufen"
    LastBookingDate lastBookingDate = LastBookingDate::OnIssueOnly;
    bool lastBookingWithTime = true;      // "Auch die Zeit der letzten Buchung speichern"
    bool batchOnReceipt = false;          // "Chargennummer beim Zubuchen aus Datum und Artikelnummer erzeugen"
    bool batchOnIssue = false;            // "Chargennummer beim Wegbuchen aus Datum und Artikelnummer erzeugen"
    bool expiryOnReceipt = false;         // "Haltbarkeitsdatum beim Zubuchen aus Datum und Haltbarkeit berechnen"
    bool expiryOnIssue = false;           // "Haltbarkeitsdatum beim Wegbuchen aus Datum und Haltbarkeit berechnen"
    bool freeColumnInProtocol[5] = {};    // "Freie Spalte 1 im Protokoll aufführen" ... 5
    bool threePriceDecimals = false;      // "EK Preise und VK Preise mit 3 Nachkommastellen"
    bool labelOnIssue = false;            // "Beim Abbuchen automatisch Barcode Etikett drucken"
    bool lastCustomerToFreeColumn = false;  // "Letzten Kunden in die erste freie Spalte eintragen"
    GroupSumRule groupSum;
    ExternalCommand command;              // started after every booking
};

}  // namespace morvane::booking
