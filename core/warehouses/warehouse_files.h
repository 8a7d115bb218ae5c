#pragma once

#include <QString>

namespace morvane::warehouses {

// File names (without folder) of one warehouse. Warehouse 1 uses the plain
// names; warehouses 2..20 carry their number before the extension.
struct WarehouseFiles {
    int alagernr = 1;
    QString lagerdat;
    QString templagerdat;
    QString lagerschreibedat;
    QString buchungendbf;
    QString bestellungendbf;
    QString linksdbf;
    QString protokolltxt;

    static constexpr int kFirst = 1;
    static constexpr int kLast = 20;

    // Numbers outside 1..20 are taken as 1.
    static WarehouseFiles forWarehouse(int number);
};

}  // namespace morvane::warehouses
