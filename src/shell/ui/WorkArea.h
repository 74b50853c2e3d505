#pragma once
#include <QMdiArea>

// The main window's work area. It paints the background picture unscaled
// from its top-left corner; a larger area shows the rest in the plain window
// colour. Child screens are sub-windows on top of it.
class WorkArea : public QMdiArea {
    Q_OBJECT
public:
    explicit WorkArea(QWidget* parent = nullptr);

signals:
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};
