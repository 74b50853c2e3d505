#pragma once
#include <QWidget>

// The borderless picture shown while the main window and its data open.
class TfrmSplash : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kSize{451, 242};
    explicit TfrmSplash(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
