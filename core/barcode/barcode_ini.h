#pragma once

#include "core/barcode/custom_ean.h"
#include "core/barcode/ini_file.h"

#include <QString>

namespace morvane::barcode {

// Every setting of a barcode control in an INI file: the main section and
// the sections "<main>_Caption", "<main>_CaptionBottom", "<main>_Font" and
// "<main>_pen".
void SaveToIni(const TCustomEAN &ean, IniFile &ini, const QString &section = QStringLiteral("Barcode"));
// The type is applied before the text, because a type change loads its
// sample text. Out-of-range values keep the control's current setting.
void LoadFromIni(TCustomEAN &ean, const IniFile &ini, const QString &section = QStringLiteral("Barcode"));

struct IniResult {
    bool ok = false;
    QString error;
};
// Writes through an atomic replace; other sections of the file are kept.
IniResult SaveToIniFile(const TCustomEAN &ean, const QString &path, const QString &section = QStringLiteral("Barcode"));
IniResult LoadFromIniFile(TCustomEAN &ean, const QString &path, const QString &section = QStringLiteral("Barcode"));

}  // namespace morvane::barcode
