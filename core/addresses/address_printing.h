#pragma once

#include "core/printing/canvas.h"

#include <QStringList>

#include <functional>

namespace morvane::dbase {
class Table;
}

namespace morvane::addresses {

// The printouts of the address windows: a record as text, the count of
// filled fields, and the plain-text page printer that puts such lines on
// paper (word-wrapped, a new page when a line no longer fits).
class AddressPrinting {
public:
    // "NAME: " padded to 20 characters, a tab, the value; one line per field.
    static QStringList recordLines(const dbase::Table &table);
    // The same layout with the number of visible records whose field is not empty.
    static QStringList countLines(dbase::Table &table);

    // The page less half an inch on every side.
    static printing::Rect pageRect(const printing::Canvas &canvas);
    static printing::Font textFont();
    // Prints the lines into the rectangle from its top, starting new pages as
    // needed. Tabs stand for the next multiple of eight characters.
    static void printLines(printing::Canvas &canvas, const QStringList &lines, const printing::Rect &rect);
    // Every visible record on a page of its own; answers the records printed.
    static int printAll(printing::Canvas &canvas, dbase::Table &table);

    // A line cut into the pieces that fit `width` dots.
    static QStringList wrap(printing::Canvas &canvas, const QString &line, int width);
};

}  // namespace morvane::addresses
