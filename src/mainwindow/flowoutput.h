#pragma once

#include <QCoreApplication>
#include <QString>

class Group;
class QWidget;

// The open group's flow out of the window: as a picture file, drawn as
// "zor --export-image" draws it, and on paper, after a print preview.
class FlowOutput
{
    Q_DECLARE_TR_FUNCTIONS(FlowOutput)

public:
    // Asks where, starting in folder, and writes the picture; false when
    // cancelled or not written (the failure is told).
    static bool exportImage(QWidget* parent, const Group& group, const QString& folder);
    // The print preview, landscape, from which the user prints.
    static void print(QWidget* parent, const Group& group);

    // The picture's path for what the file dialog answered: PNG unless the
    // name says SVG.
    static QString imagePath(const QString& answer);
};
