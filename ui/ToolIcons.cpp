#include "ui/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace {

constexpr int kSize = 16;

QIcon Draw(const std::function<void(QPainter&)>& paint) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, false);
    paint(painter);
    painter.end();
    return QIcon(pixmap);
}

// A sheet of paper with a folded corner.
void Sheet(QPainter& p, int left, int top, int right, int bottom) {
    QPainterPath path;
    path.moveTo(left, top);
    path.lineTo(right - 4, top);
    path.lineTo(right, top + 4);
    path.lineTo(right, bottom);
    path.lineTo(left, bottom);
    path.closeSubpath();
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawPath(path);
    p.drawLine(right - 4, top, right - 4, top + 4);
    p.drawLine(right - 4, top + 4, right, top + 4);
}

}  // namespace

QIcon NewFileIcon() {
    return Draw([](QPainter& p) { Sheet(p, 3, 1, 12, 14); });
}

QIcon OpenFileIcon() {
    return Draw([](QPainter& p) {
        p.setPen(Qt::black);
        p.setBrush(QColor(0xE0, 0xC0, 0x40));
        p.drawRect(1, 4, 12, 9);  // the folder's back
        p.drawRect(1, 3, 5, 1);   // its tab
        QPolygon front;
        front << QPoint(3, 7) << QPoint(15, 7) << QPoint(13, 13) << QPoint(1, 13);
        p.setBrush(QColor(0xF8, 0xE0, 0x70));
        p.drawPolygon(front);
    });
}

QIcon SaveFileIcon() {
    return Draw([](QPainter& p) {
        p.setPen(Qt::black);
        p.setBrush(QColor(0x30, 0x50, 0xA0));
        p.drawRect(1, 1, 13, 13);  // the disk
        p.setBrush(Qt::white);
        p.drawRect(4, 1, 7, 5);  // its label
        p.setBrush(QColor(0xC0, 0xC0, 0xC0));
        p.drawRect(4, 9, 7, 5);  // its shutter
    });
}

QIcon PrintIcon() {
    return Draw([](QPainter& p) {
        Sheet(p, 4, 1, 11, 7);  // paper going in
        p.setPen(Qt::black);
        p.setBrush(QColor(0xB0, 0xB0, 0xB0));
        p.drawRect(1, 7, 13, 5);  // the printer's body
        p.setBrush(Qt::white);
        p.drawRect(4, 12, 7, 3);  // paper coming out
        p.setPen(Qt::green);
        p.drawPoint(12, 9);  // power light
    });
}
