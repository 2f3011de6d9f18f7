#include "app/SheetView.h"

#include "app/LongLineMark.h"
#include "platform/qt/QtPrinterDevice.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int kFrame = 4; // pixels kept around the paper
// The picture's longest side when the window leaves it the room it asks for.
constexpr int kLongSide = 400;

QRectF scaled(const QRectF& points, double scale)
{
    return QRectF(points.topLeft() * scale, points.size() * scale);
}

} // namespace

SheetView::SheetView(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Label sheet"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    m_picture.page.geometry = {612, 792, false};
}

QSize SheetView::sizeHint() const
{
    return {kLongSide * 612 / 792 + 2 * kFrame, kLongSide + 2 * kFrame};
}

QSize SheetView::minimumSizeHint() const
{
    return {120, 160};
}

int SheetView::dotsPerInch() const
{
    const PageGeometry& page = m_picture.page.geometry;
    if (page.width <= 0 || page.height <= 0)
        return 1;
    const double fit = std::min((width() - 2 * kFrame) / page.width, (height() - 2 * kFrame) / page.height);
    return std::max(1, int(std::floor(fit * 72)));
}

QRect SheetView::paperRect() const
{
    const double scale = dotsPerInch() / 72.0;
    const QSize size(int(std::lround(m_picture.page.geometry.width * scale)),
                     int(std::lround(m_picture.page.geometry.height * scale)));
    return QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

QPointF SheetView::toWidget(const QPointF& paperPoint) const
{
    return paperRect().topLeft() + paperPoint * (dotsPerInch() / 72.0);
}

void SheetView::setPicture(SheetPicture picture)
{
    m_picture = std::move(picture);
    const int labels = int(m_picture.labels.size());
    if (labels == 0)
        m_current = 0;
    else if (m_current < 1 || m_current > labels || !hasFocus())
        m_current = m_picture.firstChosen > 0 ? m_picture.firstChosen : 1;
    setAccessibleName(m_picture.stock == PreviewStock::Envelope       ? QStringLiteral("Envelope")
                      : m_picture.stock == PreviewStock::EightyLabels ? QStringLiteral("Return-address sheet")
                                                                      : QStringLiteral("Label sheet"));
    describe();
    render();
    update();
}

void SheetView::describe()
{
    QString description = m_picture.description;
    if (m_current > 0)
        description += QStringLiteral("; Enter chooses label %1").arg(m_current);
    if (accessibleDescription() != description)
        setAccessibleDescription(description);
}

void SheetView::render()
{
    const QRect paper = paperRect();
    if (paper.isEmpty()) {
        m_image = QImage();
        return;
    }
    const int dpi = dotsPerInch();
    const double scale = dpi / 72.0;
    m_image = QImage(paper.size(), QImage::Format_ARGB32_Premultiplied);
    // The text is drawn at this resolution, so a point on the paper is a point of the text.
    m_image.setDotsPerMeterX(int(std::lround(dpi / 0.0254)));
    m_image.setDotsPerMeterY(int(std::lround(dpi / 0.0254)));
    const QPalette& colours = palette();
    const MarkColours mark = markColours(colours);
    m_image.fill(colours.color(QPalette::Base));

    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor outline = colours.color(QPalette::Mid);
    QColor chosen = colours.color(QPalette::Highlight);
    chosen.setAlpha(45);
    for (std::size_t i = 0; i < m_picture.page.outlines.size(); ++i) {
        const QRectF box = scaled(m_picture.page.outlines[i], scale).adjusted(0.5, 0.5, -0.5, -0.5);
        const SheetLabel state = i < m_picture.labels.size() ? m_picture.labels[i] : SheetLabel::Free;
        if (state == SheetLabel::Used)
            painter.fillRect(box, QBrush(outline, Qt::BDiagPattern));
        else if (state == SheetLabel::Chosen)
            painter.fillRect(box, chosen);
        painter.setPen(QPen(state == SheetLabel::Chosen ? colours.color(QPalette::Highlight) : outline, 1));
        painter.drawRect(box);
    }
    for (const QRectF& marked : m_picture.marks)
        painter.fillRect(scaled(marked, scale), mark.background);

    painter.setPen(colours.color(QPalette::Text));
    drawPlacedRuns(painter, m_image, m_picture.page.runs);

    painter.setPen(QPen(mark.alarm, 1));
    painter.setBrush(Qt::NoBrush);
    for (const QRectF& marked : m_picture.marks)
        painter.drawRect(scaled(marked, scale));

    if (!m_picture.refusal.isEmpty()) {
        // The window's font at its size on screen, whatever the paper's resolution.
        QFont font = this->font();
        font.setPixelSize(QFontInfo(this->font()).pixelSize());
        painter.setFont(font);
        const QRectF band = QRectF(m_image.rect()).adjusted(8, 8, -8, -8);
        QRectF text = painter.boundingRect(band, Qt::AlignCenter | Qt::TextWordWrap, m_picture.refusal);
        QColor behind = colours.color(QPalette::Base);
        behind.setAlpha(220);
        painter.fillRect(text.adjusted(-4, -4, 4, 4), behind);
        painter.setPen(colours.color(QPalette::Text));
        painter.drawText(band, Qt::AlignCenter | Qt::TextWordWrap, m_picture.refusal);
    }
}

void SheetView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect paper = paperRect();
    if (!m_image.isNull())
        painter.drawImage(paper.topLeft(), m_image);
    painter.setPen(QPen(palette().color(QPalette::Dark), 1));
    painter.drawRect(paper.adjusted(0, 0, -1, -1));
    if (hasFocus() && m_current > 0 && m_current <= int(m_picture.page.outlines.size())) {
        const QRectF box = m_picture.page.outlines[std::size_t(m_current - 1)];
        QPen pen(palette().color(QPalette::Highlight), 2, Qt::DashLine);
        painter.setPen(pen);
        painter.drawRect(QRectF(toWidget(box.topLeft()), toWidget(box.bottomRight())).adjusted(1, 1, -1, -1));
    }
}

