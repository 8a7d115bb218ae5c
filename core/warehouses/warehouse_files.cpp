#include "core/warehouses/warehouse_files.h"

namespace morvane::warehouses {

WarehouseFiles WarehouseFiles::forWarehouse(int number)
{
    if (number < kFirst || number > kLast)
        number = kFirst;
    const QString n = number == 1 ? QString() : QString::number(number);
    auto name = [&](const char *base, const char *extension) {
        return QLatin1String(base) + n + QLatin1String(extension);
    };
    WarehouseFiles f;
    f.alagernr = number;
    f.lagerdat = name("lager", ".dat");
    f.templagerdat = name("templager", ".dat");
    f.lagerschreibedat = name("lagerschreibe", ".dat");
    f.buchungendbf = name("buchungen", ".dbf");
    f.bestellungendbf = name("bestellungen", ".dbf");
    f.linksdbf = name("links", ".dbf");
    f.protokolltxt = name("protokoll", ".txt");
    return f;
}

}  // namespace morvane::warehouses
