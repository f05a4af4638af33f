// SPDX-License-Identifier: MIT
#include "scope/schema_view.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QWheelEvent>

#include <cmath>
#include <cstdlib>

#include "ui/scroll_codes.h"

namespace tarvex {

SchemaView::SchemaView(const SchemaContext& context, QWidget* parent)
    : TemplateView(4, 132, parent), ctx_(context) {
    surface().fill(palette().color(QPalette::Window));
    // The view keeps the keyboard; the bars are for the mouse.
    setFocusPolicy(Qt::StrongFocus);
    for (Qt::Orientation o : {Qt::Horizontal, Qt::Vertical}) {
        QScrollBar* b = bar(o);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QScrollBar::actionTriggered, this, [this, o, b](int action) {
            const int code = scroll_code_of(action);
            scroll(o, code, b->sliderPosition());
        });
    }
}

QScrollBar* SchemaView::bar(Qt::Orientation o) const {
    return qobject_cast<QScrollBar*>(
        control(o == Qt::Horizontal ? control_id::DiagramHBar : control_id::DiagramVBar));
}

void SchemaView::set_up() {
    const SchemaContext& p = ctx_;
    const QSize client = parentWidget() ? parentWidget()->size() : size();
    layout_ = schema_setup(p.size.SizeMode, client.width(), client.height());
    QScrollBar* h = bar(Qt::Horizontal);
    QScrollBar* v = bar(Qt::Vertical);
    if (layout_.bars) {
        const Rect& hr = layout_.hbar;
        const Rect& vr = layout_.vbar;
        h->setGeometry(hr.left, hr.top, hr.right - hr.left, hr.bottom - hr.top);
        v->setGeometry(vr.left, vr.top, vr.right - vr.left, vr.bottom - vr.top);
        h->setRange(1, layout_.max_x);
        v->setRange(1, layout_.max_y);
        h->setPageStep(50);
        v->setPageStep(50);
        h->setSingleStep(10);
        v->setSingleStep(10);
        // The thumbs go to the offsets (0): the bars show that as their start.
        h->setValue(layout_.DiagramScroll.x);
        v->setValue(layout_.DiagramScroll.y);
        h->show();
        v->show();
    } else {
        h->hide();
        v->hide();
    }
    DiagramImage = drawn_at_screen_ratio();
    if (DiagramImage.isNull())
        DiagramImage = QImage(QString::fromLatin1(diagram_picture_for(p.LanguageCode)))
                           .convertToFormat(QImage::Format_RGB32);
    copy_picture();
}

QImage SchemaView::drawn_at_screen_ratio() const {
    const qreal ratio = devicePixelRatioF();
    if (ratio == 1.0)
        return {};  // the bitmap itself
    auto resource = [](const char* name) {
        QFile f(QString::fromLatin1(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
    };
    const std::string drawing = diagram_drawing_for(ctx_.LanguageCode, resource(":/art/schema.svg"),
                                                    resource(":/art/schema_labels.tsv"));
    QSvgRenderer renderer(QByteArray::fromStdString(drawing));
    if (drawing.empty() || !renderer.isValid())
        return {};
    QImage image(static_cast<int>(std::ceil(kDiagramWidth * ratio)),
                 static_cast<int>(std::ceil(kDiagramHeight * ratio)), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(0, 0, kDiagramWidth, kDiagramHeight));
    return image;
}

void SchemaView::copy_picture() {
    if (DiagramImage.isNull())
        return;
    {
        QPainter painter(&surface());
        const QRect source(layout_.DiagramScroll.x, layout_.DiagramScroll.y, layout_.viewport_w,
                           layout_.viewport_h);
        // Only the part that lies inside the picture is copied.
        const QRect inside = source.intersected(QRect(0, 0, kDiagramWidth, kDiagramHeight));
        const QPoint to(layout_.DiagramOrigin.x + inside.x() - source.x(),
                        layout_.DiagramOrigin.y + inside.y() - source.y());
        const qreal ratio = DiagramImage.devicePixelRatio();
        if (ratio == 1.0)
            painter.drawImage(to, DiagramImage, inside);
        else
            painter.drawImage(QRectF(to, inside.size()), DiagramImage,
                              QRectF(inside.x() * ratio, inside.y() * ratio, inside.width() * ratio,
                                     inside.height() * ratio));
    }
    present();
}

void SchemaView::scroll(Qt::Orientation o, int code, int thumb) {
    if (o == Qt::Horizontal)
        layout_.DiagramScroll.x =
            scroll_offset(layout_.DiagramScroll.x, code, thumb, layout_.max_x);
    else
        layout_.DiagramScroll.y =
            scroll_offset(layout_.DiagramScroll.y, code, thumb, layout_.max_y);
    QScrollBar* b = bar(o);
    const QSignalBlocker block(b);
    b->setValue(o == Qt::Horizontal ? layout_.DiagramScroll.x : layout_.DiagramScroll.y);
    copy_picture();
}

void SchemaView::showEvent(QShowEvent* event) {
    TemplateView::showEvent(event);
    // The keyboard scrolls the picture from the start.
    if (layout_.bars)
        setFocus();
}

void SchemaView::keyPressEvent(QKeyEvent* event) {
    if (!layout_.bars) {
        TemplateView::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Left:
            scroll(Qt::Horizontal, 0, 0);
            break;
        case Qt::Key_Right:
            scroll(Qt::Horizontal, 1, 0);
            break;
        case Qt::Key_Up:
            scroll(Qt::Vertical, 0, 0);
            break;
        case Qt::Key_Down:
            scroll(Qt::Vertical, 1, 0);
            break;
        case Qt::Key_PageUp:
            scroll(Qt::Vertical, 2, 0);
            break;
        case Qt::Key_PageDown:
            scroll(Qt::Vertical, 3, 0);
            break;
        case Qt::Key_Home:
        case Qt::Key_End: {
            // As dragging both thumbs to an end.
            const bool end = event->key() == Qt::Key_End;
            scroll(Qt::Horizontal, 5, end ? layout_.max_x : 0);
            scroll(Qt::Vertical, 5, end ? layout_.max_y : 0);
            break;
        }
        default:
            TemplateView::keyPressEvent(event);
            return;
    }
    event->accept();
}

void SchemaView::wheelEvent(QWheelEvent* event) {
    if (!layout_.bars) {
        event->ignore();
        return;
    }
    // A notch is the desktop's number of lines; Shift or a sideways wheel
    // scrolls across.
    QPoint notches = event->angleDelta() / 120;
    if (event->modifiers() & Qt::ShiftModifier)
        notches = QPoint(notches.y(), notches.x());
    const int lines = QApplication::wheelScrollLines();
    for (int i = 0; i < std::abs(notches.x()) * lines; ++i)
        scroll(Qt::Horizontal, notches.x() < 0 ? 1 : 0, 0);
    for (int i = 0; i < std::abs(notches.y()) * lines; ++i)
        scroll(Qt::Vertical, notches.y() < 0 ? 1 : 0, 0);
    event->accept();
}

void SchemaView::window_paint() {
    const SchemaContext& p = ctx_;
    if (geometry() != QRect(0, 0, p.size.WindowWidth, p.size.WindowHeight))
        place(0, 0, p.size.WindowWidth, p.size.WindowHeight);
}

}  // namespace tarvex
