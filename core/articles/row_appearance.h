#pragma once

#include "core/articles/article.h"
#include "core/base/format_settings.h"

#include <QDateTime>

#include <cstdint>
#include <optional>

namespace morvane::articles {

// The list options that decide how rows look (menu check marks of the main
// window).
struct ListOptions {
    bool farbeAlsAmpelIcon = false;          // "Farbe nicht als Hintergrundfarbe, sondern als Ampel-Icon"
    bool rotWennLetzteBuchungAlt = false;    // "Zeile rot hinterlegen, wenn letzte Buchung mehr als 30 Tage her ist"
    bool rotWennMindestbestandUnterschritten = false;  // "Bei Ampel Icons: Zeile rot hinterlegen, ..."
    int tageBisRot = 30;                     // 1..10000
    bool mehrfachauswahl = true;             // "Mehrfachauswahl fürs Löschen und Drucken erlauben"
};

// The icon shown in front of a row: a traffic light (0 at or above the
// minimum, 1 below it but at least half, 2 below half; +3 when ordered) or a
// filled circle in the row's colour.
struct StatusIcon {
    enum class Kind { TrafficLight, Circle } kind = Kind::TrafficLight;
    int trafficLight = 0;
    std::uint32_t circleBgr = 0xFFFFFF;
    friend bool operator==(const StatusIcon &, const StatusIcon &) = default;
};

class RowAppearance {
public:
    static constexpr std::uint32_t kWhite = 0xFFFFFF;
    static constexpr std::uint32_t kLightRed = 0xBEBEFF;  // blue-green-red
    static constexpr std::uint32_t kRed = 0x0000FF;

    // The "Farbe" field as a colour (blue, green, red from the most
    // significant byte); nothing when it is empty or not hexadecimal.
    static std::optional<std::uint32_t> parseFarbe(const QString &text);

    // Background as blue-green-red.
    static std::uint32_t background(const Article &article, const ListOptions &options,
                                    const base::FormatSettings &format, const QDateTime &now);
    static StatusIcon statusIcon(const Article &article, const ListOptions &options,
                                 const base::FormatSettings &format);
};

}  // namespace morvane::articles
