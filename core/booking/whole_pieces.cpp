#include "core/booking/whole_pieces.h"

#include "core/articles/article_io.h"
#include "core/articles/shared_access.h"
#include "core/base/decimal.h"

namespace morvane::booking {

using articles::SharedAccess;
using base::Decimal;

std::optional<QString> roundedWholePiece(const QString &value, const base::FormatSettings &format)
{
    const auto number = Decimal::parse(value, format);
    if (number && number->isWhole())
        return std::nullopt;
    return number ? number->roundedHalfEven(0).toString(format.decimalSeparator) : QStringLiteral("0");
}

WholePiecesResult switchToWholePieces(app::Workspace &ws)
{
    if (!SharedAccess::canwritenow(ws))
        return WholePiecesResult::AccessRefused;
    articles::ArticleList converted = ws.articles;
    bool cancelled = false;
    for (articles::Article &a : converted) {
        for (int k : {int(articles::Menge), int(articles::Mindestbestand)}) {
            QString &value = a.field(k);
            if (value.trimmed().isEmpty())
                continue;
            const auto rounded = roundedWholePiece(value, ws.format);
            if (!rounded) {
                value = Decimal::parse(value, ws.format)->toString(ws.format.decimalSeparator);
                continue;
            }
            const QString question = value + u' ' + ws.translator.message(190) + *rounded;
            if (ws.prompter->ask(ws.translator.makeMessage(86, base::Icon::Question, a.name, question),
                                 base::Buttons::OkCancel)
                != base::Answer::Ok) {
                cancelled = true;
                break;
            }
            value = *rounded;
        }
        if (cancelled)
            break;
    }
    articles::ArticleList before = std::move(ws.articles);
    ws.articles = std::move(converted);
    const bool saved = articles::SaveFile(ws) == articles::SaveResult::Saved;
    if (!saved)
        ws.articles = std::move(before);
    SharedAccess::EndWriteMow(ws);
    if (!saved)
        return WholePiecesResult::IoError;
    return cancelled ? WholePiecesResult::Cancelled : WholePiecesResult::Converted;
}

}  // namespace morvane::booking
