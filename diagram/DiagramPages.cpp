#include "diagram/DiagramPages.h"
#include "diagram/Latin1.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <limits>
#include <string>

#include "diagram/DiagramPainter.h"
#include "model/Exceptions.h"

namespace {

const std::string kLineIndent(11, ' ');

// The heading block as the printed report writes it, line under line at the
// report's advance (the text's height and 2 pixels), then the bar settings
// and a blank line.
class PageHead {
  public:
    PageHead(const DiagramJob& job, QPaintDevice* device)
        : job_(job), advance_(QFontMetrics(PrintedPageFont(), device).height() + 2) {}

    int Height() const { return 8 * advance_; }

    void Draw(QPainter& painter, std::size_t pageNumber, const HeadingStamp& stamp) const {
        painter.setFont(PrintedPageFont());
        painter.setPen(Qt::black);
        const QFontMetrics metrics(painter.font(), painter.device());
        int baseline = metrics.ascent();
        for (const std::string& line : PageHeadingLines(job_.Title, pageNumber, stamp)) {
            painter.drawText(0, baseline, ToQString(line));
            baseline += advance_;
        }
        painter.drawText(0, baseline, ToQString(kLineIndent + SettingsLine(job_)));
    }

  private:
    const DiagramJob& job_;
    int advance_;
};

// The labels of the strips, in the heading's font without its weight.
QFont LabelFont() {
    QFont font = PrintedPageFont();
    font.setBold(false);
    return font;
}

}  // namespace

QFont PrintedPageFont() {
    QFont font(QStringLiteral("MS Sans Serif"), 10);
    font.setBold(true);
    return font;
}

int PaintDiagramPages(QPagedPaintDevice& device, const DiagramJob& job, const HeadingClock& clock) {
    QPainter painter;
    if (!painter.begin(&device)) {
        throw Exception("The diagram cannot be drawn on this device");
    }
    const DiagramPainter strips(job, LabelFont(), &device);
    const PageHead head(job, &device);
    const int margin = strips.Margin();
    const int width = std::max(1, device.width() - 2 * margin);
    const int perPage =
        std::max(1, (device.height() - head.Height()) / std::max(1, strips.StripHeight()));

    const std::vector<BarGroup> groups = GroupLikeBars(*job.Plan);
    std::size_t page = 0;
    for (std::size_t first = 0; first < groups.size() || page == 0; first += perPage) {
        if (page > 0 && !device.newPage()) {
            throw Exception("The printer could not start a new page");
        }
        ++page;
        head.Draw(painter, page, clock());
        const std::size_t last = std::min(groups.size(), first + perPage);
        for (std::size_t g = first; g < last; ++g) {
            const int top = head.Height() + static_cast<int>(g - first) * strips.StripHeight();
            strips.DrawStrip(painter, groups[g], margin, top, width);
        }
    }
    painter.end();
    return static_cast<int>(page);
}

int SinglePageHeight(const DiagramJob& job, QPaintDevice* device, int /*width*/) {
    const DiagramPainter strips(job, LabelFont(), device);
    const auto groups = static_cast<long long>(GroupLikeBars(*job.Plan).size());
    const long long height = PageHead(job, device).Height() + groups * strips.StripHeight();
    return static_cast<int>(std::min<long long>(height, std::numeric_limits<int>::max()));
}

void PaintSinglePage(QPaintDevice& device, const DiagramJob& job, const HeadingStamp& stamp,
                     int width) {
    QPainter painter(&device);
    const DiagramPainter strips(job, LabelFont(), &device);
    const PageHead head(job, &device);
    head.Draw(painter, 1, stamp);
    const int margin = strips.Margin();
    int top = head.Height();
    for (const BarGroup& group : GroupLikeBars(*job.Plan)) {
        strips.DrawStrip(painter, group, margin, top, std::max(1, width - 2 * margin));
        top += strips.StripHeight();
    }
}
