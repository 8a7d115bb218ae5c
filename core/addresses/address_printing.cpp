#include "core/addresses/address_printing.h"

#include "core/dbase/table.h"

namespace morvane::addresses {

namespace {

QString labelled(const QString &name, const QString &value)
{
    QString head = name + QStringLiteral(": ");
    if (head.size() < 20)
        head += QString(20 - head.size(), u' ');
    return head + u'\t' + value;
}

QString expandTabs(const QString &line)
{
    if (!line.contains(u'\t'))
        return line;
    QString out;
    for (QChar c : line) {
        if (c == u'\t')
            out += QString(8 - out.size() % 8, u' ');
        else
            out += c;
    }
    return out;
}

}  // namespace

QStringList AddressPrinting::recordLines(const dbase::Table &table)
{
    QStringList lines;
    const bool onRecord = !(table.eof() && table.bof());
    for (int i = 0; i < table.fieldCount(); ++i)
        lines << labelled(table.field(i).name, onRecord ? table.fieldText(i) : QString());
    return lines;
}

QStringList AddressPrinting::countLines(dbase::Table &table)
{
    QList<int> counts(table.fieldCount(), 0);
    for (table.first(); !table.eof(); table.next())
        for (int i = 0; i < table.fieldCount(); ++i)
            if (!table.fieldText(i).isEmpty())
                ++counts[i];
    QStringList lines;
    for (int i = 0; i < table.fieldCount(); ++i)
        lines << labelled(table.field(i).name, QString::number(counts.at(i)));
    return lines;
}

printing::Rect AddressPrinting::pageRect(const printing::Canvas &canvas)
{
    const printing::Size page = canvas.pageSize();
    const int dx = canvas.dpiX() / 2;
    const int dy = canvas.dpiY() / 2;
    return {dx, dy, page.width - dx, page.height - dy};
}

printing::Font AddressPrinting::textFont()
{
    printing::Font font;
    font.family = QStringLiteral("Courier New");
    font.pointSize = 8;
    return font;
}

QStringList AddressPrinting::wrap(printing::Canvas &canvas, const QString &line, int width)
{
    QStringList out;
    QString current;
    bool wrapped = false;
    for (QChar c : line) {
        if (wrapped && current.isEmpty() && c == u' ')
            continue;
        const QString longer = current + c;
        if (current.isEmpty() || canvas.textWidth(longer) <= width) {
            current = longer;
            continue;
        }
        // The part after the last blank moves on; the blank stays behind.
        const qsizetype blank = current.lastIndexOf(u' ');
        QString rest;
        if (blank >= 0) {
            rest = current.mid(blank + 1);
            current.truncate(blank + 1);
        }
        out << current;
        wrapped = true;
        current = rest;
        if (!(current.isEmpty() && c == u' '))
            current += c;
    }
    out << current;
    return out;
}

void AddressPrinting::printLines(printing::Canvas &canvas, const QStringList &lines, const printing::Rect &rect)
{
    canvas.setFont(textFont());
    const int minimum = canvas.textHeight(QStringLiteral("L"));
    int y = rect.top;
    for (const QString &source : lines) {
        const QString line = expandTabs(source);
        const QStringList pieces = wrap(canvas, line, rect.width() + 1);
        const int step = std::max(1, canvas.textHeight(line.isEmpty() ? QStringLiteral("L") : line));
        const int height = std::max(minimum, step * int(pieces.size()));
        if (y + height > rect.bottom && y > rect.top) {
            canvas.newPage();
            y = rect.top;
        }
        for (const QString &piece : pieces) {
            canvas.textOut(rect.left, y, piece);
            y += step;
        }
        if (pieces.isEmpty())
            y += minimum;
    }
}

int AddressPrinting::printAll(printing::Canvas &canvas, dbase::Table &table)
{
    int printed = 0;
    const printing::Rect rect = pageRect(canvas);
    for (table.first(); !table.eof(); table.next()) {
        if (printed > 0)
            canvas.newPage();
        printLines(canvas, recordLines(table), rect);
        ++printed;
    }
    return printed;
}

}  // namespace morvane::addresses
