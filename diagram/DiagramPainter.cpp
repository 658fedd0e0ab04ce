#include "diagram/DiagramPainter.h"
#include "diagram/Latin1.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>

namespace {

QFont Scaled(const QFont& font, double factor, bool bold) {
    QFont scaled(font);
    scaled.setPointSizeF(font.pointSizeF() * factor);
    scaled.setBold(bold);
    return scaled;
}

}  // namespace

DiagramPainter::DiagramPainter(const DiagramJob& job, const QFont& font, QPaintDevice* device)
    : job_(job),
      font_(font),
      bold_(Scaled(font, 1.0, true)),
      small_(Scaled(font, 0.85, false)),
      metrics_(font_, device),
      smallMetrics_(small_, device),
      line_(std::max(1, metrics_.height())),
      barHeight_(2 * smallMetrics_.height() + line_ / 2) {}

void DiagramPainter::DrawStrip(QPainter& painter, const BarGroup& group, int left, int top,
                               int width, StripLabels labels) const {
    if (group.First >= job_.Plan->Bars.size()) {
        return;
    }
    const PlannedBar& bar = job_.Plan->Bars[group.First];
    const int barTop = top + line_;
    const std::vector<DiagramBox> boxes = BarBoxes(job_, bar, width);
    // Cuts last, so that the outlines of their pieces do not hide them.
    for (const bool cuts : {false, true}) {
        for (const DiagramBox& box : boxes) {
            if ((box.Type == DiagramBox::Kind::Cut) == cuts) {
                DrawBox(painter, box, bar, left, barTop);
            }
        }
    }

    painter.setFont(bold_);
    painter.setPen(Qt::black);
    const QRect labelLine(labels.Left, top, labels.Width, line_);
    painter.drawText(labelLine, Qt::AlignLeft | Qt::AlignVCenter,
                     ToQString(StripLabel(*job_.Plan, group)));
    // A leftover too short to hold both its words ("scrap" or "remaining" and
    // the value) has them at the end of the label line.
    const std::string leftover = LeftoverLabel(job_, bar);
    const std::size_t blank = leftover.find(' ');
    const int leftoverWidth = boxes.back().Width;
    if (!Fits(ToQString(leftover.substr(0, blank)), leftoverWidth) ||
        !Fits(ToQString(leftover.substr(blank + 1)), leftoverWidth)) {
        painter.setFont(font_);
        painter.drawText(labelLine, Qt::AlignRight | Qt::AlignVCenter, ToQString(leftover));
    }
}

void DiagramPainter::DrawBox(QPainter& painter, const DiagramBox& box, const PlannedBar& bar,
                             int left, int top) const {
    const QRect area(left + box.Left, top, box.Width, barHeight_);
    painter.setPen(QPen(QColor(DiagramColours::kOutline), 0));
    switch (box.Type) {
        case DiagramBox::Kind::Cut:
            // A cut narrower than a pixel still shows, as a line where it falls.
            if (box.Width > 0) {
                painter.setPen(Qt::NoPen);
                painter.setBrush(QColor(DiagramColours::kCut));
                painter.drawRect(area);
            } else {
                painter.setPen(QPen(QColor(DiagramColours::kCut), 0));
                painter.drawLine(area.topLeft(), area.bottomLeft());
            }
            return;
        case DiagramBox::Kind::Piece: {
            painter.setBrush(QColor(DiagramColours::kPiece));
            painter.drawRect(area);
            const PreparedRow& row = LabelOfRow(*job_.Plan, box.Row);
            QString length = ToQString(row.Length);
            if (box.Count > 1) {
                length = QString::number(box.Count) + QStringLiteral(" x ") + length;
            }
            DrawLabels(painter, area, row.Item.empty() ? QString() : "#" + ToQString(row.Item),
                       length);
            return;
        }
        case DiagramBox::Kind::Leftover: {
            const bool scrap = job_.Plan->IsScrap(bar);
            painter.setBrush(QColor(scrap ? DiagramColours::kScrap : DiagramColours::kRemaining));
            painter.drawRect(area);
            const std::string text = LeftoverLabel(job_, bar);
            const std::size_t blank = text.find(' ');
            DrawLabels(painter, area, ToQString(text.substr(0, blank)),
                       ToQString(text.substr(blank + 1)));
            return;
        }
    }
}

// Two lines centred in a box, each only if it fits whole: a label cut short
// could be read as another length.
void DiagramPainter::DrawLabels(QPainter& painter, const QRect& area, const QString& upper,
                                const QString& lower) const {
    const bool upperFits = !upper.isEmpty() && Fits(upper, area.width());
    if (!Fits(lower, area.width())) {
        return;
    }
    painter.setFont(small_);
    painter.setPen(Qt::black);
    if (!upperFits) {
        painter.drawText(area, Qt::AlignCenter, lower);
        return;
    }
    const int half = area.height() / 2;
    painter.drawText(QRect(area.left(), area.top(), area.width(), half),
                     Qt::AlignHCenter | Qt::AlignBottom, upper);
    painter.drawText(QRect(area.left(), area.top() + half, area.width(), area.height() - half),
                     Qt::AlignHCenter | Qt::AlignTop, lower);
}

bool DiagramPainter::Fits(const QString& label, int boxWidth) const {
    return smallMetrics_.horizontalAdvance(label) + 4 <= boxWidth;
}

void DiagramPainter::DrawScreenHeading(QPainter& painter, int left, int top, int width) const {
    painter.setPen(Qt::black);
    painter.setFont(Scaled(font_, 1.2, true));
    painter.drawText(QRect(left, top, width, line_ + line_ / 4), Qt::AlignLeft | Qt::AlignVCenter,
                     ToQString(job_.Title).trimmed());
    painter.setFont(font_);
    painter.drawText(QRect(left, top + line_ + line_ / 2, width, line_),
                     Qt::AlignLeft | Qt::AlignVCenter, ToQString(SettingsLine(job_)));
}
