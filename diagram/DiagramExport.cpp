#include "diagram/DiagramExport.h"
#include "diagram/Latin1.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "diagram/DiagramPages.h"
#include "io/files/ReplaceFile.h"
#include "model/Exceptions.h"

namespace {

// Wide enough for the labels of short pieces, narrow enough to view whole.
constexpr int kSvgWidth = 1200;
constexpr int kPdfResolution = 600;

}  // namespace

QByteArray DiagramPdf(const DiagramJob& job, const HeadingClock& clock) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(ToQString(job.Title).trimmed());
        writer.setCreator(QStringLiteral("Velmar"));
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                         QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        PaintDiagramPages(writer, job, clock);
    }
    return bytes;
}

QByteArray DiagramSvg(const DiagramJob& job, const HeadingClock& clock) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setTitle(ToQString(job.Title).trimmed());
    const int height = SinglePageHeight(job, &generator, kSvgWidth);
    generator.setSize(QSize(kSvgWidth, height));
    generator.setViewBox(QRect(0, 0, kSvgWidth, height));
    PaintSinglePage(generator, job, clock(), kSvgWidth);
    return bytes;
}

void WriteDiagramFile(const std::string& path, const DiagramJob& job, const HeadingClock& clock) {
    const std::optional<DiagramFormat> format = DiagramFormatOf(path);
    if (!format) {
        throw Exception(kDiagramExtensionRefusal);
    }
    const QByteArray bytes =
        *format == DiagramFormat::Pdf ? DiagramPdf(job, clock) : DiagramSvg(job, clock);
    ReplaceFileContents(path, std::string_view(bytes.constData(), std::size_t(bytes.size())));
}
