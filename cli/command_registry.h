#pragma once

#include "cli/cli_context.h"

#include <QStringList>

#include <functional>

namespace morvane::cli {

// Each command file registers its verb once:
//   static const CommandRegistration registration(u"addresses"_qs, runAddresses, "addresses export ...");
using CommandFunction = std::function<int(CliContext &, const QStringList &)>;

struct CommandRegistration {
    CommandRegistration(const QString &verb, CommandFunction run, const char *usage);
};

// Runs the command registered for args[0]; nullopt when there is none.
std::optional<int> runRegisteredCommand(CliContext &context, const QStringList &args);
QStringList registeredUsages();

}  // namespace morvane::cli
