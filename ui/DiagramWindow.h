#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>

#include "core/report/PageHeading.h"
#include "diagram/geometry/DiagramLayout.h"

class QAction;
class QPrinter;
class DiagramView;
class ReportPrinting;

// The second window: the cutting diagram of the last complete Calculate,
// which follows every new one. From here the diagram is printed (on the
// printer chosen in Print Setup, confirmed in the print dialog) and exported
// to PDF and SVG files.
class DiagramWindow : public QMainWindow {
    Q_OBJECT
  public:
    // Errors go to showError, as the error box of the main window shows them.
    using ErrorBox = std::function<void(const std::string& text)>;
    DiagramWindow(ReportPrinting& printing, ErrorBox showError, QWidget* parent = nullptr);
    ~DiagramWindow() override;

    // The plan to draw; null when there is no complete Calculate yet.
    void SetJob(std::shared_ptr<const DiagramJob> job);
    DiagramView* View() const { return view_; }

    // The commands of the menus, without their dialogs. An error is shown in
    // the error box; the window stays as it was.
    void PrintOn(QPrinter& printer);
    void ExportTo(const QString& fileName);
    // Where the page headings take their date and time from.
    void SetClock(HeadingClock clock) { clock_ = std::move(clock); }

    QAction* PrintItem = nullptr;
    QAction* ExportPdfItem = nullptr;
    QAction* ExportSvgItem = nullptr;
    QAction* CloseItem = nullptr;
    QAction* ZoomInItem = nullptr;
    QAction* ZoomOutItem = nullptr;
    QAction* FitWidthItem = nullptr;

  private:
    void CreateMenus();
    void Print();
    void Export(const QString& filter, const QString& extension);
    void ShowError(const std::exception& error);

    ReportPrinting& printing_;
    ErrorBox showError_;
    DiagramView* view_ = nullptr;
    std::shared_ptr<const DiagramJob> job_;
    HeadingClock clock_;
};
