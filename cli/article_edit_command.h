#pragma once

#include "cli/cli_context.h"

#include <QStringList>

namespace morvane::cli {

// morvane-cli articles new NAME [--number N] [--barcode B] [--field FIELD=VALUE ...]
//                               [--auto-number] [--free-ean 8|13] [--allow-duplicate-number]
// morvane-cli articles delete NUMBER
// args start with "new" or "delete". The same operations as the article dialog:
// a write phase, a protocol line, the article file saved.
int runArticleEditCommand(CliContext &context, const QStringList &args);

}  // namespace morvane::cli
