#pragma once

#include <QAbstractScrollArea>
#include <QPoint>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "diagram/DiagramPainter.h"
#include "diagram/geometry/DiagramLayout.h"

// The cutting diagram on the screen: the title and bar settings, then one
// strip per group of like bars, scrolled and zoomed across the width. Only
// the strips in view are drawn, so a plan of many thousands of bars opens
// and scrolls as fast as a small one. Without a plan it says that there is
// nothing to draw yet.
class DiagramView : public QAbstractScrollArea {
    Q_OBJECT
  public:
    explicit DiagramView(QWidget* parent = nullptr);

    void SetJob(std::shared_ptr<const DiagramJob> job);
    const DiagramJob* Job() const { return job_.get(); }
    const std::vector<BarGroup>& Groups() const { return groups_; }

    // 1 fits a bar to the width of the view; more widens every bar as much.
    double Zoom() const { return zoom_; }
    void SetZoom(double zoom);
    void ZoomIn();
    void ZoomOut();

    // What the box under a point of the viewport says (see BoxTip); empty
    // where there is no box. Shown as the tooltip.
    QString TipAt(QPoint point) const;

    // The strips the last paint drew, first and one past the last.
    std::pair<std::size_t, std::size_t> PaintedStrips() const { return painted_; }

    static constexpr double kMostZoom = 256.0;

  protected:
    bool viewportEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    void UpdateScrollBars();
    int BarWidth() const;
    // Zooms keeping the point of the bars under the given x of the view in place.
    void ZoomAround(double zoom, int viewX);

    std::shared_ptr<const DiagramJob> job_;
    std::vector<BarGroup> groups_;
    std::optional<DiagramPainter> strips_;
    double zoom_ = 1.0;
    std::pair<std::size_t, std::size_t> painted_{0, 0};
};

// What the view says when there is no complete Calculate to draw.
inline const char* const kNoDiagramYet =
    "No complete Calculate yet: press Calculate in the main window and its bars appear here.";
