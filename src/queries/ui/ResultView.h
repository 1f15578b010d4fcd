#pragma once

#include "queries/ResultGrid.h"

#include <QTableView>

class ResultGridModel;

// The read-only grid of a query window, whole rows selected.
class ResultView final : public QTableView
{
    Q_OBJECT
public:
    // How wide the columns are: `width` pixels from column `from` on; 0 sizes them to
    // their contents.
    struct Widths
    {
        int width = 0;
        int from = 0;
    };

    explicit ResultView(QWidget *parent = nullptr);

    void showGrid(ResultGrid grid, Widths widths);
    void clearGrid();
    bool hasRows() const;
    ResultGridModel *gridModel() const { return m_model; }

private:
    ResultGridModel *m_model = nullptr;
};
