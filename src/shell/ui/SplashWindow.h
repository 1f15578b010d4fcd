#pragma once

#include <QWidget>

// The splash window shown while the program starts.
class SplashWindow final : public QWidget
{
    Q_OBJECT
public:
    explicit SplashWindow(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
