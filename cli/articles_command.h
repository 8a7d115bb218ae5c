#pragma once

#include "cli/cli_context.h"

#include <QStringList>

namespace morvane::cli {

// morvane-cli articles dump FILE | generate N FILE [--seed S] | load FILE | save IN OUT
int runArticlesCommand(CliContext &context, const QStringList &args);

}  // namespace morvane::cli
