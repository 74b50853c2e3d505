#pragma once
#include "reports/PageModel.h"

#include <QImage>

class QPainter;

// Paints laid-out pages: on a printer or PDF page, or into an image for the
// preview. Sizes are millimetres in the model and points for fonts.
namespace ReportPainter {
void paintPage(const ReportPage& page, QPainter& painter, double dotsPerMm);
// Writes the whole document as PDF; false when the file cannot be written.
bool writePdf(const ReportDocument& document, const QString& path);
QImage pageImage(const ReportDocument& document, int pageIndex, double dotsPerInch);
}