void SheetView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    const double scale = dotsPerInch() / 72.0;
    const QPointF onPaper = (event->position() - QPointF(paperRect().topLeft())) / scale;
    const int position = labelAt(m_picture, onPaper);
    if (position == 0)
        return;
    m_current = position;
    describe();
    update();
    emit labelChosen(position);
}

int SheetView::neighbour(int dx, int dy) const
{
    const std::vector<QRectF>& outlines = m_picture.page.outlines;
    if (m_current < 1 || m_current > int(outlines.size()))
        return m_current;
    const QPointF from = outlines[std::size_t(m_current - 1)].center();
    int best = m_current;
    double bestCost = std::numeric_limits<double>::max();
    for (std::size_t i = 0; i < outlines.size(); ++i) {
        const QPointF step = outlines[i].center() - from;
        const double along = step.x() * dx + step.y() * dy;
        if (along < 1)
            continue;
        const double across = std::abs(step.x() * dy) + std::abs(step.y() * dx);
        const double cost = along + 3 * across;
        if (cost < bestCost) {
            bestCost = cost;
            best = int(i) + 1;
        }
    }
    return best;
}

void SheetView::keyPressEvent(QKeyEvent* event)
{
    if (m_current == 0)
        return QWidget::keyPressEvent(event);
    int next = m_current;
    switch (event->key()) {
    case Qt::Key_Left: next = neighbour(-1, 0); break;
    case Qt::Key_Right: next = neighbour(1, 0); break;
    case Qt::Key_Up: next = neighbour(0, -1); break;
    case Qt::Key_Down: next = neighbour(0, 1); break;
    case Qt::Key_Home: next = 1; break;
    case Qt::Key_End: next = int(m_picture.labels.size()); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit labelChosen(m_current);
        return;
    default:
        return QWidget::keyPressEvent(event);
    }
    m_current = next;
    describe();
    update();
}

void SheetView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    render();
}

void SheetView::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) {
        render();
        update();
    }
}
