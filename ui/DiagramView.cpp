#include "ui/DiagramView.h"

#include "diagram/Latin1.h"

#include <QHelpEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr double kZoomStep = 1.25;

}  // namespace

DiagramView::DiagramView(QWidget* parent) : QAbstractScrollArea(parent) {
    setObjectName(QStringLiteral("DiagramView"));
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
}

void DiagramView::SetJob(std::shared_ptr<const DiagramJob> job) {
    // The painter refers to the job: it goes first.
    strips_.reset();
    job_ = std::move(job);
    groups_.clear();
    if (job_) {
        groups_ = GroupLikeBars(*job_->Plan);
        strips_.emplace(*job_, font(), viewport());
    }
    painted_ = {0, 0};
    verticalScrollBar()->setValue(0);
    UpdateScrollBars();
    viewport()->update();
}

int DiagramView::BarWidth() const {
    const int margin = strips_ ? strips_->Margin() : 0;
    const double fitted = std::max(1, viewport()->width() - 2 * margin);
    return static_cast<int>(std::min(fitted * zoom_, 1.0e8));
}

void DiagramView::SetZoom(double zoom) {
    ZoomAround(zoom, viewport()->width() / 2);
}

void DiagramView::ZoomIn() {
    SetZoom(zoom_ * kZoomStep);
}

void DiagramView::ZoomOut() {
    SetZoom(zoom_ / kZoomStep);
}

void DiagramView::ZoomAround(double zoom, int viewX) {
    zoom = std::clamp(zoom, 1.0, kMostZoom);
    const double along = horizontalScrollBar()->value() + viewX;
    const double ratio = zoom / zoom_;
    zoom_ = zoom;
    UpdateScrollBars();
    horizontalScrollBar()->setValue(static_cast<int>(std::lround(along * ratio - viewX)));
    viewport()->update();
}

void DiagramView::UpdateScrollBars() {
    const int margin = strips_ ? strips_->Margin() : 0;
    const qint64 contentWidth = qint64{BarWidth()} + 2 * margin;
    horizontalScrollBar()->setRange(
        0, static_cast<int>(std::max<qint64>(0, contentWidth - viewport()->width())));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(std::max(1, viewport()->width() / 20));

    qint64 contentHeight = 0;
    if (strips_) {
        contentHeight = strips_->ScreenHeadingHeight() +
                        static_cast<qint64>(groups_.size()) * strips_->StripHeight();
    }
    const qint64 range = std::clamp<qint64>(contentHeight - viewport()->height(), 0, INT_MAX);
    verticalScrollBar()->setRange(0, static_cast<int>(range));
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setSingleStep(strips_ ? strips_->StripHeight() : 20);
}

void DiagramView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(viewport());
    if (!strips_) {
        painter.drawText(viewport()->rect().adjusted(12, 12, -12, -12),
                         Qt::AlignCenter | Qt::TextWordWrap, QString::fromLatin1(kNoDiagramYet));
        return;
    }
    const int scrolledDown = verticalScrollBar()->value();
    const int left = strips_->Margin() - horizontalScrollBar()->value();
    const int heading = strips_->ScreenHeadingHeight();
    const int strip = strips_->StripHeight();
    // The heading and the bar numbers stay at the left of the view however
    // far a zoomed diagram is scrolled sideways.
    const int margin = strips_->Margin();
    const DiagramPainter::StripLabels labels{margin, std::max(1, viewport()->width() - 2 * margin)};
    if (scrolledDown < heading) {
        strips_->DrawScreenHeading(painter, margin, margin - scrolledDown, labels.Width);
    }
    const auto firstVisible = static_cast<std::size_t>(std::max(0, scrolledDown - heading) / strip);
    const auto pastVisible = static_cast<std::size_t>(
        std::max(0, scrolledDown + viewport()->height() - heading) / strip + 1);
    painted_ = {std::min(firstVisible, groups_.size()), std::min(pastVisible, groups_.size())};
    const int width = BarWidth();
    for (std::size_t i = painted_.first; i < painted_.second; ++i) {
        const qint64 top = heading + static_cast<qint64>(i) * strip - scrolledDown;
        strips_->DrawStrip(painter, groups_[i], left, static_cast<int>(top), width, labels);
    }
}

QString DiagramView::TipAt(QPoint point) const {
    if (!strips_) {
        return QString();
    }
    const qint64 down =
        qint64{verticalScrollBar()->value()} + point.y() - strips_->ScreenHeadingHeight();
    if (down < 0) {
        return QString();
    }
    const auto strip = static_cast<std::size_t>(down / strips_->StripHeight());
    const qint64 withinStrip = down % strips_->StripHeight() - strips_->BarTop();
    if (strip >= groups_.size() || withinStrip < 0 || withinStrip >= strips_->BarHeight()) {
        return QString();
    }
    const PlannedBar& bar = job_->Plan->Bars[groups_[strip].First];
    const std::vector<DiagramBox> boxes = BarBoxes(*job_, bar, BarWidth());
    const int along = point.x() + horizontalScrollBar()->value() - strips_->Margin();
    const DiagramBox* box = BoxAt(boxes, along);
    if (box == nullptr) {
        return QString();
    }
    const std::string tip = BoxTip(*job_, bar, *box);
    return ToQString(tip);
}

bool DiagramView::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) {
        return QAbstractScrollArea::viewportEvent(event);
    }
    const QPoint point = static_cast<QHelpEvent*>(event)->pos();
    const QString tip = TipAt(point);
    if (tip.isEmpty()) {
        QToolTip::hideText();
    } else {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip, viewport());
    }
    return true;
}

void DiagramView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void DiagramView::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    const int steps = event->angleDelta().y() / 120;
    if (steps != 0) {
        ZoomAround(zoom_ * std::pow(kZoomStep, steps), static_cast<int>(event->position().x()));
    }
    event->accept();
}
