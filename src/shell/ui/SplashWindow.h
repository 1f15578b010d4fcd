#pragma once

#include <QWidget>

// The splash window shown while the program starts.
class TfrmFlash final : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmFlash(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
