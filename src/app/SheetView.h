#pragma once

#include "print/SheetPicture.h"

#include <QImage>
#include <QWidget>

// The sheet beside the composer: paints a SheetPicture at true proportions and forwards a
// label clicked, or reached by the arrow keys and taken with Enter or Space.
class SheetView : public QWidget {
    Q_OBJECT

public:
    explicit SheetView(QWidget* parent = nullptr);

    void setPicture(SheetPicture picture);
    const SheetPicture& picture() const { return m_picture; }
    // The label the arrow keys stand on (1..30), 0 when the picture has no labels to choose.
    int currentLabel() const { return m_current; }
    // Where the paper lies in the widget, and the widget point over a point of the paper.
    QRect paperRect() const;
    QPointF toWidget(const QPointF& paperPoint) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void labelChosen(int position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Points to pixels: a whole number of dots per inch, as the text is drawn at that resolution.
    int dotsPerInch() const;
    void render();
    // The label nearest the current one in the direction (dx, dy) on the paper as it lies.
    int neighbour(int dx, int dy) const;
    void describe();

    SheetPicture m_picture;
    QImage m_image; // the paper, drawn once per picture, size and palette
    int m_current = 0;
};
