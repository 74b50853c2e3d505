#pragma once
#include <QWidget>

// The picture shown while the program closes.
class Tfexit : public QWidget {
    Q_OBJECT
public:
    explicit Tfexit(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
