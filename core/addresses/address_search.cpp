#include "core/addresses/address_search.h"

#include "core/dbase/table.h"

namespace morvane::addresses {

namespace {

bool isPlainAscii(QStringView text)
{
    for (QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

}  // namespace

QString AddressSearch::fold(QStringView text)
{
    // Most values are plain ASCII: skip the decomposition for them.
    if (isPlainAscii(text))
        return text.toString().toUpper();
    const QString decomposed = text.toString().normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    for (QChar c : decomposed) {
        const auto category = c.category();
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining
            || category == QChar::Mark_Enclosing)
            continue;
        out += c;
    }
    // toUpper() turns "ß" into "SS" as well.
    return out.toUpper();
}

bool AddressSearch::matches(const dbase::Table &table, const QString &folded)
{
    if (folded.isEmpty())
        return true;
    for (int i = 0; i < table.fieldCount(); ++i)
        if (fold(table.fieldText(i)).contains(folded))
            return true;
    return false;
}

}  // namespace morvane::addresses
