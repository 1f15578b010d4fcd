#pragma once

class QTableView;

// The wizard's grids: read-only, columns 70 wide with their titles centred.
void SetUpImportPreviewGrid(QTableView *grid);
