#pragma once

#include <QStringList>

namespace morvane::cli {

// morvane-cli articles dump FILE | generate N FILE [--seed S] | load FILE | save IN OUT
int runArticlesCommand(const QStringList &args);

}  // namespace morvane::cli
