#include "flowoutput.h"

#include "cli/exportimagecommand.h"
#include "diagram/flowprinter.h"
#include "filedialogs.h"
#include "model/group.h"

#include <QDir>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>

bool FlowOutput::exportImage(QWidget* parent, const Group& group, const QString& folder)
{
    QString name = QFileInfo(group.filePath()).completeBaseName();
    if (name.isEmpty())
        name = group.name().isEmpty() ? QStringLiteral("fluxo") : group.name();
    const QString answer = FileDialogs::current().getSaveFileName(
        parent, tr("Exportar imagem"), QDir(folder).filePath(name + QStringLiteral(".png")),
        tr("Imagem PNG (*.png);;Imagem SVG (*.svg)"));
    if (answer.isEmpty())
        return false;
    return ExportImageCommand::write(group, imagePath(answer));
}

QString FlowOutput::imagePath(const QString& answer)
{
    const QString suffix = QFileInfo(answer).suffix().toLower();
    if (suffix == QLatin1String("png") || suffix == QLatin1String("svg"))
        return answer;
    return answer + QStringLiteral(".png");
}

void FlowOutput::print(QWidget* parent, const Group& group)
{
    QPrinter printer(QPrinter::HighResolution);
    FlowPrinter::setUp(printer, group);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(tr("Imprimir %1").arg(FlowPrinter::title(group)));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&group](QPrinter* target) { FlowPrinter::print(*target, group); });
    preview.exec();
}
