#include "decoders.h"

#include "ui/printing/qt_canvas.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace morvane::barcode::testing_support {

QImage renderSymbol(TCustomEAN &ean, int modulePx, int height, int margin)
{
    const int modules = ean.MinWidth() - 1;
    const int width = std::max(modules, 1) * modulePx;
    QImage image(width + 2 * margin, height + 2 * margin, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        printing::QtCanvas canvas(image);
        ean.Security = true;
        ean.PrintToCanvas(canvas, {margin, margin, margin + width, margin + height});
    }
    return image;
}

QString savePng(const QImage &image, const QString &name)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(name + QStringLiteral(".png"));
    EXPECT_TRUE(image.save(path)) << path.toStdString();
    return path;
}

QString runTool(const QString &program, const QStringList &args, const QString &installHint,
                const QByteArray &stdinData)
{
    const QString exe = QStandardPaths::findExecutable(program);
    if (exe.isEmpty()) {
        ADD_FAILURE() << program.toStdString() << " is missing; install it with: " << installHint.toStdString();
        return {};
    }
    QProcess p;
    p.start(exe, args);
    if (!p.waitForStarted(10000)) {
        ADD_FAILURE() << program.toStdString() << " did not start";
        return {};
    }
    if (!stdinData.isEmpty())
        p.write(stdinData);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QStringList zbarimg(const QString &png, const QStringList &extraOptions)
{
    QStringList args{QStringLiteral("--nodbus"), QStringLiteral("-q"), QStringLiteral("-Sean2.enable"),
                     QStringLiteral("-Sean5.enable"), QStringLiteral("-Supca.enable"), QStringLiteral("-Supce.enable"),
                     QStringLiteral("-Si25.min-length=2")};
    args += extraOptions;
    args << png;
    const QString out = runTool(QStringLiteral("zbarimg"), args, QStringLiteral("apt-get install -y zbar-tools"));
    return out.split(u'\n', Qt::SkipEmptyParts);
}

QString zxingReader(const QString &png)
{
    return runTool(QStringLiteral("ZXingReader"), {QStringLiteral("-1"), png},
                   QStringLiteral("apt-get install -y zxing-cpp-tools"))
        .trimmed();
}

}  // namespace morvane::barcode::testing_support
