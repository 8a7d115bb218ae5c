#pragma once

#include "core/barcode/custom_ean.h"

#include <QImage>
#include <QString>
#include <QStringList>

namespace morvane::barcode::testing_support {

// The symbol drawn at a whole number of pixels per module (Security on),
// with a white margin, as a PNG in a temporary folder.
QImage renderSymbol(TCustomEAN &ean, int modulePx = 3, int height = 160, int margin = 40);
QString savePng(const QImage &image, const QString &name);

// Output of the command-line decoders; the test fails with the install
// command when a decoder is missing.
QStringList zbarimg(const QString &png, const QStringList &extraOptions = {});
QString zxingReader(const QString &png);
// Runs a program and returns its standard output; fails the test when it
// cannot start.
QString runTool(const QString &program, const QStringList &args, const QString &installHint,
                const QByteArray &stdinData = {});

}  // namespace morvane::barcode::testing_support
